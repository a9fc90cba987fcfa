// marlowen-bench-floor LINES OUT.pdf
//
// What the PDF library alone needs for the pages of a conversion: the drawn lines, broken in advance
// (one per LF, a line holding only a form feed between two pages), shown with the default options'
// font, size and page geometry into compressed streams and saved. No layout decision is taken.
#include "engine/ChoiceLists.h"
#include "engine/ConversionOptions.h"
#include "engine/PageSizes.h"

#include <hpdf.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: marlowen-bench-floor LINES OUT.pdf\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::string lines((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    const engine::ConversionOptions options;
    const engine::PageBox box = engine::GetPageBox(options);
    const auto size = static_cast<HPDF_REAL>(options.FontSize);
    HPDF_Doc doc = HPDF_New(nullptr, nullptr);
    HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
    HPDF_Font font = HPDF_GetFont(doc, std::string(engine::Base14FontChoices[options.B14Font]).c_str(),
                                  std::string(engine::SingleByteEncodingChoices[options.SingeEncode]).c_str());
    HPDF_Page page = nullptr;
    auto beginPage = [&] {
        page = HPDF_AddPage(doc);
        HPDF_Page_SetWidth(page, static_cast<HPDF_REAL>(box.width));
        HPDF_Page_SetHeight(page, static_cast<HPDF_REAL>(box.height));
        HPDF_Page_SetFontAndSize(page, font, size);
        HPDF_Page_BeginText(page);
        HPDF_Page_MoveTextPos(page, static_cast<HPDF_REAL>(options.LeftMargin),
                              static_cast<HPDF_REAL>(box.height - options.TopMargin) + size);
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
        } else {
            HPDF_Page_MoveTextPos(page, 0, -size - 5);
            if (end > start) {
                HPDF_Page_ShowText(page, lines.data() + start);
            }
        }
        start = end + 1;
    }
    HPDF_Page_EndText(page);
    HPDF_STATUS status = HPDF_SaveToFile(doc, argv[2]);
    HPDF_Free(doc);
    return status == HPDF_OK ? 0 : 1;
}
