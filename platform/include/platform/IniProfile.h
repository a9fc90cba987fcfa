#pragma once

#include <string>

namespace platform {

// Private-profile access to an INI file, one key per call, as the settings file needs it.
//
// Section and key names match regardless of letter case. A missing or unreadable file, section or
// key gives the default. Values are read with surrounding blanks removed, and one pair of enclosing
// double or single quotes is dropped from texts.
//
// A write replaces the value of an existing key in place, or appends the key at the end of its
// section, or appends the section at the end of the file; every other line, comments included,
// stays as it was. The new file is written beside the old one and renamed over it, so a crash never
// leaves a half-written file.

// Reads a whole number: an optional sign and decimal digits, surrounding blanks allowed. A value
// that is not such a number (letters, nothing, out of range) gives the default.
int GetProfileInt(const std::string& path, const std::string& section, const std::string& key, int defaultValue);

// Reads a text, cut to at most maxLength bytes.
std::string GetProfileString(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& defaultValue, std::size_t maxLength);

// False when the file is there but cannot be read (a folder, no permission): every read then gives
// its default. A missing file is readable: it holds no keys.
bool ProfileFileReadable(const std::string& path);

// Writes a text; returns false (and leaves the file unchanged) when the file cannot be written.
bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value);

} // namespace platform
