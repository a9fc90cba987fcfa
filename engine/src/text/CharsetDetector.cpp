#include "text/CharsetDetector.h"

#include "text/InputEncoding.h"

#include <uchardet/uchardet.h>

#include <algorithm>
#include <memory>

namespace engine {
namespace {

constexpr std::size_t FewestNonAscii = 8;

struct DetectorDeleter
{
    void operator()(uchardet_t detector) const { uchardet_delete(detector); }
};

} // namespace

std::optional<std::string> DetectCharset(std::string_view bytes)
{
    const auto nonAscii
        = std::count_if(bytes.begin(), bytes.end(), [](char byte) { return static_cast<unsigned char>(byte) >= 0x80; });
    if (static_cast<std::size_t>(nonAscii) < FewestNonAscii) {
        return std::nullopt;
    }
    std::unique_ptr<uchardet, DetectorDeleter> detector(uchardet_new());
    if (!detector || uchardet_handle_data(detector.get(), bytes.data(), bytes.size()) != 0) {
        return std::nullopt;
    }
    uchardet_data_end(detector.get());
    std::string charset = uchardet_get_charset(detector.get());
    if (charset == "ISO-8859-1") {
        charset = "CP1252";
    }
    if (charset.empty() || charset == "ASCII" || charset == "UTF-8" || !ReadsAsciiText(charset)) {
        return std::nullopt;
    }
    return charset;
}

} // namespace engine
