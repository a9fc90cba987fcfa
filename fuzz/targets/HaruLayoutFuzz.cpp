// Lays random texts out with the PDF library's own measures: a standard font in any single-byte
// encoding or a CJK font in any multi-byte encoding, at random sizes, widths and tab widths. Checks
// the layout's promises (see LayoutCheck.h) on the text with its tabs expanded, that the expansion
// keeps every other character, and that no measure makes the library refuse the document.
#include "engine/ChoiceLists.h"
#include "engine/OptionTable.h"
#include "engine/TabExpansion.h"
#include "platform/TextFile.h"

#include "layout/HaruTextMeasure.h"
#include "pdf/FontSelection.h"
#include "pdf/HaruDocument.h"
#include "text/TabExpander.h"

#include "LayoutCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

namespace {

engine::ConversionOptions FontOptions(FuzzedDataProvider& input)
{
    engine::ConversionOptions options;
    if (input.ConsumeBool()) {
        options.PageFont = engine::CidFont;
        options.CIDFont = input.ConsumeIntegralInRange<int>(0, engine::CidFontChoices.size() - 1);
        options.MultiEncode = input.ConsumeIntegralInRange<int>(0, engine::MultiByteEncodingChoices.size() - 1);
    } else {
        options.PageFont = engine::Base14Font;
        options.B14Font = input.ConsumeIntegralInRange<int>(0, engine::Base14FontChoices.size() - 1);
        options.SingeEncode = input.ConsumeIntegralInRange<int>(0, engine::SingleByteEncodingChoices.size() - 1);
    }
    return options;
}

[[noreturn]] void Fail(const std::string& what, const engine::ConversionOptions& options, float size, float width)
{
    std::fprintf(stderr, "layout fault: %s; font kind %d, font %d/%d, encoding %d/%d, size %g, width %g\n",
                 what.c_str(), options.PageFont, options.B14Font, options.CIDFont, options.SingeEncode,
                 options.MultiEncode, size, width);
    std::abort();
}

std::string WithoutBlanks(std::string text)
{
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
    return text;
}

// Without a width the text stays as it is; with one, no tab is left and nothing but blanks is added.
std::string CheckExpansion(const std::string& decoded, const std::string& expanded, int tabWidth)
{
    if (tabWidth == 0) {
        return expanded == decoded ? "" : "a tab width of 0 changed the text";
    }
    if (expanded.find('\t') != std::string::npos) {
        return "a tab is left after expansion";
    }
    return WithoutBlanks(expanded) == WithoutBlanks(decoded) ? "" : "the expansion changed more than tabs";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const engine::ConversionOptions options = FontOptions(input);
    const auto fontSize = static_cast<float>(input.ConsumeIntegralInRange<int>(1, HPDF_MAX_FONTSIZE));
    const auto width = static_cast<float>(input.ConsumeBool() ? input.ConsumeIntegralInRange<int>(1, 200)
                                                              : input.ConsumeIntegralInRange<int>(1, 14394));
    const int tabWidth = input.ConsumeIntegralInRange<int>(0, engine::FindOption("TabWidth")->highest);
    const std::string decoded = platform::TextModeFromBytes(input.ConsumeRemainingBytesAsString());

    engine::HaruDocument document;
    HPDF_Font font = engine::RequestPageFont(document, options);
    if (!font) {
        return 0; // a font and encoding of different languages: the converter falls back to Helvetica
    }
    HPDF_Page page = HPDF_AddPage(document.get());
    HPDF_Page_SetFontAndSize(page, font, fontSize);
    const std::string expanded
        = engine::ExpandTabs(decoded, tabWidth, engine::CharacterBounds::ForFont(document.get(), font));
    if (auto broken = CheckExpansion(decoded, expanded, tabWidth); !broken.empty()) {
        Fail(broken, options, fontSize, width);
    }
    const std::string text = fuzzsupport::CrLineEnds(expanded);
    engine::HaruTextMeasure measure(document.get(), font, fontSize);
    if (document.failed()) {
        Fail("the library refused the set-up: " + document.errorText(), options, fontSize, width);
    }
    std::string broken = fuzzsupport::CheckLayout(text, measure, width);
    if (!broken.empty()) {
        Fail(broken, options, fontSize, width);
    }
    if (document.failed()) {
        Fail("the library refused a measure: " + document.errorText(), options, fontSize, width);
    }
    return 0;
}
