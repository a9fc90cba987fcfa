#include "engine/TextDecoding.h"

#include "platform/TextFile.h"

#include "pdf/FontSelection.h"
#include "text/FontCharset.h"
#include "text/InputDecoder.h"

namespace engine {
namespace {

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
    auto decoded = DecodeInputBytes(std::move(read->text), result.encoding, options.InputEncoding, read->fileSize);
    if (decoded.notText) {
        return base::Failure { base::FailureKind::Input, std::string(NotTextError) };
    }
    result.text = std::move(decoded.text);
    result.unicodeText = FontCharset::For(result.encoding)->toUnicode(result.text);
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
