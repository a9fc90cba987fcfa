#pragma once

#include "base/Result.h"

#include <string>
#include <vector>

namespace engine {

// The faces of a TrueType font file by their full names ("WenQuanYi Zen Hei Mono"): one for a single
// font, each face of a collection (.ttc) in order. Fails (kind Input) when the file cannot be read or
// holds no TrueType or OpenType font.
base::Result<std::vector<std::string>> TrueTypeFaceNames(const std::string& path);

// True when the face of a TrueType font file draws "i" as wide as "W", as monospaced faces do (dual-width
// CJK faces included); false when it does not, or the file or face cannot be read.
bool TrueTypeFaceIsMonospaced(const std::string& path, int face);

} // namespace engine
