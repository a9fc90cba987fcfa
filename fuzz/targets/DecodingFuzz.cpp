// Arbitrary file bytes decoded for every font encoding: the text the layout gets holds no byte that
// would end it early (NUL, 0x1A), plain ASCII passes as the text-mode rules leave it, and what the
// PDF shows reads back as valid UTF-8.
#include "FontCharset.h"
#include "InputDecoder.h"
#include "Utf8.h"

#include "engine/ChoiceLists.h"
#include "platform/TextFile.h"

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
    bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii && encoding != engine::Utf8EncodingName && decoded.text != platform::TextModeFromBytes(bytes)) {
        Fail("plain ASCII did not pass unchanged", encoding);
    }
    if (!engine::IsValidUtf8(engine::FontCharset::For(encoding)->toUnicode(decoded.text))) {
        Fail("the shown characters are not valid UTF-8", encoding);
    }
    return 0;
}
