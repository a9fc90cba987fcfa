#pragma once

#include "base/Result.h"

#include <string>

namespace engine {

// The faces a TrueType font file holds: 1 for a single font, more for a collection (.ttc); 0 when the
// file cannot be read or holds no font.
unsigned TrueTypeFaceCount(const std::string& path);

// Fails (kind Options) when the file is a font, or a collection of them, without the face asked for,
// naming the file and its faces. A file that is no font passes: loading it tells why.
base::Result<> CheckTrueTypeFace(const std::string& path, int face);

} // namespace engine
