#include "platform/IniProfile.h"

#include "platform/AtomicFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace platform {
namespace {

std::string_view Trim(std::string_view text)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The file as lines without their '\n'; nothing when it exists but cannot be read.
std::optional<std::vector<std::string>> ReadLines(const std::string& path, bool& exists)
{
    std::ifstream in(path, std::ios::binary);
    exists = in.is_open();
    std::vector<std::string> lines;
    if (!exists) {
        std::error_code ignored;
        // A file that is there but cannot be opened must not be overwritten by a write.
        exists = std::filesystem::exists(path, ignored);
        if (exists) {
            return std::nullopt;
        }
        return lines;
    }
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return lines;
}

std::optional<std::string_view> SectionName(std::string_view line)
{
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') {
        return std::nullopt;
    }
    auto close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(line.substr(1, close - 1));
}

struct KeyLine
{
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line)
{
    auto trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') {
        return std::nullopt;
    }
    auto eq = line.find('=');
    if (eq == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyLine { Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)) };
}

// Where a key lies in the lines: the section's line, the key's line, and the line after the
// section's last key line (where a new key goes).
struct KeyPlace
{
    std::optional<std::size_t> section;
    std::optional<std::size_t> key;
    std::size_t sectionEnd = 0;
};

KeyPlace FindKey(const std::vector<std::string>& lines, std::string_view section, std::string_view key)
{
    KeyPlace place;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto name = SectionName(lines[i])) {
            if (inSection) {
                return place; // the first section of that name is the one used
            }
            inSection = SameName(*name, section);
            if (inSection) {
                place.section = i;
                place.sectionEnd = i + 1;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (auto entry = ParseKeyLine(lines[i])) {
            place.sectionEnd = i + 1;
            if (!place.key && SameName(entry->key, key)) {
                place.key = i;
            }
        }
    }
    return place;
}

std::optional<std::string> ReadValue(const std::string& path, const std::string& section, const std::string& key)
{
    bool exists = false;
    auto lines = ReadLines(path, exists);
    if (!lines) {
        return std::nullopt;
    }
    auto place = FindKey(*lines, section, key);
    if (!place.key) {
        return std::nullopt;
    }
    return std::string(ParseKeyLine((*lines)[*place.key])->value);
}

} // namespace

int GetProfileInt(const std::string& path, const std::string& section, const std::string& key, int defaultValue)
{
    auto value = ReadValue(path, section, key);
    if (!value) {
        return defaultValue;
    }
    std::string_view text = *value;
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, 10);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return defaultValue;
    }
    return number;
}

std::string GetProfileString(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& defaultValue, std::size_t maxLength)
{
    auto value = ReadValue(path, section, key);
    std::string text = value ? *value : defaultValue;
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) {
        text = text.substr(1, text.size() - 2);
    }
    if (text.size() > maxLength) {
        text.resize(maxLength);
    }
    return text;
}

bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value)
{
    bool exists = false;
    auto lines = ReadLines(path, exists);
    if (!lines) {
        return false;
    }
    // A line break inside the value would start a line of its own in the file.
    std::string safeValue = value;
    std::replace_if(safeValue.begin(), safeValue.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    std::string keyLine = key + "=" + safeValue;

    auto place = FindKey(*lines, section, key);
    if (place.key) {
        // The key keeps the spelling it has in the file.
        auto& line = (*lines)[*place.key];
        line = std::string(ParseKeyLine(line)->key) + "=" + safeValue;
    } else if (place.section) {
        lines->insert(lines->begin() + static_cast<std::ptrdiff_t>(place.sectionEnd), keyLine);
    } else {
        lines->push_back("[" + section + "]");
        lines->push_back(keyLine);
    }
    std::string content;
    for (const auto& line : *lines) {
        content += line;
        content += '\n';
    }
    AtomicFile file(path);
    return file.open() && file.write(content) && file.commit();
}

} // namespace platform
