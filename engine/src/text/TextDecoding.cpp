#include "engine/TextDecoding.h"
#include "engine/Utf8.h"

#include "platform/TextFile.h"

#include "pdf/FontSelection.h"
#include "pdf/InstalledFonts.h"
#include "text/FallbackChooser.h"
#include "text/FallbackEscape.h"
#include "text/FontCharset.h"
#include "text/InputDecoder.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace engine {
namespace {

// The fallback fonts as a preview foresees them, without a document: a character the encoding lacks
// is drawn when an installed font has it (when fallback fonts are on). A character no font draws is
// kept, marked, for the preview to show.
class InstalledCoverage : public FallbackChooser
{
public:
    explicit InstalledCoverage(bool fallbackFonts)
        : m_fallbackFonts(fallbackFonts)
    {
    }
    bool checksPageGlyphs() const override { return false; }
    bool pageFontHas(char32_t) override { return true; }
    bool keepsUndrawn() const override { return true; }
    std::optional<unsigned> fontFor(char32_t character) override
    {
        if (!m_fallbackFonts || character > 0xFFFF) {
            return std::nullopt; // as the converter's fallback fonts
        }
        if (m_covered.empty()) {
            m_covered.assign(0x10000, Unknown);
        }
        auto& covered = m_covered[character];
        if (covered == Unknown) {
            const auto faces = InstalledFonts::For(true).faces();
            covered = std::any_of(faces.begin(), faces.end(),
                                  [character](const auto& face) { return InstalledFonts::Has(face, character); });
        }
        return covered ? std::optional<unsigned>(0) : std::nullopt;
    }

private:
    static constexpr std::int8_t Unknown = -1;
    bool m_fallbackFonts;
    std::vector<std::int8_t> m_covered; // by character: whether an installed font has it, or Unknown
};

// Walks a text in the font's encoding: each run of the encoding's bytes, and each escaped character
// with its bytes in the text.
template <typename Run, typename Escaped>
void WalkEscapes(std::string_view text, Run&& run, Escaped&& escaped)
{
    while (!text.empty()) {
        const std::string_view bytes = text.substr(0, text.find(FallbackEscape));
        run(bytes);
        text.remove_prefix(bytes.size());
        if (!text.empty()) {
            const FallbackCharacter c = ReadFallbackCharacter(text);
            const std::size_t length = std::max<std::size_t>(c.length, 1);
            escaped(c, text.substr(0, length));
            text.remove_prefix(length);
        }
    }
}

// The characters of a text in the font's encoding, with characters escaped for fallback fonts; those
// marked as drawn by no font are added to undrawn, once each.
std::string ToUnicode(std::string_view text, FontCharset& charset, std::vector<char32_t>& undrawn)
{
    std::string unicode;
    WalkEscapes(
        text, [&](std::string_view run) { unicode += charset.toUnicode(run); },
        [&](const FallbackCharacter& c, std::string_view) {
            unicode += c.utf8;
            if (c.font == UndrawnMark && !c.utf8.empty()) {
                const char32_t character = ReadUtf8Char(c.utf8, 0).value;
                if (std::find(undrawn.begin(), undrawn.end(), character) == undrawn.end()) {
                    undrawn.push_back(character);
                }
            }
        });
    return unicode;
}

// The text as the PDF has it: "?" for each character marked as drawn by no font.
std::string WithQuestionMarks(std::string_view text)
{
    std::string drawn;
    drawn.reserve(text.size());
    WalkEscapes(
        text, [&](std::string_view run) { drawn += run; },
        [&](const FallbackCharacter& c, std::string_view escaped) {
            if (c.font == UndrawnMark) {
                drawn += '?';
            } else {
                drawn += escaped;
            }
        });
    return drawn;
}

// The text of a file, or of its front, decoded as the converter decodes it for these options.
base::Result<InputText> Decode(base::Result<platform::FileText> read, const ConversionOptions& options)
{
    if (!read) {
        return read.failure();
    }
    InputText result;
    result.encoding = PageFontEncoding(options);
    if (result.encoding.empty()) {
        result.encoding = DefaultFontEncoding;
    }
    InstalledCoverage coverage(options.FallbackFonts == Yes);
    auto decoded
        = DecodeInputBytes(std::move(read->text), result.encoding, options.InputEncoding, read->fileSize, &coverage);
    if (decoded.notText) {
        return base::Failure { base::FailureKind::Input, std::string(NotTextError) };
    }
    result.text = std::move(decoded.text);
    result.unicodeText = ToUnicode(result.text, *FontCharset::For(result.encoding), result.undrawn);
    if (!result.undrawn.empty()) {
        result.text = WithQuestionMarks(result.text);
    }
    result.warnings = std::move(decoded.warnings);
    result.cut = decoded.cutShort;
    return result;
}

} // namespace

base::Result<InputText> ReadInputText(const std::string& path, const ConversionOptions& options)
{
    return Decode(platform::ReadWholeFile(path), options);
}

base::Result<InputText> ReadInputTextPrefix(const std::string& path, const ConversionOptions& options,
                                            std::size_t maxBytes)
{
    auto read = platform::ReadFilePrefix(path, maxBytes + PrefixLookahead);
    if (read) {
        read->text.resize(PrefixEnd(read->text, maxBytes, options.InputEncoding));
    }
    return Decode(std::move(read), options);
}

} // namespace engine
