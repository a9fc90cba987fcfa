#include "convert/DocumentInfo.h"

#include "engine/SettingsFile.h"
#include "engine/Utf8.h"

#include <cstdio>
#include <utility>

namespace engine {
namespace {

constexpr const char* Producer = "Marlowen 2.0";

} // namespace

std::string InfoTextAsUtf8(std::string_view stored, std::size_t& beyond)
{
    const std::string decoded = SettingsTextAsUtf8(stored);
    stored = decoded;
    std::string text;
    text.reserve(stored.size());
    for (std::size_t at = 0; at < stored.size();) {
        Utf8Char c = ReadUtf8Char(stored, at);
        at += c.length;
        if (c.value > 0xFFFF) {
            ++beyond;
            c.value = ReplacementCharacter;
        }
        AppendUtf8(text, c.value);
    }
    return text;
}

std::optional<std::string> ApplyDocumentInfo(HaruDocument& document, const ConversionOptions& options)
{
    const std::pair<HPDF_InfoType, const std::string*> entries[] = {
        { HPDF_INFO_AUTHOR, &options.Author },   { HPDF_INFO_CREATOR, &options.Creator },
        { HPDF_INFO_TITLE, &options.Title },     { HPDF_INFO_SUBJECT, &options.Subject },
        { HPDF_INFO_KEYWORDS, &options.Keywords },
    };
    bool unicode = false;
    for (const auto& [type, text] : entries) {
        unicode = unicode || HasNonAscii(*text);
    }
    // With the library's UTF-8 encoder current, it stores the strings it is given as UTF-16BE with a
    // byte order mark; without it, bytes are stored as they are and readers take them for
    // PDFDocEncoding, which garbles everything outside ASCII.
    if (unicode) {
        document.useUtfEncodings();
        HPDF_SetCurrentEncoder(document.get(), "UTF-8");
    }
    std::size_t beyond = 0;
    for (const auto& [type, text] : entries) {
        if (!text->empty()) {
            HPDF_SetInfoAttr(document.get(), type, InfoTextAsUtf8(*text, beyond).c_str());
        }
    }
    HPDF_SetInfoAttr(document.get(), HPDF_INFO_PRODUCER, Producer);
    if (beyond == 0) {
        return std::nullopt;
    }
    return std::to_string(beyond) + (beyond == 1 ? " character" : " characters")
        + " of the document information lie above U+FFFF, which the PDF library cannot store there, and "
          "are shown as U+FFFD";
}

} // namespace engine
