#include "CliArguments.h"

#include "OptionOverrides.h"

#include "WholeNumber.h"

namespace cli {
namespace {

// The short options that take a value, which may be attached ("-j2") or follow ("-j 2").
bool TakesAttachedValue(const std::string& flag)
{
    return flag == "-j";
}

} // namespace

std::optional<std::string> ParseArguments(const std::vector<std::string>& args, CliArguments& parsed)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string flag = args[i];
        if (optionsEnded || flag.size() < 2 || flag[0] != '-') {
            parsed.inputs.push_back(flag);
            continue;
        }
        if (flag == "--") {
            optionsEnded = true;
            continue;
        }
        std::vector<std::string> values;
        if (auto eq = flag.find('='); flag.rfind("--", 0) == 0 && eq != std::string::npos) {
            values.push_back(flag.substr(eq + 1));
            flag.resize(eq);
        } else if (flag.size() > 2 && flag[1] != '-' && TakesAttachedValue(flag.substr(0, 2))) {
            values.push_back(flag.substr(2)); // -j2
            flag.resize(2);
        }
        auto take = [&](std::size_t count) -> std::optional<std::string> {
            while (values.size() < count) {
                if (i + 1 >= args.size()) {
                    return flag + " needs " + std::to_string(count) + (count == 1 ? " value" : " values");
                }
                values.push_back(args[++i]);
            }
            if (values.size() > count) {
                return flag + " takes " + std::to_string(count) + " values";
            }
            return std::nullopt;
        };

        if (flag == "--help" || flag == "-h") {
            parsed.help = true;
        } else if (flag == "--quiet" || flag == "-q") {
            parsed.quiet = true;
        } else if (flag == "--jobs" || flag == "-j") {
            if (auto problem = take(1)) {
                return problem;
            }
            auto jobs = ParseWholeNumber(values[0]);
            if (!jobs.value) {
                return flag + ": " + jobs.problem;
            }
            if (*jobs.value < 1) {
                return flag + " needs a whole number of at least 1, not '" + values[0] + "'";
            }
            parsed.jobs = *jobs.value;
        } else if (flag == "--settings" || flag == "--owner-password-file" || flag == "--user-password-file") {
            if (auto problem = take(1)) {
                return problem;
            }
            (flag == "--settings"              ? parsed.settingsPath
             : flag == "--owner-password-file" ? parsed.ownerPasswordFile
                                               : parsed.userPasswordFile)
                = values[0];
        } else if (flag == "--owner-password" || flag == "--user-password") {
            if (auto problem = take(1)) {
                return problem;
            }
            (flag == "--owner-password" ? parsed.ownerPassword : parsed.userPassword) = values[0];
        } else if (auto arity = OverrideArity(flag)) {
            if (auto problem = take(static_cast<std::size_t>(*arity))) {
                return problem;
            }
            parsed.overrides.emplace_back(flag, values);
        } else {
            return "unknown option " + flag;
        }
    }
    if (!parsed.help && parsed.inputs.empty()) {
        return "no file given";
    }
    return std::nullopt;
}

std::string UsageText()
{
    return R"(Usage: marlowen-cli [options] FILE...

Converts each text FILE into a PDF beside it (same name, extension .pdf; an older PDF is replaced
only when the new one is complete). A FILE that is a folder stands for every *.txt file in it and
its sub-folders, depth first in name order.

A FILE in UTF-8, or in UTF-16 (with a byte order mark, or Latin text without one), is converted into
the font's encoding, and a character that encoding lacks is drawn as "?" with a warning. Any other
FILE is taken to be in the font's encoding already. A NUL or Ctrl+Z character ends the text, with a
warning that says where. Tabs become blanks up to the next tab stop (see --tab-width).

The options start from the desktop program's Settings.ini; the flags below change them for this run
only. Choices take the list text (any letter case), its short name, or its index.

  --settings FILE           read the options from FILE instead of Settings.ini
  --page-size SIZE          A4, Letter, Legal, "B5 [(JIS) 182 x 257 mm]", 0..37, "Custom Page Size"
  --page-width N            custom page width in points (chooses "Custom Page Size")
  --page-height N           custom page height in points (chooses "Custom Page Size")
  --margins N               all four margins in points
  --left-margin N, --right-margin N, --top-margin N, --bottom-margin N
  --font-kind KIND          "Base14 Font", "Type1 Font", "TrueType Font" or "CID Font"
  --font NAME               a standard font (Courier, Helvetica-Bold, Times-Roman, ...) or a CID
                            font (SimSun, SimHei, MingLiU, MS-Gothic, Batang, ...); sets the kind
  --type1 AFM DATA          a Type 1 font from its metrics (.afm) and data (.pfa/.pfb) files
  --truetype FILE           a TrueType font (.ttf) or the first font of a collection (.ttc)
  --embed-font yes|no       embed the TrueType font file in the PDF
  --encoding NAME           single-byte encoding (StandardEncoding, WinAnsiEncoding, CP1251, ...),
                            or UTF-8 for any Unicode text with a TrueType font (always embedded)
  --cmap NAME               multi-byte encoding of CID fonts (GB-EUC-H, 90ms-RKSJ-H, KSC-EUC-H, ...)
  --font-size N             font size in points (0 means 9)
  --tab-width N             columns between tab stops, 0 to 32 (default 8); 0 keeps tabs as they are
  --open-mode MODE          None, Bookmarks, Thumbnails or "Full screen"
  --author T, --creator T, --title T, --subject T, --keywords T
                            document information
  --owner-password P        encrypt every PDF with this owner password; other users of this
                            machine can read it in the process list: prefer the file below
  --owner-password-file FILE
                            the owner password is the first line of FILE ("-": standard input)
  --user-password P         password needed to open the PDFs (needs an owner password); visible
                            to other users like --owner-password
  --user-password-file FILE the user password is the first line of FILE ("-": standard input)
  --permit-read yes|no, --permit-print yes|no, --permit-copy yes|no, --permit-modify yes|no
                            permissions; withholding one needs an owner password
  --encrypt-level BITS      key length: 40 or less gives 40 bits, up to 128 bits
  -j, --jobs N              convert N files at once, each on a processor core of its own
                            (default: one per core); results are printed as files finish
  -q, --quiet               print nothing but failures and warnings
  -h, --help                show this text

Progress goes to standard error: a bar on a terminal, plain lines otherwise.

Exit codes:
  0  every file was converted
  1  at least one file failed (each failure is printed with the file and the reason)
  2  the command line could not be understood
)";
}

} // namespace cli
