#include "engine/TextDecoding.h"

#include "platform/TextFile.h"

#include "pdf/FontSelection.h"
#include "pdf/InstalledFonts.h"
#include "text/FallbackChooser.h"
#include "text/FallbackEscape.h"
#include "text/FontCharset.h"
#include "text/InputDecoder.h"

#include <algorithm>

namespace engine {
namespace {

// The fallback fonts as a preview foresees them, without a document: a character the encoding lacks
// is drawn when an installed font has it.
class InstalledCoverage : public FallbackChooser
{
public:
    bool checksPageGlyphs() const override { return false; }
    bool pageFontHas(char32_t) override { return true; }
    std::optional<unsigned> fontFor(char32_t character) override
    {
        if (character > 0xFFFF) {
            return std::nullopt; // as the converter's fallback fonts
        }
        for (const auto& face : InstalledFonts::For(true).faces()) {
            if (InstalledFonts::Has(face, character)) {
                return 0;
            }
        }
        return std::nullopt;
    }
};

// The characters of a text in the font's encoding, with characters escaped for fallback fonts.
std::string ToUnicode(std::string_view text, FontCharset& charset)
{
    std::string unicode;
    while (!text.empty()) {
        const std::string_view run = text.substr(0, text.find(FallbackEscape));
        unicode += charset.toUnicode(run);
        text.remove_prefix(run.size());
        if (!text.empty()) {
            const FallbackCharacter c = ReadFallbackCharacter(text);
            unicode += c.utf8;
            text.remove_prefix(std::max<std::size_t>(c.length, 1));
        }
    }
    return unicode;
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
    InstalledCoverage coverage;
    auto decoded = DecodeInputBytes(std::move(read->text), result.encoding, options.InputEncoding, read->fileSize,
                                    options.FallbackFonts == Yes ? &coverage : nullptr);
    if (decoded.notText) {
        return base::Failure { base::FailureKind::Input, std::string(NotTextError) };
    }
    result.text = std::move(decoded.text);
    result.unicodeText = ToUnicode(result.text, *FontCharset::For(result.encoding));
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
