#pragma once

#include "CliArguments.h"
#include "OptionSetters.h"

#include "base/Result.h"
#include "engine/ConversionOptions.h"

#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cli {

// Sets a part of the command line that is not a conversion option from the values of a flag.
using ArgumentSetter = std::function<base::Result<>(CliArguments&, const FlagValues&)>;

// A flag of marlowen-cli: its names, the values it takes, its lines of --help, and what it sets.
struct CliFlag
{
    std::string_view name;      // "--jobs"
    std::string_view shortName; // "-j", or empty
    std::string_view values;    // the values it takes, named for --help ("N", "AFM DATA"), or empty
    // Its help; "\n" starts another line. Empty: the flag is listed beside the next one and shares
    // its help ("--left-margin N, --right-margin N, ...").
    std::string help;
    // What the flag sets: the run's own arguments at once, or a conversion option, which is set after
    // the settings file is read (CliArguments::overrides).
    std::variant<ArgumentSetter, OptionSetter> sets;

    // How many values follow the flag.
    std::size_t arity() const;
};

// Every flag, in the order --help lists them.
const std::vector<CliFlag>& CliFlags();

// The flag with this long or short name, or null.
const CliFlag* FindFlag(std::string_view name);

// Sets a conversion option from a flag that CliArguments::overrides kept; fails (kind Options)
// when a value is not understood.
base::Result<> ApplyOverride(engine::ConversionOptions& options, const std::string& flag, const FlagValues& values);

// The names of a flag as --help shows them: "-j, --jobs N".
std::string Synopsis(const CliFlag& flag);

// Flags listed together because they share one help, in the order of CliFlags().
struct FlagGroup
{
    std::vector<const CliFlag*> flags;
    std::string help;
};
std::vector<FlagGroup> FlagGroups();

// The text of --help, its list of flags built from CliFlags().
std::string UsageText();

} // namespace cli
