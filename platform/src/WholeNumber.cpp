#include "platform/WholeNumber.h"

#include <charconv>

namespace platform {

base::Result<int> ParseWholeNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (text.empty() || end != text.data() + text.size()
        || (error != std::errc() && error != std::errc::result_out_of_range)) {
        return base::Failure { base::FailureKind::Options, "not a whole number" };
    }
    if (error == std::errc::result_out_of_range) {
        return base::Failure { base::FailureKind::Options, "out of range" };
    }
    return value;
}

} // namespace platform
