#pragma once

#include "engine/ConversionOptions.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace engine {

// How an option's value is kept, checked and written.
enum class OptionKind {
    Number, // a whole number within [lowest, highest], written as signed decimal text
    Choice, // the index of an entry of its choice list, written as a number
    Text,   // free text, written as the settings file keeps texts (SettingsFile.h)
    Path,   // a file path, written like a text
};

// What a value outside its range does to a conversion.
enum class OutOfRange {
    Refuses,   // the file fails before any work, naming the option and its range
    FallsBack, // the conversion has a fallback of its own (the default font, no open mode, ...)
};

using IntMember = int ConversionOptions::*;
using TextMember = std::string ConversionOptions::*;

// One option of the record: where the settings file keeps it, the values it takes, and the flag that
// sets it on the command line. The option's default is the value a new record holds.
struct OptionDescription
{
    std::string_view name; // the record's field, "TabWidth"
    std::variant<IntMember, TextMember> member;
    OptionKind kind;
    std::string_view section; // of Settings.ini
    std::string_view key;
    // What the option is, as messages name it: "the tab width 33 is outside 0 to 32 columns".
    std::string_view label;
    // Number: its range and unit ("points", "columns"); Choice: its entries in list order.
    int lowest = 0;
    int highest = 0;
    std::string_view unit = {};
    std::span<const std::string_view> choices = {};
    OutOfRange outOfRange = OutOfRange::Refuses;
    // The command-line flag of its own ("--tab-width") with the name of its value ("N", "yes|no", "T")
    // and its help ("\n" starts another line); an empty flag: set only through another flag, or not
    // from the command line.
    std::string_view flag = {};
    std::string_view flagValue = {};
    std::string_view help = {};

    int ConversionOptions::*intMember() const { return std::get<IntMember>(member); }
    std::string ConversionOptions::*textMember() const { return std::get<TextMember>(member); }
    bool isNumeric() const { return kind == OptionKind::Number || kind == OptionKind::Choice; }
    // The range of a number or the index range of a choice.
    int rangeLowest() const { return kind == OptionKind::Choice ? 0 : lowest; }
    int rangeHighest() const { return kind == OptionKind::Choice ? static_cast<int>(choices.size()) - 1 : highest; }
    bool inRange(int value) const { return value >= rangeLowest() && value <= rangeHighest(); }
    // "0 to 32 columns"; for a choice "0 to 3".
    std::string rangeText() const;
    // The value a new record holds, as the settings file writes it.
    std::string defaultText() const;
};

// Every option of the record, once, in the order the settings file reads and writes them.
std::span<const OptionDescription> OptionTable();

// The description of the field with this name, or null.
const OptionDescription* FindOption(std::string_view name);
// The description of the field, or null.
const OptionDescription* FindOption(IntMember member);

// A value of a record that no conversion can use as it stands.
struct OptionProblem
{
    const OptionDescription* option; // the option judged (for a sum of margins, the first of them)
    std::string message;             // "the tab width 33 is outside 0 to 32 columns"
};

// The message for a number outside the option's range.
std::string OutOfRangeMessage(const OptionDescription& option, int value);

// Every problem of the record: each number or choice outside its range, and margins that leave no
// room for text on the page. The settings file, the command line and the options pane judge values
// by this, and a conversion refuses a record with a problem whose option Refuses.
std::vector<OptionProblem> CheckOptions(const ConversionOptions& options);

// The problems for which a conversion refuses the record, joined by "; "; empty when it converts.
std::string RefusedOptions(const ConversionOptions& options);

} // namespace engine
