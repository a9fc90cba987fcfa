// marlowen-bench-floor [--numbered] [--header LEFT|CENTRE|RIGHT] LINES OUT.pdf
//
// What the PDF library alone needs for the pages of a conversion: the drawn lines, broken in advance
// (one per LF, a line holding only a form feed between two pages), shown with the default options'
// font, size and page geometry into compressed streams and saved. No layout decision is taken.
//
// --numbered: each line starts with the number it shows, if any, and a tab (marlowen-bench-layout
// numbered); the numbers are drawn right-aligned in a gutter before the text.
// --header: a header with its rule on every page, its parts flush left, centred and flush right;
// "{page}" and "{pages}" in them become the page's number and the page count.
#include "engine/ChoiceLists.h"
#include "engine/ConversionOptions.h"

#include "layout/PageFrame.h"

#include <hpdf.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

struct Arguments
{
    bool numbered = false;
    std::string header;
    const char* lines = nullptr;
    const char* output = nullptr;
};

bool Parse(int argc, char** argv, Arguments& arguments)
{
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        if (std::strcmp(argv[i], "--numbered") == 0) {
            arguments.numbered = true;
        } else if (std::strcmp(argv[i], "--header") == 0 && i + 1 < argc) {
            arguments.header = argv[++i];
        } else {
            return false;
        }
    }
    if (argc - i != 2) {
        return false;
    }
    arguments.lines = argv[i];
    arguments.output = argv[i + 1];
    return true;
}

void Replace(std::string& text, std::string_view field, const std::string& value)
{
    for (auto at = text.find(field); at != std::string::npos; at = text.find(field, at + value.size())) {
        text.replace(at, field.size(), value);
    }
}

// The header's parts on a page.
std::array<std::string, 3> HeaderParts(const std::string& header, int page, int pages)
{
    std::array<std::string, 3> parts;
    std::size_t start = 0;
    for (auto& part : parts) {
        const std::size_t bar = std::min(header.find('|', start), header.size());
        part = header.substr(std::min(start, header.size()), bar - std::min(start, header.size()));
        Replace(part, "{page}", std::to_string(page));
        Replace(part, "{pages}", std::to_string(pages));
        start = bar + 1;
    }
    return parts;
}

} // namespace

int main(int argc, char** argv)
{
    Arguments arguments;
    if (!Parse(argc, argv, arguments)) {
        std::fprintf(stderr, "usage: marlowen-bench-floor [--numbered] [--header LEFT|CENTRE|RIGHT] LINES OUT.pdf\n");
        return 2;
    }
    std::ifstream in(arguments.lines, std::ios::binary);
    std::string lines((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    engine::ConversionOptions options;
    options.Header = arguments.header;
    engine::PageFrame frame = engine::MakePageFrame(options);
    const auto size = frame.fontSize;
    const auto advance = frame.advance();
    HPDF_Doc doc = HPDF_New(nullptr, nullptr);
    HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
    HPDF_Font font = HPDF_GetFont(doc, std::string(engine::Base14FontChoices[options.B14Font]).c_str(),
        std::string(engine::SingleByteEncodingChoices[options.SingeEncode]).c_str());
    // The widest number's digits and one to spare; every digit of the font is as wide.
    const float digit = HPDF_Font_TextWidth(font, reinterpret_cast<const HPDF_BYTE*>("0"), 1).width * size / 1000;
    float gutter = 0;
    if (arguments.numbered) {
        std::size_t widest = 0;
        for (std::size_t start = 0, tab; (tab = lines.find('\t', start)) != std::string::npos;
             start = lines.find('\n', tab) + 1) {
            widest = std::max(widest, tab - start);
        }
        gutter = digit * static_cast<float>(widest + 1);
    }
    const int pages = static_cast<int>(std::count(lines.begin(), lines.end(), '\f')) + 1;
    const float textLeft = static_cast<float>(options.LeftMargin) + gutter;
    const float right = static_cast<float>(frame.box.width - options.RightMargin);
    HPDF_Page page = nullptr;
    int pageNumber = 0;
    auto beginPage = [&] {
        page = HPDF_AddPage(doc);
        HPDF_Page_SetWidth(page, static_cast<HPDF_REAL>(frame.box.width));
        HPDF_Page_SetHeight(page, static_cast<HPDF_REAL>(frame.box.height));
        ++pageNumber;
        if (frame.hasHeader) {
            HPDF_Page_SetLineWidth(page, static_cast<HPDF_REAL>(engine::BandRuleWidth));
            HPDF_Page_MoveTo(
                page, static_cast<HPDF_REAL>(options.LeftMargin), static_cast<HPDF_REAL>(frame.header.rule));
            HPDF_Page_LineTo(page, right, static_cast<HPDF_REAL>(frame.header.rule));
            HPDF_Page_Stroke(page);
            HPDF_Page_BeginText(page);
            HPDF_Page_SetFontAndSize(page, font, frame.bandFontSize);
            const auto parts = HeaderParts(arguments.header, pageNumber, pages);
            const auto baseline = static_cast<HPDF_REAL>(frame.header.baseline);
            HPDF_Page_TextOut(page, static_cast<HPDF_REAL>(options.LeftMargin), baseline, parts[0].c_str());
            HPDF_Page_TextOut(page,
                (static_cast<HPDF_REAL>(options.LeftMargin) + right - HPDF_Page_TextWidth(page, parts[1].c_str())) / 2,
                baseline, parts[1].c_str());
            HPDF_Page_TextOut(page, right - HPDF_Page_TextWidth(page, parts[2].c_str()), baseline, parts[2].c_str());
            HPDF_Page_EndText(page);
        }
        HPDF_Page_SetFontAndSize(page, font, size);
        HPDF_Page_BeginText(page);
        HPDF_Page_MoveTextPos(page, textLeft, static_cast<HPDF_REAL>(frame.firstBaseline) + advance);
    };
    beginPage();
    // The lines become NUL-terminated in place, so that nothing is copied.
    for (std::size_t start = 0; start < lines.size();) {
        std::size_t end = lines.find('\n', start);
        if (end == std::string::npos) {
            end = lines.size();
            lines.push_back('\0');
        }
        lines[end] = '\0';
        if (end - start == 1 && lines[start] == '\f') {
            HPDF_Page_EndText(page);
            beginPage();
        } else if (arguments.numbered) {
            const std::size_t tab = lines.find('\t', start);
            lines[tab] = '\0';
            if (tab > start) {
                const float number = digit * static_cast<float>(tab - start + 1);
                HPDF_Page_MoveTextPos(page, -number, -advance);
                HPDF_Page_ShowText(page, lines.data() + start);
                HPDF_Page_MoveTextPos(page, number, 0);
            } else {
                HPDF_Page_MoveTextPos(page, 0, -advance);
            }
            if (end > tab + 1) {
                HPDF_Page_ShowText(page, lines.data() + tab + 1);
            }
        } else {
            HPDF_Page_MoveTextPos(page, 0, -advance);
            if (end > start) {
                HPDF_Page_ShowText(page, lines.data() + start);
            }
        }
        start = end + 1;
    }
    HPDF_Page_EndText(page);
    HPDF_STATUS status = HPDF_SaveToFile(doc, arguments.output);
    HPDF_Free(doc);
    return status == HPDF_OK ? 0 : 1;
}
