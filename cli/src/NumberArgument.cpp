#include "NumberArgument.h"

#include "platform/WholeNumber.h"

namespace cli {

base::Result<int> ParseNumberArgument(const std::string& text)
{
    auto number = platform::ParseWholeNumber(text);
    if (!number) {
        return base::Failure { number.failure().kind, "'" + text + "' is " + number.error() };
    }
    return number;
}

} // namespace cli
