#pragma once

#include <optional>
#include <string>

namespace cli {

// A number given on the command line: an optional sign and decimal digits that fit an int.
struct WholeNumber
{
    std::optional<int> value;
    std::string problem; // why there is no value: "'x' is not a whole number", "'1e99' is out of range"
};

WholeNumber ParseWholeNumber(const std::string& text);

} // namespace cli
