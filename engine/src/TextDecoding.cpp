#include "engine/TextDecoding.h"

#include "platform/TextFile.h"

#include "FontCharset.h"
#include "FontSelection.h"
#include "InputDecoder.h"

namespace engine {
namespace {

// The text of a file, or of its front, decoded as the converter decodes it for these options.
InputText Decode(platform::TextReadResult read, const ConversionOptions& options)
{
    InputText result;
    if (!read.ok) {
        result.error = std::move(read.error);
        return result;
    }
    result.encoding = PageFontEncoding(options);
    if (result.encoding.empty()) {
        result.encoding = DefaultFontEncoding;
    }
    auto decoded = DecodeInputBytes(std::move(read.text), result.encoding, read.fileSize);
    result.text = std::move(decoded.text);
    result.unicodeText = FontCharset::For(result.encoding)->toUnicode(result.text);
    result.warnings = std::move(decoded.warnings);
    result.cut = decoded.cutShort;
    result.ok = true;
    return result;
}

} // namespace

InputText ReadInputText(const std::string& path, const ConversionOptions& options)
{
    return Decode(platform::ReadWholeFile(path), options);
}

InputText ReadInputTextPrefix(const std::string& path, const ConversionOptions& options, std::size_t maxBytes)
{
    auto read = platform::ReadFilePrefix(path, maxBytes + PrefixLookahead);
    read.text.resize(PrefixEnd(read.text, maxBytes));
    return Decode(std::move(read), options);
}

} // namespace engine
