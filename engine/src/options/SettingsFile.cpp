#include "engine/SettingsFile.h"

#include "engine/ConversionOptions.h"
#include "engine/OptionTable.h"
#include "engine/Utf8.h"
#include "platform/IniProfile.h"

#include "text/FontCharset.h"

namespace engine {
namespace {

// Why a stored number was not used: the parser's reason, or "out of range" for a whole number
// outside the option's range.
std::string NumberReason(const base::Result<int>& number)
{
    return number ? "out of range" : number.error();
}

} // namespace

std::string SettingsTextAsUtf8(std::string_view stored)
{
    return IsValidUtf8(stored) ? std::string(stored) : FontCharset::For("CP1252")->toUnicode(stored);
}

SettingsLoad LoadOptions(const std::string& path, ConversionOptions& options)
{
    options = ConversionOptions {};
    auto profile = platform::IniProfile::Read(path);
    if (!profile) {
        return profile.failure();
    }
    std::vector<SettingsProblem> problems;
    for (const auto& option : OptionTable()) {
        for (const auto& ignored : profile->ignoredValues(option.section, option.key)) {
            problems.push_back({ std::string(option.section), std::string(option.key), ignored,
                                 "a second line of the key", "the first line's value" });
        }
        if (!option.isNumeric()) {
            options.*option.textMember()
                = profile->text(option.section, option.key, std::string::npos).value_or(option.defaultText());
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

SettingsSave SaveOptions(const std::string& path, const ConversionOptions& options, const ConversionOptions* asRead)
{
    auto profile = platform::IniProfile::Read(path);
    if (!profile) {
        return profile.failure();
    }
    for (const auto& option : OptionTable()) {
        const bool changed = !asRead
            || (option.isNumeric() ? options.*option.intMember() != asRead->*option.intMember()
                                   : options.*option.textMember() != asRead->*option.textMember());
        if (!changed) {
            continue;
        }
        profile->setText(option.section, option.key,
                         option.isNumeric() ? std::to_string(options.*option.intMember())
                                            : options.*option.textMember());
    }
    return profile->save();
}

} // namespace engine
