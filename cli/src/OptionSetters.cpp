#include "OptionSetters.h"

#include "engine/ChoiceLists.h"
#include "engine/PageSizes.h"

#include "NumberArgument.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace cli {
namespace {

using engine::ConversionOptions;

base::Failure NotUnderstood(std::string reason)
{
    return { base::FailureKind::Options, std::move(reason) };
}

// The text as a choice is matched: lower case, hyphens left out ("aes256" names "AES-256").
std::string Loose(std::string_view text)
{
    std::string loose;
    for (char c : text) {
        if (c != '-') {
            loose += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return loose;
}

// The entry's short name: the text before " [" or "(" (so "A4" for "A4 [210 x 297 mm]", "SimSun"
// for "SimSun(Simplified Chinese Fonts)").
std::string_view ShortName(std::string_view entry)
{
    auto cut = std::min(entry.find(" ["), entry.find('('));
    return entry.substr(0, cut);
}

// The index of the entry that text names: its whole text or short name in any letter case and with
// or without its hyphens, or its index in the list.
std::optional<int> FindChoice(std::span<const std::string_view> choices, const std::string& text)
{
    std::string wanted = Loose(text);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (Loose(choices[i]) == wanted || Loose(ShortName(choices[i])) == wanted) {
            return static_cast<int>(i);
        }
    }
    if (auto index = ParseNumberArgument(text); index && *index >= 0 && *index < static_cast<int>(choices.size())) {
        return *index;
    }
    return std::nullopt;
}

base::Failure NotOneOf(const std::string& value, std::span<const std::string_view> choices)
{
    std::string text = "'" + value + "' is not one of:";
    for (auto choice : choices) {
        text += " \"" + std::string(choice) + "\"";
    }
    return NotUnderstood(text);
}

} // namespace

namespace {

base::Result<> SetNumber(const engine::OptionDescription& option, ConversionOptions& options, const std::string& value)
{
    auto number = ParseNumberArgument(value);
    if (!number) {
        return number.failure();
    }
    if (!option.inRange(*number)) {
        return NotUnderstood("'" + value + "' is out of range (" + option.rangeText() + ")");
    }
    options.*option.intMember() = *number;
    return {};
}

base::Result<> SetChoice(const engine::OptionDescription& option, ConversionOptions& options, const std::string& value)
{
    auto index = FindChoice(option.choices, value);
    if (!index) {
        return NotOneOf(value, option.choices);
    }
    options.*option.intMember() = *index;
    return {};
}

} // namespace

OptionSetter SetOption(const engine::OptionDescription& option)
{
    return [&option](ConversionOptions& options, const FlagValues& values) -> base::Result<> {
        switch (option.kind) {
        case engine::OptionKind::Number:
            return SetNumber(option, options, values[0]);
        case engine::OptionKind::Choice:
            return SetChoice(option, options, values[0]);
        case engine::OptionKind::Text:
        case engine::OptionKind::Path:
            options.*option.textMember() = values[0];
            return {};
        }
        return {};
    };
}

OptionSetter SetPageSide(const engine::OptionDescription& side)
{
    return [&side](ConversionOptions& options, const FlagValues& values) -> base::Result<> {
        auto set = SetOption(side)(options, values);
        if (set) {
            options.PageSize = engine::CustomPageSizeIndex;
        }
        return set;
    };
}

OptionSetter SetMargins()
{
    return [](ConversionOptions& options, const FlagValues& values) -> base::Result<> {
        for (auto field : { &ConversionOptions::LeftMargin, &ConversionOptions::RightMargin,
                            &ConversionOptions::TopMargin, &ConversionOptions::BottomMargin }) {
            if (auto set = SetNumber(*engine::FindOption(field), options, values[0]); !set) {
                return set;
            }
        }
        return {};
    };
}

OptionSetter SetFont()
{
    return [](ConversionOptions& options, const FlagValues& values) -> base::Result<> {
        if (auto base14 = FindChoice(engine::Base14FontChoices, values[0])) {
            options.PageFont = engine::Base14Font;
            options.B14Font = *base14;
            return {};
        }
        if (auto cid = FindChoice(engine::CidFontChoices, values[0]); cid && !ParseNumberArgument(values[0])) {
            options.PageFont = engine::CidFont;
            options.CIDFont = *cid;
            return {};
        }
        std::vector<std::string_view> all(engine::Base14FontChoices.begin(), engine::Base14FontChoices.end());
        all.insert(all.end(), engine::CidFontChoices.begin(), engine::CidFontChoices.end());
        return NotOneOf(values[0], all);
    };
}

OptionSetter SetType1Font()
{
    return [](ConversionOptions& options, const FlagValues& values) -> base::Result<> {
        options.PageFont = engine::Type1Font;
        options.Type1MetricsFile = values[0];
        options.Type1DataFile = values[1];
        return {};
    };
}

OptionSetter SetTrueTypeFont()
{
    return [](ConversionOptions& options, const FlagValues& values) -> base::Result<> {
        options.PageFont = engine::TrueTypeFont;
        options.TrueTypeFile = values[0];
        return {};
    };
}

OptionSetter SetOrientation(engine::PageOrientation orientation)
{
    return [orientation](ConversionOptions& options, const FlagValues&) -> base::Result<> {
        options.Orientation = orientation;
        return {};
    };
}

} // namespace cli
