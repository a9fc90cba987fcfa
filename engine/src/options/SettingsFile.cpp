#include "engine/SettingsFile.h"

#include "engine/ConversionOptions.h"
#include "engine/OptionTable.h"
#include "platform/IniProfile.h"

namespace engine {
namespace {

// Why a stored number was not used: the parser's reason, or "out of range" for a whole number
// outside the option's range.
std::string NumberReason(const base::Result<int>& number)
{
    return number ? "out of range" : number.error();
}

} // namespace

SettingsLoad LoadOptions(const std::string& path, ConversionOptions& options)
{
    options = ConversionOptions {};
    auto profile = platform::IniProfile::Read(path);
    if (!profile) {
        return profile.failure();
    }
    std::vector<SettingsProblem> problems;
    for (const auto& option : OptionTable()) {
        if (!option.isNumeric()) {
            options.*option.textMember()
                = profile->text(option.section, option.key, MaxSettingsTextLength).value_or("");
            continue;
        }
        auto value = profile->value(option.section, option.key);
        if (!value) {
            continue;
        }
        auto parsed = platform::ParseProfileNumber(*value);
        if (parsed && option.inRange(*parsed)) {
            options.*option.intMember() = *parsed;
        } else {
            problems.push_back({ std::string(option.section), std::string(option.key), *value, NumberReason(parsed), option.defaultText() });
        }
    }
    return problems;
}

SettingsSave SaveOptions(const std::string& path, const ConversionOptions& options)
{
    auto profile = platform::IniProfile::Read(path);
    if (!profile) {
        return profile.failure();
    }
    for (const auto& option : OptionTable()) {
        profile->setText(option.section, option.key,
                         option.isNumeric() ? std::to_string(options.*option.intMember())
                                            : options.*option.textMember());
    }
    return profile->save();
}

} // namespace engine
