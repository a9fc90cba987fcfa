#pragma once

#include "base/Result.h"

#include <string>

namespace cli {

// A number given on the command line, as platform::ParseWholeNumber reads it; else why not, naming
// the text ("'x' is not a whole number", "'1e99' is out of range").
base::Result<int> ParseNumberArgument(const std::string& text);

} // namespace cli
