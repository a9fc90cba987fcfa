#include "engine/Utf8.h"

#include <algorithm>
#include <cstdio>

namespace engine {
namespace {

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

Utf8Char ReadUtf8Char(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    Utf8Char invalid { lead, 1, false };
    if (lead < 0x80) {
        return { lead, 1, true };
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0; // below this the sequence is overlong
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, smallest = 0x10000;
    } else {
        return invalid;
    }
    if (text.size() - at < length) {
        return invalid;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuation(byte)) {
            return invalid;
        }
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return invalid;
    }
    return { value, length, true };
}

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        Utf8Char c = ReadUtf8Char(text, at);
        if (!c.valid) {
            return false;
        }
        at += c.length;
    }
    return true;
}

bool HasNonAscii(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

void AppendUtf8(std::string& out, char32_t value)
{
    if (value < 0x80) {
        out += static_cast<char>(value);
    } else if (value < 0x800) {
        out += static_cast<char>(0xC0 | (value >> 6));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        out += static_cast<char>(0xE0 | (value >> 12));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (value >> 18));
        out += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    }
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    auto unitAt = [&bytes, bigEndian](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        char32_t unit = unitAt(2 * i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            char32_t low = unitAt(2 * (i + 1));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? ReplacementCharacter : unit);
    }
    if (bytes.size() % 2 != 0) {
        AppendUtf8(out, ReplacementCharacter);
    }
    return out;
}

std::string DescribeCharacter(const Utf8Char& c)
{
    char code[16];
    if (!c.valid) {
        std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(c.value));
        return "the byte " + std::string(code) + " (not UTF-8)";
    }
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c.value));
    std::string text = code;
    if (c.value >= 0xA0) {
        text += " \"";
        AppendUtf8(text, c.value);
        text += '"';
    }
    return text;
}

} // namespace engine
