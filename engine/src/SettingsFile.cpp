#include "engine/SettingsFile.h"

#include "engine/ConversionOptions.h"
#include "engine/TabExpansion.h"
#include "platform/IniProfile.h"

#include <limits>
#include <variant>

namespace engine {
namespace {

// One key of the settings file and the field it stores, in the order the file is read and written.
struct SettingsKey
{
    const char* section;
    const char* key;
    std::variant<int ConversionOptions::*, std::string ConversionOptions::*> field;
    // The numbers the field takes; the other keys take any int, as the record enforces no ranges.
    int lowest = std::numeric_limits<int>::min();
    int highest = std::numeric_limits<int>::max();
};

constexpr const char* Paper = "Paper Option";
constexpr const char* Display = "Document Display Option";
constexpr const char* Property = "PDF Property Option";
constexpr const char* Security = "PDF Security Option";

const SettingsKey SettingsKeys[] = {
    { Paper, "PageSize", &ConversionOptions::PageSize },
    { Paper, "PageWidth", &ConversionOptions::PageWidth },
    { Paper, "PageHeight", &ConversionOptions::PageHeight },
    { Paper, "LeftMargin", &ConversionOptions::LeftMargin },
    { Paper, "RightMargin", &ConversionOptions::RightMargin },
    { Paper, "TopMargin", &ConversionOptions::TopMargin },
    { Paper, "BottomMargin", &ConversionOptions::BottomMargin },
    { Paper, "PageFont", &ConversionOptions::PageFont },
    { Paper, "B14Font", &ConversionOptions::B14Font },
    { Paper, "EmbeddingFont", &ConversionOptions::EmbeddingFont },
    { Paper, "CIDFont", &ConversionOptions::CIDFont },
    { Paper, "SingeEncode", &ConversionOptions::SingeEncode },
    { Paper, "MultiEncode", &ConversionOptions::MultiEncode },
    { Paper, "Font Size", &ConversionOptions::FontSize },
    { Paper, "Type1MetricsFile", &ConversionOptions::Type1MetricsFile },
    { Paper, "Type1DataFile", &ConversionOptions::Type1DataFile },
    { Paper, "TrueTypeFile", &ConversionOptions::TrueTypeFile },
    { Paper, "TabWidth", &ConversionOptions::TabWidth, 0, MaxTabWidth },
    { Display, "OpenMode", &ConversionOptions::OpenMode },
    { Display, "OpenResult", &ConversionOptions::OpenResult },
    { Property, "Author", &ConversionOptions::Author },
    { Property, "Creator", &ConversionOptions::Creator },
    { Property, "Title", &ConversionOptions::Title },
    { Property, "Subject", &ConversionOptions::Subject },
    { Property, "Keywords", &ConversionOptions::Keywords },
    { Security, "PermitRead", &ConversionOptions::PermitRead },
    { Security, "PermitPrint", &ConversionOptions::PermitPrint },
    { Security, "PermitCopy", &ConversionOptions::PermitCopy },
    { Security, "PermitModify", &ConversionOptions::PermitModify },
    { Security, "EncryptLevel", &ConversionOptions::EncryptLevel },
};

std::string NumberReason(const platform::ProfileNumber& number)
{
    return number.value || number.outOfRange ? "out of range" : "not a whole number";
}

} // namespace

SettingsLoad LoadOptions(const std::string& path, ConversionOptions& options)
{
    const ConversionOptions defaults;
    options = defaults;
    platform::IniProfile profile(path);
    SettingsLoad load;
    if (!profile.readable()) {
        load.readable = false;
        load.error = profile.error();
        return load;
    }
    for (const auto& entry : SettingsKeys) {
        if (auto number = std::get_if<int ConversionOptions::*>(&entry.field)) {
            auto value = profile.value(entry.section, entry.key);
            if (!value) {
                continue;
            }
            auto parsed = platform::ParseProfileNumber(*value);
            if (parsed.value && *parsed.value >= entry.lowest && *parsed.value <= entry.highest) {
                options.*(*number) = *parsed.value;
            } else {
                load.problems.push_back({ entry.section, entry.key, *value, NumberReason(parsed),
                                          std::to_string(defaults.*(*number)) });
            }
        } else {
            auto text = std::get<std::string ConversionOptions::*>(entry.field);
            options.*text = profile.text(entry.section, entry.key, MaxSettingsTextLength).value_or("");
        }
    }
    return load;
}

SettingsSave SaveOptions(const std::string& path, const ConversionOptions& options)
{
    platform::IniProfile profile(path);
    for (const auto& entry : SettingsKeys) {
        if (auto number = std::get_if<int ConversionOptions::*>(&entry.field)) {
            profile.setText(entry.section, entry.key, std::to_string(options.*(*number)));
        } else {
            profile.setText(entry.section, entry.key, options.*std::get<std::string ConversionOptions::*>(entry.field));
        }
    }
    SettingsSave save;
    if (!profile.save()) {
        save.saved = false;
        save.error = profile.error();
    }
    return save;
}

} // namespace engine
