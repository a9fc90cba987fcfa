#pragma once

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
// skipped (and kept on writing). Values are read with surrounding blanks removed.
//
// Setting a key replaces its value in place (the key keeps the spelling it has in the file), or adds
// the key after the last key line of its section, or adds the section at the end; every other line,
// comments included, stays as it was.
class IniProfile
{
public:
    // Reads the file. A missing file is an empty profile; a file that is there but cannot be read (a
    // folder, a pipe, no permission) is an empty profile that is not readable() and is never replaced.
    explicit IniProfile(std::string path);

    bool readable() const { return m_readable; }
    // Why the file could not be read or written.
    const std::string& error() const { return m_error; }

    // A key's value as the file holds it, without surrounding blanks; nothing for a missing key.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // A key's value as a text: one pair of enclosing double or single quotes is dropped, and a text
    // longer than maxLength bytes is cut there, or before, at the start of a UTF-8 character.
    std::optional<std::string> text(std::string_view section, std::string_view key, std::size_t maxLength) const;

    // Stores a text so that text() reads it back unchanged: quoted when its blanks or quotes would
    // otherwise be lost. A line cannot hold a line break, so each CR and LF is stored as a blank.
    void setText(std::string_view section, std::string_view key, const std::string& text);

    // Writes the profile to its file when anything changed, through a temporary file renamed over the
    // old one (a symbolic link stays and its target is replaced). False with error() set when the
    // file was not readable or cannot be written; the file is then as it was.
    bool save();

private:
    std::string m_path;
    bool m_readable = true;
    bool m_byteOrderMark = false;
    bool m_changed = false;
    std::vector<std::string> m_lines;
    std::string m_error;
};

// A whole number as profile reads take it: an optional sign and decimal digits, surrounding blanks
// allowed. Nothing when the text is no such number or the number does not fit an int.
struct ProfileNumber
{
    std::optional<int> value;
    bool outOfRange = false; // digits, but too many for an int
};
ProfileNumber ParseProfileNumber(std::string_view text);

} // namespace platform
