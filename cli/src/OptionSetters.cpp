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

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (auto& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

// The entry's short name: the text before " [" or "(" (so "A4" for "A4 [210 x 297 mm]", "SimSun"
// for "SimSun(Simplified Chinese Fonts)").
std::string_view ShortName(std::string_view entry)
{
    auto cut = std::min(entry.find(" ["), entry.find('('));
    return entry.substr(0, cut);
}

// The index of the entry that text names: its whole text or short name in any letter case, or its
// index in the list.
std::optional<int> FindChoice(std::span<const std::string_view> choices, const std::string& text)
{
    std::string wanted = Lower(text);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (Lower(choices[i]) == wanted || Lower(ShortName(choices[i])) == wanted) {
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

// The "Page Size" choice list: the named sizes, then "Custom Page Size".
std::span<const std::string_view> PageSizeLabels()
{
    static const std::vector<std::string_view> Labels = [] {
        std::vector<std::string_view> labels;
        for (const auto& size : engine::PageSizeTable) {
            labels.push_back(size.label);
        }
        labels.push_back(engine::CustomPageSizeLabel);
        return labels;
    }();
    return Labels;
}

} // namespace

OptionSetter SetNumber(int ConversionOptions::*field)
{
    return [field](ConversionOptions& options, const FlagValues& values) -> base::Result<> {
        auto number = ParseNumberArgument(values[0]);
        if (!number) {
            return number.failure();
        }
        options.*field = *number;
        return {};
    };
}

OptionSetter SetNumberWithin(int ConversionOptions::*field, int lowest, int highest)
{
    return [field, lowest, highest](ConversionOptions& options, const FlagValues& values) -> base::Result<> {
        auto number = ParseNumberArgument(values[0]);
        if (number && (*number < lowest || *number > highest)) {
            return NotUnderstood("'" + values[0] + "' is out of range (" + std::to_string(lowest) + " to "
                                 + std::to_string(highest) + ")");
        }
        return SetNumber(field)(options, values);
    };
}

OptionSetter SetText(std::string ConversionOptions::*field)
{
    return [field](ConversionOptions& options, const FlagValues& values) -> base::Result<> {
        options.*field = values[0];
        return {};
    };
}

OptionSetter SetChoice(int ConversionOptions::*field, std::span<const std::string_view> choices)
{
    return [field, choices](ConversionOptions& options, const FlagValues& values) -> base::Result<> {
        auto index = FindChoice(choices, values[0]);
        if (!index) {
            return NotOneOf(values[0], choices);
        }
        options.*field = *index;
        return {};
    };
}

OptionSetter SetPageSize()
{
    return SetChoice(&ConversionOptions::PageSize, PageSizeLabels());
}

OptionSetter SetPageSide(int ConversionOptions::*field)
{
    return [field](ConversionOptions& options, const FlagValues& values) -> base::Result<> {
        auto set = SetNumber(field)(options, values);
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
            if (auto set = SetNumber(field)(options, values); !set) {
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

} // namespace cli
