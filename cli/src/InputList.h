#pragma once

#include "base/Result.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// The names a --files-from list holds, in order: one a line (a CR before the line end is dropped), or
// each ended by NUL when nullSeparated, so that any name can be listed. Empty names are skipped. path
// "-" reads standardInput. Fails (kind Input) when the list cannot be read.
base::Result<std::vector<std::string>> ReadInputList(const std::string& path, bool nullSeparated,
                                                     std::istream& standardInput);

} // namespace cli
