#include "CliFlags.h"

#include "engine/ChoiceLists.h"
#include "engine/TabExpansion.h"

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

std::vector<CliFlag> MakeFlags()
{
    using O = ConversionOptions;
    const std::string fontSize = "font size in points (0 means " + std::to_string(engine::DefaultFontSize) + ")";
    const std::string tabWidth = "columns between tab stops, 0 to " + std::to_string(engine::MaxTabWidth)
        + " (default " + std::to_string(engine::DefaultTabWidth) + "); 0 keeps tabs as they are";
    auto side = [](const std::string& which) {
        return "custom page " + which + " in points (chooses \"Custom Page Size\")";
    };
    return {
        { "--settings", "", "FILE", "read the options from FILE instead of Settings.ini",
          SetArgument(&CliArguments::settingsPath) },
        { "--page-size", "", "SIZE", "A4, Letter, Legal, \"B5 [(JIS) 182 x 257 mm]\", 0..37, \"Custom Page Size\"",
          SetPageSize() },
        { "--page-width", "", "N", side("width"), SetPageSide(&O::PageWidth) },
        { "--page-height", "", "N", side("height"), SetPageSide(&O::PageHeight) },
        { "--margins", "", "N", "all four margins in points", SetMargins() },
        { "--left-margin", "", "N", "", SetNumber(&O::LeftMargin) },
        { "--right-margin", "", "N", "", SetNumber(&O::RightMargin) },
        { "--top-margin", "", "N", "", SetNumber(&O::TopMargin) },
        { "--bottom-margin", "", "N", "one margin in points", SetNumber(&O::BottomMargin) },
        { "--font-kind", "", "KIND", "\"Base14 Font\", \"Type1 Font\", \"TrueType Font\" or \"CID Font\"",
          SetChoice(&O::PageFont, engine::PageFontChoices) },
        { "--font", "", "NAME",
          "a standard font (Courier, Helvetica-Bold, Times-Roman, ...) or a CID\n"
          "font (SimSun, SimHei, MingLiU, MS-Gothic, Batang, ...); sets the kind",
          SetFont() },
        { "--type1", "", "AFM DATA", "a Type 1 font from its metrics (.afm) and data (.pfa/.pfb) files",
          SetType1Font() },
        { "--truetype", "", "FILE", "a TrueType font (.ttf) or the first font of a collection (.ttc)",
          SetTrueTypeFont() },
        { "--embed-font", "", "yes|no", "embed the TrueType font file in the PDF",
          SetChoice(&O::EmbeddingFont, engine::YesNoChoices) },
        { "--encoding", "", "NAME",
          "single-byte encoding (StandardEncoding, WinAnsiEncoding, CP1251, ...),\n"
          "or UTF-8 for any Unicode text with a TrueType font (always embedded)",
          SetChoice(&O::SingeEncode, engine::SingleByteEncodingChoices) },
        { "--cmap", "", "NAME", "multi-byte encoding of CID fonts (GB-EUC-H, 90ms-RKSJ-H, KSC-EUC-H, ...)",
          SetChoice(&O::MultiEncode, engine::MultiByteEncodingChoices) },
        { "--font-size", "", "N", fontSize, SetNumber(&O::FontSize) },
        { "--tab-width", "", "N", tabWidth, SetNumberWithin(&O::TabWidth, 0, engine::MaxTabWidth) },
        { "--open-mode", "", "MODE", "None, Bookmarks, Thumbnails or \"Full screen\"",
          SetChoice(&O::OpenMode, engine::OpenModeChoices) },
        { "--author", "", "T", "", SetText(&O::Author) },
        { "--creator", "", "T", "", SetText(&O::Creator) },
        { "--title", "", "T", "", SetText(&O::Title) },
        { "--subject", "", "T", "", SetText(&O::Subject) },
        { "--keywords", "", "T", "document information", SetText(&O::Keywords) },
        { "--owner-password", "", "P",
          "encrypt every PDF with this owner password; other users of this\n"
          "machine can read it in the process list: prefer the file below",
          SetArgument(&CliArguments::ownerPassword) },
        { "--owner-password-file", "", "FILE", "the owner password is the first line of FILE (\"-\": standard input)",
          SetArgument(&CliArguments::ownerPasswordFile) },
        { "--user-password", "", "P",
          "password needed to open the PDFs (needs an owner password); visible\n"
          "to other users like --owner-password",
          SetArgument(&CliArguments::userPassword) },
        { "--user-password-file", "", "FILE", "the user password is the first line of FILE (\"-\": standard input)",
          SetArgument(&CliArguments::userPasswordFile) },
        { "--permit-read", "", "yes|no", "", SetChoice(&O::PermitRead, engine::YesNoChoices) },
        { "--permit-print", "", "yes|no", "", SetChoice(&O::PermitPrint, engine::YesNoChoices) },
        { "--permit-copy", "", "yes|no", "", SetChoice(&O::PermitCopy, engine::YesNoChoices) },
        { "--permit-modify", "", "yes|no", "permissions; withholding one needs an owner password",
          SetChoice(&O::PermitModify, engine::YesNoChoices) },
        { "--encrypt-level", "", "BITS", "key length: 40 or less gives 40 bits, up to 128 bits",
          SetNumber(&O::EncryptLevel) },
        { "--jobs", "-j", "N",
          "convert N files at once, each on a processor core of its own\n"
          "(default: one per core); results are printed as files finish",
          SetJobs() },
        { "--quiet", "-q", "", "print nothing but failures and warnings", Switch(&CliArguments::quiet) },
        { "--help", "-h", "", "show this text", Switch(&CliArguments::help) },
    };
}

// The column at which the help of a flag starts.
constexpr std::size_t HelpColumn = 28;

// The names of a flag as --help shows them: "-j, --jobs N".
std::string Synopsis(const CliFlag& flag)
{
    std::string text = flag.shortName.empty() ? std::string() : std::string(flag.shortName) + ", ";
    text += flag.name;
    if (!flag.values.empty()) {
        text += " " + std::string(flag.values);
    }
    return text;
}

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
only when the new one is complete). A FILE that is a folder stands for every *.txt file in it and
its sub-folders, depth first in name order.

A FILE in UTF-8, or in UTF-16 (with a byte order mark, or Latin text without one), is converted into
the font's encoding, and a character that encoding lacks is drawn as "?" with a warning. Any other
FILE is taken to be in the font's encoding already. A NUL or Ctrl+Z character ends the text, with a
warning that says where. Tabs become blanks up to the next tab stop (see --tab-width).

The options start from the desktop program's Settings.ini; the flags below change them for this run
only. Choices take the list text (any letter case), its short name, or its index.

)";
    std::string synopses;
    for (const auto& flag : CliFlags()) {
        synopses += (synopses.empty() ? "" : ", ") + Synopsis(flag);
        if (!flag.help.empty()) {
            text += HelpEntry(synopses, flag.help);
            synopses.clear();
        }
    }
    text += R"(
Progress goes to standard error: a bar on a terminal, plain lines otherwise.

Exit codes:
  0  every file was converted
  1  at least one file failed (each failure is printed with the file and the reason)
  2  the command line could not be understood
)";
    return text;
}

} // namespace cli
