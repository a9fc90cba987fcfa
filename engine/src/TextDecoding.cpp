#include "engine/TextDecoding.h"

#include "platform/TextFile.h"

#include "FontCharset.h"
#include "FontSelection.h"
#include "InputDecoder.h"

namespace engine {

InputText ReadInputText(const std::string& path, const ConversionOptions& options)
{
    InputText result;
    auto read = platform::ReadWholeFile(path);
    if (!read.ok) {
        result.error = std::move(read.error);
        return result;
    }
    result.encoding = PageFontEncoding(options);
    if (result.encoding.empty()) {
        result.encoding = DefaultFontEncoding;
    }
    auto decoded = DecodeInputBytes(std::move(read.text), result.encoding);
    result.text = std::move(decoded.text);
    result.unicodeText = FontCharset::For(result.encoding)->toUnicode(result.text);
    result.warnings = std::move(decoded.warnings);
    result.ok = true;
    return result;
}

} // namespace engine
