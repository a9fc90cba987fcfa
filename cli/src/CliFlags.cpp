#include "CliFlags.h"

#include "engine/OptionTable.h"

#include "NumberArgument.h"

#include <algorithm>

namespace cli {
namespace {

using engine::ConversionOptions;

ArgumentSetter Switch(bool CliArguments::*field)
{
    return [field](CliArguments& arguments, const FlagValues&) -> base::Result<> {
        arguments.*field = true;
        return {};
    };
}

template <typename Field>
ArgumentSetter SetArgument(Field CliArguments::*field)
{
    return [field](CliArguments& arguments, const FlagValues& values) -> base::Result<> {
        arguments.*field = values[0];
        return {};
    };
}

ArgumentSetter AddPattern()
{
    return [](CliArguments& arguments, const FlagValues& values) -> base::Result<> {
        arguments.patterns.push_back(values[0]);
        return {};
    };
}

ArgumentSetter SetJobs()
{
    return [](CliArguments& arguments, const FlagValues& values) -> base::Result<> {
        auto jobs = ParseNumberArgument(values[0]);
        if (!jobs) {
            return jobs.failure();
        }
        if (*jobs < 1) {
            return base::Failure { base::FailureKind::Options, "'" + values[0] + "' is less than 1" };
        }
        arguments.jobs = *jobs;
        return {};
    };
}

// The help of an option's flag: its own text, with the range and default of a number.
std::string OptionHelp(const engine::OptionDescription& option)
{
    std::string help(option.help);
    if (option.kind == engine::OptionKind::Number && !help.empty()) {
        help += "\n(" + option.rangeText() + ", default " + option.defaultText() + ")";
    }
    return help;
}

// Flags whose setting does more than set their one option.
OptionSetter SpecialSetter(const engine::OptionDescription& option)
{
    if (option.name == "PageWidth" || option.name == "PageHeight") {
        return SetPageSide(option);
    }
    if (option.name == "Type1MetricsFile") {
        return SetType1Font();
    }
    if (option.name == "TrueTypeFile") {
        return SetTrueTypeFont();
    }
    if (option.name == "Orientation") {
        return SetOrientation(engine::Landscape);
    }
    return SetOption(option);
}

// The flags of the command line that set several options, or none, each listed before the flag of
// the option named.
struct ListedBefore
{
    std::string_view option;
    CliFlag flag;
};

std::vector<ListedBefore> OwnFlags()
{
    return {
        { "PageSize",
          { "--settings", "", "FILE", "read the options from FILE instead of Settings.ini",
            SetArgument(&CliArguments::settingsPath) } },
        { "LeftMargin", { "--margins", "", "N", "all four margins in points", SetMargins() } },
        { "EmbeddingFont",
          { "--font", "", "NAME",
            "a standard font (Courier, Helvetica-Bold, Times-Roman, ...) or a CID\n"
            "font (SimSun, SimHei, MingLiU, MS-Gothic, Batang, ...); sets the kind",
            SetFont() } },
        { "Orientation", { "--portrait", "", "", "", SetOrientation(engine::Portrait) } },
        { "PermitRead",
          { "--owner-password", "", "P",
            "encrypt every PDF with this owner password; other users of this\n"
            "machine can read it in the process list: prefer the file below",
            SetArgument(&CliArguments::ownerPassword) } },
        { "PermitRead",
          { "--owner-password-file", "", "FILE",
            "the owner password is the first line of FILE (\"-\": standard input)",
            SetArgument(&CliArguments::ownerPasswordFile) } },
        { "PermitRead",
          { "--user-password", "", "P",
            "password needed to open the PDFs (needs an owner password); visible\n"
            "to other users like --owner-password",
            SetArgument(&CliArguments::userPassword) } },
        { "PermitRead",
          { "--user-password-file", "", "FILE",
            "the user password is the first line of FILE (\"-\": standard input)",
            SetArgument(&CliArguments::userPasswordFile) } },
        { "OutputFolder",
          { "--output", "-o", "FILE",
            "the PDF of the one input file, or with --combine the combined PDF,\n"
            "is FILE (\"-\": standard output)",
            SetArgument(&CliArguments::outputFile) } },
        { "OutputFolder",
          { "--files-from", "", "FILE",
            "convert the files FILE names too, one a line (\"-\": standard input)",
            SetArgument(&CliArguments::filesFrom) } },
        { "OutputFolder",
          { "--null", "-0", "", "the names of --files-from end with NUL, not with a line end",
            Switch(&CliArguments::nullSeparated) } },
        { "OutputFolder",
          { "--pattern", "", "GLOB",
            "the files a folder stands for (default *.txt, letter case ignored);\n"
            "give it again for more",
            AddPattern() } },
        { {},
          { "--jobs", "-j", "N",
            "convert N files at once, each on a processor core of its own\n"
            "(default: one per core); results are printed as files finish",
            SetJobs() } },
        { {}, { "--quiet", "-q", "", "print nothing but failures and warnings", Switch(&CliArguments::quiet) } },
        { {}, { "--help", "-h", "", "show this text", Switch(&CliArguments::help) } },
        { {}, { "--version", "", "", "show the program's name and version", Switch(&CliArguments::version) } },
    };
}

// The flags of the options that have one, in the option table's order, with the command line's own
// flags among them; those listed before no option come last.
std::vector<CliFlag> MakeFlags()
{
    const auto own = OwnFlags();
    std::vector<CliFlag> flags;
    auto addOwnBefore = [&](std::string_view option) {
        for (const auto& listed : own) {
            if (listed.option == option) {
                flags.push_back(listed.flag);
            }
        }
    };
    for (const auto& option : engine::OptionTable()) {
        addOwnBefore(option.name);
        if (!option.flag.empty()) {
            flags.push_back({ option.flag, "", option.flagValue, OptionHelp(option), SpecialSetter(option) });
        }
    }
    addOwnBefore({});
    return flags;
}

// The column at which the help of a flag starts.
constexpr std::size_t HelpColumn = 28;

// The lines of the flags that share one help: their synopses, then the help from HelpColumn on, on
// the same line when the synopses leave room for it.
std::string HelpEntry(const std::string& synopses, std::string_view help)
{
    std::string entry = "  " + synopses;
    bool first = true;
    while (!help.empty()) {
        auto end = std::min(help.find('\n'), help.size());
        if (!first || entry.size() + 1 > HelpColumn) {
            entry += "\n";
            entry.append(HelpColumn, ' ');
        } else {
            entry.append(HelpColumn - entry.size(), ' ');
        }
        entry += help.substr(0, end);
        help.remove_prefix(std::min(end + 1, help.size()));
        first = false;
    }
    return entry + "\n";
}

} // namespace

std::size_t CliFlag::arity() const
{
    return values.empty() ? 0 : static_cast<std::size_t>(std::count(values.begin(), values.end(), ' ')) + 1;
}

const std::vector<CliFlag>& CliFlags()
{
    static const std::vector<CliFlag> Flags = MakeFlags();
    return Flags;
}

const CliFlag* FindFlag(std::string_view name)
{
    const auto& flags = CliFlags();
    auto found = std::find_if(flags.begin(), flags.end(), [name](const CliFlag& flag) {
        return name == flag.name || (!flag.shortName.empty() && name == flag.shortName);
    });
    return found == flags.end() ? nullptr : &*found;
}

std::string Synopsis(const CliFlag& flag)
{
    std::string text = flag.shortName.empty() ? std::string() : std::string(flag.shortName) + ", ";
    text += flag.name;
    if (!flag.values.empty()) {
        text += " " + std::string(flag.values);
    }
    return text;
}

std::vector<FlagGroup> FlagGroups()
{
    std::vector<FlagGroup> groups;
    std::vector<const CliFlag*> waiting;
    for (const auto& flag : CliFlags()) {
        waiting.push_back(&flag);
        if (!flag.help.empty()) {
            groups.push_back({ std::move(waiting), flag.help });
            waiting.clear();
        }
    }
    return groups;
}

base::Result<> ApplyOverride(ConversionOptions& options, const std::string& flag, const FlagValues& values)
{
    const CliFlag* found = FindFlag(flag);
    const auto* setter = found ? std::get_if<OptionSetter>(&found->sets) : nullptr;
    if (!setter) {
        return base::Failure { base::FailureKind::Options, "unknown option " + flag };
    }
    if (auto set = (*setter)(options, values); !set) {
        return base::Failure { base::FailureKind::Options, flag + ": " + set.error() };
    }
    return {};
}

std::string UsageText()
{
    std::string text = R"(Usage: marlowen-cli [options] FILE...

Converts each text FILE into a PDF beside it (same name, extension .pdf; an older PDF is replaced
only when the new one is complete), or below the folder of --output-dir, or all into one PDF with
--combine. A FILE that is a folder stands for every *.txt file in it and its sub-folders, depth
first in name order (see --pattern); a sub-folder that cannot be read is a failure. A FILE "-" is
standard input, named "stdin", and needs -o or --combine.

A FILE in UTF-8, or in UTF-16 (with a byte order mark, or Latin text without one), is converted into
the font's encoding; a character the font cannot draw is drawn by an installed font that has it
(see --fallback-fonts), else as a near equivalent or "?" with a warning. Any other FILE is taken to
be in the font's encoding already. A NUL or Ctrl+Z character ends the text, with a warning that
says where. Tabs become blanks up to the next tab stop (see --tab-width).

The options start from the desktop program's Settings.ini; the flags below change them for this run
only. Choices take the list text (any letter case, hyphens optional), its short name, or its
index.

)";
    for (const auto& group : FlagGroups()) {
        std::string synopses;
        for (const CliFlag* flag : group.flags) {
            synopses += (synopses.empty() ? "" : ", ") + Synopsis(*flag);
        }
        text += HelpEntry(synopses, group.help);
    }
    text += R"(
Progress goes to standard error: a bar on a terminal, plain lines otherwise.

Exit codes:
  0  every file was converted
  1  at least one file failed, or part of a folder could not be walked (each failure is
     printed with the file or folder and the reason)
  2  the command line could not be understood
)";
    return text;
}

} // namespace cli
