#include "layout/HaruTextMeasure.h"

#include "engine/ChoiceLists.h"

#include "layout/MultiByteWidths.h"
#include "layout/SingleByteWidths.h"
#include "layout/Utf8Widths.h"

namespace engine {
namespace {

SingleByteWidths::Table ByteWidths(HPDF_Font font)
{
    SingleByteWidths::Table table {};
    for (unsigned value = 1; value < 256; ++value) {
        const HPDF_BYTE text[2] = { static_cast<HPDF_BYTE>(value), 0 };
        table[value] = HPDF_Font_TextWidth(font, text, 1).width;
    }
    return table;
}

// The widths as the font's encoding splits text into characters.
std::unique_ptr<CharWidths> WidthsFor(HPDF_Doc document, HPDF_Font font, float fontSize)
{
    const char* name = HPDF_Font_GetEncodingName(font);
    if (name && name == Utf8EncodingName) {
        return std::make_unique<Utf8Widths>(font, fontSize);
    }
    HPDF_Encoder encoder = name ? HPDF_GetEncoder(document, name) : nullptr;
    if (encoder && HPDF_Encoder_GetType(encoder) == HPDF_ENCODER_TYPE_DOUBLE_BYTE) {
        return std::make_unique<MultiByteWidths>(font, encoder, fontSize);
    }
    return std::make_unique<SingleByteWidths>(ByteWidths(font), fontSize);
}

} // namespace

HaruTextMeasure::HaruTextMeasure(HPDF_Doc document, HPDF_Font font, float fontSize)
    : m_font(font)
    , m_fontSize(fontSize)
    , m_bounds(CharacterBounds::ForFont(document, font))
    , m_widths(WidthsFor(document, font, fontSize))
{
}

float HaruTextMeasure::textWidth(std::string_view text)
{
    return m_widths->textWidth(text);
}

std::size_t HaruTextMeasure::measureText(std::string_view text, float width, bool wordWrap)
{
    text = text.substr(0, LongestText);
    // What the library's measure on a page asks of the page's font, with no extra character or word
    // spacing.
    return m_bounds.floor(text, HPDF_Font_MeasureText(m_font, reinterpret_cast<const HPDF_BYTE*>(text.data()),
                                                      static_cast<HPDF_UINT>(text.size()), width, m_fontSize, 0, 0,
                                                      wordWrap ? HPDF_TRUE : HPDF_FALSE, nullptr));
}

std::size_t HaruTextMeasure::firstCharLength(std::string_view text)
{
    return m_bounds.firstLength(text);
}

OverflowScan HaruTextMeasure::scanOverflow(std::string_view line, float width)
{
    return m_widths->scanOverflow(line, width);
}

} // namespace engine
