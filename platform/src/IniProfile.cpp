#include "platform/IniProfile.h"

#include "platform/AtomicFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
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

bool HasEnclosingQuotes(std::string_view text)
{
    return text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
}

// The whole content of a file, or why it cannot be read. A missing file has none. Only a regular
// file is opened: a pipe would wait for a writer.
bool ReadContent(const std::string& path, std::string& content, std::string& error)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) {
            return true;
        }
        error = ErrnoText(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? "it is a folder, not a file" : "it is not a regular file";
        return false;
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = ErrnoText(errno);
        return false;
    }
    char buffer[1 << 16];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = ErrnoText(errno);
            ::close(fd);
            return false;
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return true;
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

// The length of a text cut to at most maxLength bytes without splitting a UTF-8 character: a cut
// that falls after a lead byte and inside its continuation bytes moves back to the lead byte.
std::size_t CutLength(std::string_view text, std::size_t maxLength)
{
    if (text.size() <= maxLength) {
        return text.size();
    }
    auto isContinuation = [&text](std::size_t i) { return (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80; };
    std::size_t lead = maxLength;
    while (lead > 0 && maxLength - lead < 4 && isContinuation(lead)) {
        --lead;
    }
    unsigned char byte = static_cast<unsigned char>(text[lead]);
    std::size_t sequence = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return lead < maxLength && lead + sequence > maxLength ? lead : maxLength;
}

// The value that reads back as text (a text without line breaks): quoted when reading would drop
// its surrounding blanks or a pair of enclosing quotes.
std::string QuotedWhereNeeded(const std::string& text)
{
    bool needsQuotes = !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()) || HasEnclosingQuotes(text));
    return needsQuotes ? "\"" + text + "\"" : text;
}

} // namespace

IniProfile::IniProfile(std::string path)
    : m_path(std::move(path))
{
    std::string content;
    m_readable = ReadContent(m_path, content, m_error);
    if (!m_readable) {
        m_error = "cannot read " + m_path + ": " + m_error;
        return;
    }
    std::string_view rest = content;
    if (rest.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        m_byteOrderMark = true;
        rest.remove_prefix(ByteOrderMark.size());
    }
    while (!rest.empty()) {
        auto end = rest.find('\n');
        m_lines.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
}

std::optional<std::string> IniProfile::value(std::string_view section, std::string_view key) const
{
    auto place = FindKey(m_lines, section, key);
    if (!place.key) {
        return std::nullopt;
    }
    return std::string(ParseKeyLine(m_lines[*place.key])->value);
}

std::optional<std::string> IniProfile::text(std::string_view section, std::string_view key,
                                            std::size_t maxLength) const
{
    auto found = value(section, key);
    if (!found) {
        return std::nullopt;
    }
    std::string_view text = *found;
    if (HasEnclosingQuotes(text)) {
        text = text.substr(1, text.size() - 2);
    }
    return std::string(text.substr(0, CutLength(text, maxLength)));
}

void IniProfile::setText(std::string_view section, std::string_view key, const std::string& text)
{
    std::string flat = text;
    std::replace_if(flat.begin(), flat.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    if (this->text(section, key, std::string::npos) == flat) {
        return; // the line stays as the user wrote it
    }
    std::string value = QuotedWhereNeeded(flat);
    auto place = FindKey(m_lines, section, key);
    if (place.key) {
        auto& line = m_lines[*place.key];
        line = std::string(ParseKeyLine(line)->key) + "=" + value;
    } else if (place.section) {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(place.sectionEnd), std::string(key) + "=" + value);
    } else {
        m_lines.push_back("[" + std::string(section) + "]");
        m_lines.push_back(std::string(key) + "=" + value);
    }
    m_changed = true;
}

bool IniProfile::save()
{
    if (!m_readable) {
        return false; // error() already says why; an unreadable file is never replaced
    }
    if (!m_changed) {
        return true;
    }
    std::string content = m_byteOrderMark ? std::string(ByteOrderMark) : std::string();
    for (const auto& line : m_lines) {
        content += line;
        content += '\n';
    }
    AtomicFile file(m_path);
    if (!file.open() || !file.write(content) || !file.commit()) {
        m_error = file.error();
        return false;
    }
    m_changed = false;
    return true;
}

ProfileNumber ParseProfileNumber(std::string_view text)
{
    text = Trim(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    ProfileNumber number;
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (text.empty() || end != text.data() + text.size()) {
        return number;
    }
    if (error == std::errc::result_out_of_range) {
        number.outOfRange = true;
    } else if (error == std::errc()) {
        number.value = value;
    }
    return number;
}

} // namespace platform
