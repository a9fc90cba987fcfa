#pragma once

#include "base/Result.h"

#include <string_view>

namespace platform {

// A whole number written as an optional sign and decimal digits, and nothing else; else why not, of
// the kind Options: "not a whole number", or "out of range" for digits too many for an int.
base::Result<int> ParseWholeNumber(std::string_view text);

} // namespace platform
