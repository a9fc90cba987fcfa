#pragma once

#include <string>

namespace engine {

struct ConversionOptions;

// Longest text read back from the settings file; longer texts are cut.
inline constexpr std::size_t MaxSettingsTextLength = 1023;

// Reads every option key of Settings.ini into the record; a missing file, section or key (or a
// value that is not a number where a number belongs) gives that field's default, so a file written
// before the font-file paths were stored gives them empty. Returns false when the file is there but
// cannot be read: the record then holds the defaults and the caller warns the user (saving would
// not replace such a file either).
bool LoadOptions(const std::string& path, ConversionOptions& options);

// Writes every option key to Settings.ini, numbers as signed decimal text, texts unchanged; other
// sections and keys of the file stay. Returns false when any key could not be written (read-only
// file or folder); the caller tells the user, since the changes are otherwise lost.
bool SaveOptions(const std::string& path, const ConversionOptions& options);

} // namespace engine
