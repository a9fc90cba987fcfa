#include "WholeNumber.h"

#include <charconv>

namespace cli {

WholeNumber ParseWholeNumber(const std::string& text)
{
    int value = 0;
    const char* begin = text.data();
    if (!text.empty() && text.front() == '+') {
        ++begin;
    }
    auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    if (begin == end || end != text.data() + text.size()
        || (error != std::errc() && error != std::errc::result_out_of_range)) {
        return { std::nullopt, "'" + text + "' is not a whole number" };
    }
    if (error == std::errc::result_out_of_range) {
        return { std::nullopt, "'" + text + "' is out of range" };
    }
    return { value, {} };
}

} // namespace cli
