#include "OptionOverrides.h"

#include "WholeNumber.h"

#include "engine/ChoiceLists.h"
#include "engine/PageSizes.h"
#include "engine/TabExpansion.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <span>

namespace cli {
namespace {

using engine::ConversionOptions;
using Values = std::vector<std::string>;
using Apply = std::function<std::optional<std::string>(ConversionOptions&, const Values&)>;

struct OverrideFlag
{
    const char* flag;
    int arity;
    Apply apply;
};

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
    if (auto index = ParseWholeNumber(text).value; index && *index >= 0 && *index < static_cast<int>(choices.size())) {
        return index;
    }
    return std::nullopt;
}

std::string NotOneOf(const std::string& value, std::span<const std::string_view> choices)
{
    std::string text = "'" + value + "' is not one of:";
    for (auto choice : choices) {
        text += " \"" + std::string(choice) + "\"";
    }
    return text;
}

Apply SetInt(int ConversionOptions::*field)
{
    return [field](ConversionOptions& options, const Values& values) -> std::optional<std::string> {
        auto number = ParseWholeNumber(values[0]);
        if (!number.value) {
            return number.problem;
        }
        options.*field = *number.value;
        return std::nullopt;
    };
}

// A number that must lie within lowest..highest.
Apply SetIntWithin(int ConversionOptions::*field, int lowest, int highest)
{
    return [field, lowest, highest](ConversionOptions& options, const Values& values) -> std::optional<std::string> {
        auto number = ParseWholeNumber(values[0]);
        if (number.value && (*number.value < lowest || *number.value > highest)) {
            return "'" + values[0] + "' is out of range (" + std::to_string(lowest) + " to " + std::to_string(highest)
                + ")";
        }
        return SetInt(field)(options, values);
    };
}

Apply SetText(std::string ConversionOptions::*field)
{
    return [field](ConversionOptions& options, const Values& values) -> std::optional<std::string> {
        options.*field = values[0];
        return std::nullopt;
    };
}

Apply SetChoice(int ConversionOptions::*field, std::span<const std::string_view> choices)
{
    return [field, choices](ConversionOptions& options, const Values& values) -> std::optional<std::string> {
        auto index = FindChoice(choices, values[0]);
        if (!index) {
            return NotOneOf(values[0], choices);
        }
        options.*field = *index;
        return std::nullopt;
    };
}

std::vector<std::string_view> PageSizeLabels()
{
    std::vector<std::string_view> labels;
    for (const auto& size : engine::PageSizeTable) {
        labels.push_back(size.label);
    }
    labels.push_back(engine::CustomPageSizeLabel);
    return labels;
}

// Page width or height: sets the field and chooses "Custom Page Size" so that it takes effect.
Apply SetCustomSize(int ConversionOptions::*field)
{
    return [field](ConversionOptions& options, const Values& values) -> std::optional<std::string> {
        auto problem = SetInt(field)(options, values);
        if (!problem) {
            options.PageSize = engine::CustomPageSizeIndex;
        }
        return problem;
    };
}

std::optional<std::string> SetFont(ConversionOptions& options, const Values& values)
{
    if (auto base14 = FindChoice(engine::Base14FontChoices, values[0])) {
        options.PageFont = engine::Base14Font;
        options.B14Font = *base14;
        return std::nullopt;
    }
    if (auto cid = FindChoice(engine::CidFontChoices, values[0]); cid && !ParseWholeNumber(values[0]).value) {
        options.PageFont = engine::CidFont;
        options.CIDFont = *cid;
        return std::nullopt;
    }
    std::vector<std::string_view> all(engine::Base14FontChoices.begin(), engine::Base14FontChoices.end());
    all.insert(all.end(), engine::CidFontChoices.begin(), engine::CidFontChoices.end());
    return NotOneOf(values[0], all);
}

const std::vector<OverrideFlag>& OverrideFlags()
{
    static const std::vector<std::string_view> pageSizes = PageSizeLabels();
    static const std::vector<OverrideFlag> flags = {
        { "--page-size", 1, SetChoice(&ConversionOptions::PageSize, pageSizes) },
        { "--page-width", 1, SetCustomSize(&ConversionOptions::PageWidth) },
        { "--page-height", 1, SetCustomSize(&ConversionOptions::PageHeight) },
        { "--left-margin", 1, SetInt(&ConversionOptions::LeftMargin) },
        { "--right-margin", 1, SetInt(&ConversionOptions::RightMargin) },
        { "--top-margin", 1, SetInt(&ConversionOptions::TopMargin) },
        { "--bottom-margin", 1, SetInt(&ConversionOptions::BottomMargin) },
        { "--margins", 1,
          [](ConversionOptions& options, const Values& values) -> std::optional<std::string> {
              for (auto field : { &ConversionOptions::LeftMargin, &ConversionOptions::RightMargin,
                                  &ConversionOptions::TopMargin, &ConversionOptions::BottomMargin }) {
                  if (auto problem = SetInt(field)(options, values)) {
                      return problem;
                  }
              }
              return std::nullopt;
          } },
        { "--font-kind", 1, SetChoice(&ConversionOptions::PageFont, engine::PageFontChoices) },
        { "--font", 1, SetFont },
        { "--encoding", 1, SetChoice(&ConversionOptions::SingeEncode, engine::SingleByteEncodingChoices) },
        { "--cmap", 1, SetChoice(&ConversionOptions::MultiEncode, engine::MultiByteEncodingChoices) },
        { "--font-size", 1, SetInt(&ConversionOptions::FontSize) },
        { "--tab-width", 1, SetIntWithin(&ConversionOptions::TabWidth, 0, engine::MaxTabWidth) },
        { "--embed-font", 1, SetChoice(&ConversionOptions::EmbeddingFont, engine::YesNoChoices) },
        { "--open-mode", 1, SetChoice(&ConversionOptions::OpenMode, engine::OpenModeChoices) },
        { "--author", 1, SetText(&ConversionOptions::Author) },
        { "--creator", 1, SetText(&ConversionOptions::Creator) },
        { "--title", 1, SetText(&ConversionOptions::Title) },
        { "--subject", 1, SetText(&ConversionOptions::Subject) },
        { "--keywords", 1, SetText(&ConversionOptions::Keywords) },
        { "--permit-read", 1, SetChoice(&ConversionOptions::PermitRead, engine::YesNoChoices) },
        { "--permit-print", 1, SetChoice(&ConversionOptions::PermitPrint, engine::YesNoChoices) },
        { "--permit-copy", 1, SetChoice(&ConversionOptions::PermitCopy, engine::YesNoChoices) },
        { "--permit-modify", 1, SetChoice(&ConversionOptions::PermitModify, engine::YesNoChoices) },
        { "--encrypt-level", 1, SetInt(&ConversionOptions::EncryptLevel) },
        { "--type1", 2,
          [](ConversionOptions& options, const Values& values) -> std::optional<std::string> {
              options.PageFont = engine::Type1Font;
              options.Type1MetricsFile = values[0];
              options.Type1DataFile = values[1];
              return std::nullopt;
          } },
        { "--truetype", 1,
          [](ConversionOptions& options, const Values& values) -> std::optional<std::string> {
              options.PageFont = engine::TrueTypeFont;
              options.TrueTypeFile = values[0];
              return std::nullopt;
          } },
    };
    return flags;
}

const OverrideFlag* FindFlag(const std::string& flag)
{
    const auto& flags = OverrideFlags();
    auto it = std::find_if(flags.begin(), flags.end(), [&flag](const OverrideFlag& f) { return flag == f.flag; });
    return it == flags.end() ? nullptr : &*it;
}

} // namespace

std::optional<int> OverrideArity(const std::string& flag)
{
    if (const auto* found = FindFlag(flag)) {
        return found->arity;
    }
    return std::nullopt;
}

std::optional<std::string> ApplyOverride(ConversionOptions& options, const std::string& flag, const Values& values)
{
    const auto* found = FindFlag(flag);
    if (!found) {
        return "unknown option " + flag;
    }
    if (auto problem = found->apply(options, values)) {
        return flag + ": " + *problem;
    }
    return std::nullopt;
}

} // namespace cli
