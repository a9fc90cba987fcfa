#pragma once

#include "base/Result.h"

#include <string>
#include <string_view>
#include <vector>

namespace engine {

struct ConversionOptions;

// Settings.ini holds the options in four sections, one key a field ("Paper Option", "Document Display
// Option", "PDF Property Option", "PDF Security Option"); other sections and lines of the file belong
// to others and are kept. Numbers are signed decimal text. Texts are read back as they were saved:
// a text with surrounding blanks or enclosing quotes is saved in double quotes, and reading drops one
// pair of enclosing quotes. A text cannot hold a line break (a line of the file ends there): each CR
// and LF is saved as a blank. Texts are kept as bytes, whatever their encoding, and come back whole
// however long.

// A text of the record as UTF-8: valid UTF-8 as it is, anything else read as Windows-1252 (the code
// page Windows editors save a settings file in). What the document information and the options pane
// show of a stored text.
std::string SettingsTextAsUtf8(std::string_view stored);

// A value of the settings file that could not be used as it stands.
struct SettingsProblem
{
    std::string section;
    std::string key;
    std::string value;       // as the file holds it
    std::string reason;      // "not a whole number", "out of range"
    std::string usedInstead; // the value the record got
};

// The values of a file that was read, listed in the order of the keys; or why the file is there but
// cannot be read (kind Input), the record then holding the defaults.
using SettingsProblems = std::vector<SettingsProblem>;
using SettingsLoad = base::Result<SettingsProblems>;

// Ok once the file holds the options; else why it was not written (kind Output, or Input for a file
// that cannot be read and so is not replaced), for the user: the changes are otherwise lost.
using SettingsSave = base::Result<>;

// Reads the file once and every option of the option table (OptionTable.h) into the record; a
// missing file, section or key gives that field's default (so a file written before the font-file
// paths were stored gives them empty), and so does a number that cannot be read or lies outside the
// option's range or choice list, which is listed among the problems. A file that is there but cannot
// be read gives all the defaults and fails; the caller warns the user (saving would not replace such
// a file either).
SettingsLoad LoadOptions(const std::string& path, ConversionOptions& options);

// Writes the option keys into the file in one atomic replace: the file holds either all its old
// values or all the new ones. With asRead (the record as it was read or last saved), only the keys
// whose fields differ from it are written, so that what the user edited in the file meanwhile, and a
// value the record could not take, stay as they are; without, every key. A file whose values already
// match is not written.
SettingsSave SaveOptions(const std::string& path, const ConversionOptions& options,
                         const ConversionOptions* asRead = nullptr);

} // namespace engine
