#include "platform/IniProfile.h"

#include "platform/AtomicFile.h"
#include "platform/TextFile.h"
#include "platform/WholeNumber.h"

#include <algorithm>
#include <iconv.h>
#include <cctype>
#include <cerrno>
#include <sys/stat.h>

namespace platform {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeMark = "\xFF\xFE";
constexpr std::string_view Utf16BeMark = "\xFE\xFF";

// The whole text recoded by iconv, or nothing when a byte sequence is not valid in the source.
std::optional<std::string> Recode(std::string_view text, const char* from, const char* to)
{
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string out(text.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* outPlace = out.data();
    std::size_t outLeft = out.size();
    std::size_t result = iconv(converter, &in, &inLeft, &outPlace, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

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

// Decoded text that is a profile: a section line, and no control character but tabs and line ends
// (bytes that only happen to decode as UTF-16 give neither).
bool LooksLikeProfile(std::string_view text)
{
    const bool controls = std::any_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n';
    });
    return !controls && text.find('[') != std::string_view::npos;
}

} // namespace

IniProfile::IniProfile(std::string path)
    : m_path(std::move(path))
{
}

base::Result<IniProfile> IniProfile::Read(std::string path)
{
    IniProfile profile(std::move(path));
    struct stat info {};
    if (::stat(profile.m_path.c_str(), &info) != 0 && errno == ENOENT) {
        return profile; // a missing file is an empty profile
    }
    auto content = ReadWholeFile(profile.m_path);
    if (!content) {
        return base::Failure { base::FailureKind::Input, "cannot read " + profile.m_path + ": " + content.error() };
    }
    std::string_view bytes = content->text;
    for (auto [mark, charset] : { std::pair { Utf16LeMark, "UTF-16LE" }, std::pair { Utf16BeMark, "UTF-16BE" } }) {
        if (bytes.substr(0, mark.size()) != mark) {
            continue;
        }
        // A byte order mark followed by what is not a UTF-16 profile leaves the bytes as they are.
        if (auto text = Recode(bytes.substr(mark.size()), charset, "UTF-8"); text && LooksLikeProfile(*text)) {
            profile.m_utf16 = charset;
            profile.parse(*text);
            return profile;
        }
    }
    profile.parse(bytes);
    return profile;
}

void IniProfile::parse(std::string_view content)
{
    std::string_view rest = content;
    if (rest.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        m_byteOrderMark = true;
        rest.remove_prefix(ByteOrderMark.size());
    }
    // A file whose first line ends in CR LF keeps that line end on every line.
    const auto firstEnd = rest.find('\n');
    m_crlf = firstEnd != std::string_view::npos && firstEnd > 0 && rest[firstEnd - 1] == '\r';
    while (!rest.empty()) {
        auto end = rest.find('\n');
        auto line = rest.substr(0, end);
        if (m_crlf && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        m_lines.emplace_back(line);
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

std::vector<std::string> IniProfile::ignoredValues(std::string_view section, std::string_view key) const
{
    std::vector<std::string> ignored;
    auto place = FindKey(m_lines, section, key);
    if (!place.key) {
        return ignored;
    }
    for (std::size_t i = *place.key + 1; i < place.sectionEnd; ++i) {
        if (auto entry = ParseKeyLine(m_lines[i]); entry && SameName(entry->key, key)) {
            ignored.emplace_back(entry->value);
        }
    }
    return ignored;
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

base::Result<> IniProfile::save()
{
    if (!m_changed) {
        return {};
    }
    std::string content = m_byteOrderMark ? std::string(ByteOrderMark) : std::string();
    for (const auto& line : m_lines) {
        content += line;
        content += m_crlf ? "\r\n" : "\n";
    }
    if (m_utf16) {
        auto recoded = Recode(content, "UTF-8", m_utf16);
        if (!recoded) {
            return base::Failure { base::FailureKind::Output,
                                   "cannot write " + m_path + ": a text cannot be written in " + m_utf16 };
        }
        content = std::string(m_utf16 == std::string_view("UTF-16LE") ? Utf16LeMark : Utf16BeMark) + *recoded;
    }
    AtomicFile file(m_path);
    auto saved = file.open();
    if (saved) {
        saved = file.write(content);
    }
    if (saved) {
        saved = file.commit();
    }
    m_changed = m_changed && !saved;
    return saved;
}

base::Result<int> ParseProfileNumber(std::string_view text)
{
    return ParseWholeNumber(Trim(text));
}

} // namespace platform
