#pragma once

#include "base/Result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// An INI file as private-profile functions see it, read once into memory, changed key by key and
// written back in one atomic replace.
//
// Section and key names match regardless of letter case; the first section of a name is the one
// used, and in it the first line of a key. A UTF-8 byte-order mark at the start of the file is
// skipped (and kept on writing); a file that starts with a UTF-16 byte-order mark is read as UTF-16
// and written back so. A file whose first line ends in CR LF is written with CR LF line ends. Values are read with surrounding blanks removed.
//
// Setting a key replaces its value in place (the key keeps the spelling it has in the file), or adds
// the key after the last key line of its section, or adds the section at the end; every other line,
// comments included, stays as it was.
class IniProfile
{
public:
    // Reads the file. A missing file is an empty profile; a file that is there but cannot be read (a
    // folder, a pipe, no permission) fails with the kind Input, so it is never replaced.
    static base::Result<IniProfile> Read(std::string path);

    // A key's value as the file holds it, without surrounding blanks; nothing for a missing key.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The values of the key's later lines in its section, which reading ignores.
    std::vector<std::string> ignoredValues(std::string_view section, std::string_view key) const;
    // A key's value as a text: one pair of enclosing double or single quotes is dropped, and a text
    // longer than maxLength bytes is cut there, or before, at the start of a UTF-8 character.
    std::optional<std::string> text(std::string_view section, std::string_view key, std::size_t maxLength) const;

    // Stores a text so that text() reads it back unchanged: quoted when its blanks or quotes would
    // otherwise be lost. A line cannot hold a line break, so each CR and LF is stored as a blank.
    void setText(std::string_view section, std::string_view key, const std::string& text);

    // Writes the profile to its file when anything changed, through a temporary file renamed over the
    // old one (a symbolic link stays and its target is replaced). When the file cannot be written
    // (kind Output), it is as it was.
    base::Result<> save();

private:
    explicit IniProfile(std::string path);
    void parse(std::string_view content);

    std::string m_path;
    bool m_byteOrderMark = false;
    bool m_crlf = false;
    const char* m_utf16 = nullptr; // "UTF-16LE" or "UTF-16BE" for a file in UTF-16, kept so on writing
    bool m_changed = false;
    std::vector<std::string> m_lines;
};

// A whole number as profile reads take it: ParseWholeNumber (WholeNumber.h) with surrounding blanks
// allowed.
base::Result<int> ParseProfileNumber(std::string_view text);

} // namespace platform
