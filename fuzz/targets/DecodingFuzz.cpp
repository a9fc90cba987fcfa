// Arbitrary file bytes decoded for every font encoding: the text the layout gets holds no byte that
// would end it early (NUL, 0x1A), plain ASCII without NULs passes as the text-mode rules leave it and
// so does the same text in UTF-16 without a byte order mark, and what the PDF shows reads back as
// valid UTF-8.
#include "engine/ChoiceLists.h"
#include "engine/Utf8.h"
#include "platform/TextFile.h"

#include "text/FontCharset.h"
#include "text/InputDecoder.h"
#include "text/Overstrike.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

std::string_view EncodingFrom(FuzzedDataProvider& input)
{
    const std::size_t singleByte = engine::SingleByteEncodingChoices.size();
    const std::size_t multiByte = engine::MultiByteEncodingChoices.size();
    auto index = input.ConsumeIntegralInRange<std::size_t>(0, singleByte + multiByte - 1);
    return index < singleByte ? engine::SingleByteEncodingChoices[index]
                              : engine::MultiByteEncodingChoices[index - singleByte];
}

std::string Utf16WithoutMark(const std::string& ascii, bool bigEndian)
{
    std::string units;
    for (char c : ascii) {
        units += bigEndian ? std::string { '\0', c } : std::string { c, '\0' };
    }
    return units;
}

[[noreturn]] void Fail(const char* what, std::string_view encoding)
{
    std::fprintf(stderr, "decoding fault: %s (encoding %.*s)\n", what, static_cast<int>(encoding.size()),
                 encoding.data());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string_view encoding = EncodingFrom(input);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    auto decoded = engine::DecodeInputBytes(bytes, encoding);
    if (decoded.text.find_first_of(std::string("\0\x1a", 2)) != std::string::npos) {
        Fail("the decoded text holds a byte that ends a text", encoding);
    }
    // A NUL byte may be half of a UTF-16 character: only text without one is certainly plain ASCII.
    bool ascii = std::all_of(bytes.begin(), bytes.end(),
                             [](char c) { return c != '\0' && static_cast<unsigned char>(c) < 0x80; });
    if (ascii && encoding != engine::Utf8EncodingName) {
        // Only the overstrikes of manual pages keep one of their two characters.
        const std::string expected = engine::RemoveOverstrikes(platform::TextModeFromBytes(bytes), false);
        if (decoded.text != expected) {
            Fail("plain ASCII did not pass unchanged", encoding);
        }
        // UTF-16 is recognised by its characters, which must be those text uses.
        const bool textControlsOnly = std::none_of(bytes.begin(), bytes.end(), [](char c) {
            return (c < 0x20 && (c < 0x08 || c > 0x0F) && c != 0x1A && c != 0x1B) || c == 0x7F;
        });
        for (bool bigEndian : { false, true }) {
            if (!textControlsOnly) {
                break;
            }
            if (engine::DecodeInputBytes(Utf16WithoutMark(bytes, bigEndian), encoding).text != expected) {
                Fail("ASCII in UTF-16 without a byte order mark was not read as that text", encoding);
            }
        }
    }
    if (!engine::IsValidUtf8(engine::FontCharset::For(encoding)->toUnicode(decoded.text))) {
        Fail("the shown characters are not valid UTF-8", encoding);
    }
    return 0;
}
