#include "engine/OptionTable.h"

#include "engine/ChoiceLists.h"
#include "engine/PageSizes.h"

#include "layout/PageFrame.h"
#include "options/HeaderTemplate.h"
#include "text/InputEncoding.h"

#include <hpdf_consts.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace engine {
namespace {

using O = ConversionOptions;
using Kind = OptionKind;

constexpr std::string_view Paper = "Paper Option";
constexpr std::string_view Display = "Document Display Option";
constexpr std::string_view Property = "PDF Property Option";
constexpr std::string_view Security = "PDF Security Option";

// The sizes in points the PDF library takes for a page's sides and for a font.
constexpr int MinPageSide = HPDF_MIN_PAGE_SIZE;
constexpr int MaxPageSide = HPDF_MAX_PAGE_SIZE;
constexpr int MaxFontSize = HPDF_MAX_FONTSIZE;

constexpr int MaxColumns = 8;
// Collections hold a few faces; 255 leaves room for any made.
constexpr int MaxTrueTypeFace = 255;
constexpr int MaxLineNumberStep = 10000;

// The "Page Size" list: the labels of the named sizes, then "Custom Page Size".
const std::array<std::string_view, CustomPageSizeIndex + 1> PageSizeChoices = [] {
    std::array<std::string_view, CustomPageSizeIndex + 1> choices;
    for (std::size_t i = 0; i < PageSizeTable.size(); ++i) {
        choices[i] = PageSizeTable[i].label;
    }
    choices[CustomPageSizeIndex] = CustomPageSizeLabel;
    return choices;
}();

OptionDescription Number(std::string_view name, IntMember member, std::string_view section, std::string_view key,
                         std::string_view label, int lowest, int highest, std::string_view unit,
                         std::string_view flag = {}, std::string_view help = {})
{
    return { name, member, Kind::Number, section, key, label, lowest, highest, unit, {}, OutOfRange::Refuses,
             flag, flag.empty() ? "" : "N", help };
}

OptionDescription Choice(std::string_view name, IntMember member, std::string_view section, std::string_view key,
                         std::string_view label, std::span<const std::string_view> choices,
                         std::string_view flag = {}, std::string_view flagValue = {}, std::string_view help = {})
{
    return { name, member, Kind::Choice, section, key, label, 0, 0, {}, choices, OutOfRange::FallsBack,
             flag, flagValue, help };
}

OptionDescription YesNo(std::string_view name, IntMember member, std::string_view section, std::string_view key,
                        std::string_view label, std::string_view flag = {}, std::string_view help = {})
{
    return Choice(name, member, section, key, label, YesNoChoices, flag, flag.empty() ? "" : "yes|no", help);
}

OptionDescription Text(std::string_view name, TextMember member, std::string_view section, std::string_view key,
                       std::string_view label, std::string_view flag = {}, std::string_view help = {},
                       std::string_view flagValue = "T")
{
    return { name, member, Kind::Text, section, key, label, 0, 0, {}, {}, OutOfRange::Refuses,
             flag, flag.empty() ? "" : flagValue, help };
}

OptionDescription Path(std::string_view name, TextMember member, std::string_view key, std::string_view label,
                       std::string_view flag, std::string_view flagValue, std::string_view help)
{
    return { name, member, Kind::Path, Paper, key, label, 0, 0, {}, {}, OutOfRange::Refuses, flag, flagValue,
             help };
}

// The flags without a help of their own are listed beside the next one and share its help.
const std::vector<OptionDescription> Table = {
    Choice("PageSize", &O::PageSize, Paper, "PageSize", "page size", PageSizeChoices, "--page-size", "SIZE",
           "A4, Letter, Legal, \"B5 [(JIS) 182 x 257 mm]\", 0..37, \"Custom Page Size\""),
    Number("PageWidth", &O::PageWidth, Paper, "PageWidth", "page width", MinPageSide, MaxPageSide, "points",
           "--page-width", "custom page width in points (chooses \"Custom Page Size\")"),
    Number("PageHeight", &O::PageHeight, Paper, "PageHeight", "page height", MinPageSide, MaxPageSide, "points",
           "--page-height", "custom page height in points (chooses \"Custom Page Size\")"),
    Number("LeftMargin", &O::LeftMargin, Paper, "LeftMargin", "left margin", 0, MaxPageSide, "points",
           "--left-margin"),
    Number("RightMargin", &O::RightMargin, Paper, "RightMargin", "right margin", 0, MaxPageSide, "points",
           "--right-margin"),
    Number("TopMargin", &O::TopMargin, Paper, "TopMargin", "top margin", 0, MaxPageSide, "points", "--top-margin"),
    Number("BottomMargin", &O::BottomMargin, Paper, "BottomMargin", "bottom margin", 0, MaxPageSide, "points",
           "--bottom-margin", "one margin in points"),
    Choice("PageFont", &O::PageFont, Paper, "PageFont", "page font", PageFontChoices, "--font-kind", "KIND",
           "\"Base14 Font\", \"Type1 Font\", \"TrueType Font\" or \"CID Font\""),
    Choice("B14Font", &O::B14Font, Paper, "B14Font", "standard font", Base14FontChoices),
    YesNo("EmbeddingFont", &O::EmbeddingFont, Paper, "EmbeddingFont", "font embedding", "--embed-font",
          "embed the TrueType font file in the PDF"),
    Choice("CIDFont", &O::CIDFont, Paper, "CIDFont", "CID font", CidFontChoices),
    Choice("SingeEncode", &O::SingeEncode, Paper, "SingeEncode", "single-byte encoding", SingleByteEncodingChoices,
           "--encoding", "NAME",
           "single-byte encoding (StandardEncoding, WinAnsiEncoding, CP1251, ...),\n"
           "or UTF-8 for any Unicode text with a TrueType font (always embedded)"),
    Choice("MultiEncode", &O::MultiEncode, Paper, "MultiEncode", "multi-byte encoding", MultiByteEncodingChoices,
           "--cmap", "NAME", "multi-byte encoding of CID fonts (GB-EUC-H, 90ms-RKSJ-H, KSC-EUC-H, ...)"),
    Number("FontSize", &O::FontSize, Paper, "Font Size", "font size", 0, MaxFontSize, "points", "--font-size",
           "font size in points (0 means 9)"),
    Path("Type1MetricsFile", &O::Type1MetricsFile, "Type1MetricsFile", "Type 1 metrics file", "--type1", "AFM DATA",
         "a Type 1 font from its metrics (.afm) and data (.pfa/.pfb) files"),
    Path("Type1DataFile", &O::Type1DataFile, "Type1DataFile", "Type 1 data file", {}, {}, {}),
    Path("TrueTypeFile", &O::TrueTypeFile, "TrueTypeFile", "TrueType font file", "--truetype", "FILE",
         "a TrueType font (.ttf) or a collection of them (.ttc)"),
    Number("TrueTypeFace", &O::TrueTypeFace, Paper, "TrueTypeFace", "TrueType face", 0, MaxTrueTypeFace, "",
           "--truetype-face", "the face of a TrueType collection (.ttc) to draw with, from 0"),
    Number("TabWidth", &O::TabWidth, Paper, "TabWidth", "tab width", 0, 32, "columns", "--tab-width",
           "columns between tab stops; 0 keeps tabs as they are"),
    Choice("OpenMode", &O::OpenMode, Display, "OpenMode", "open mode", OpenModeChoices, "--open-mode", "MODE",
           "None, Bookmarks, Thumbnails or \"Full screen\""),
    YesNo("OpenResult", &O::OpenResult, Display, "OpenResult", "opening of results"),
    Text("Author", &O::Author, Property, "Author", "author", "--author"),
    Text("Creator", &O::Creator, Property, "Creator", "creator", "--creator"),
    Text("Title", &O::Title, Property, "Title", "title", "--title"),
    Text("Subject", &O::Subject, Property, "Subject", "subject", "--subject"),
    Text("Keywords", &O::Keywords, Property, "Keywords", "keywords", "--keywords", "document information"),
    YesNo("PermitRead", &O::PermitRead, Security, "PermitRead", "read permission", "--permit-read"),
    YesNo("PermitPrint", &O::PermitPrint, Security, "PermitPrint", "print permission", "--permit-print"),
    YesNo("PermitCopy", &O::PermitCopy, Security, "PermitCopy", "copy permission", "--permit-copy"),
    YesNo("PermitModify", &O::PermitModify, Security, "PermitModify", "modify permission", "--permit-modify",
          "permissions; withholding one needs an owner password, withholding\n"
          "reading a user password too (without one the PDF opens for anyone)"),
    Number("EncryptLevel", &O::EncryptLevel, Security, "EncryptLevel", "encrypt level", 40, 128, "bits",
           "--encrypt-level", "key length of RC4 encryption"),
    Choice("EncryptMethod", &O::EncryptMethod, Security, "EncryptMethod", "encryption method", EncryptMethodChoices,
           "--encryption", "rc4|aes128|aes256",
           "how an owner password encrypts: aes256 (the default: AES-256, which\n"
           "every current reader opens), aes128, or rc4 for very old readers\n"
           "only: RC4 is deprecated and its short keys (48 bits by default) are\n"
           "found by brute force in hours"),
    Text("InputEncoding", &O::InputEncoding, Paper, "InputEncoding", "input encoding", "--input-encoding",
         "encoding of the input files: Auto (found from their bytes), UTF-8, CP1252,\n"
         "ISO-8859-2, KOI8-R, Shift_JIS, EUC-JP, GB18030, Big5, EUC-KR, UTF-16LE, ...",
         "NAME"),
    Number("LineGap", &O::LineGap, Paper, "LineGap", "line gap", 0, 72, "points", "--line-gap",
           "points between lines beyond the font size"),
    Choice("Orientation", &O::Orientation, Paper, "Orientation", "orientation", OrientationChoices,
           "--landscape", "", "upright pages, or turned: the size's width and height swapped"),
    Number("Columns", &O::Columns, Paper, "Columns", "column count", 1, MaxColumns, "columns", "--columns",
           "columns of text on each page"),
    YesNo("FormFeed", &O::FormFeed, Paper, "FormFeed", "form feed", "--form-feed",
          "a form feed starts a new page (column); no: form feeds are left out"),
    Number("LineNumbers", &O::LineNumbers, Paper, "LineNumbers", "line numbering", 0, MaxLineNumberStep, "lines",
           "--line-numbers", "number every N-th input line; 0: no numbers"),
    Text("Header", &O::Header, Paper, "Header", "header", "--header"),
    Text("Footer", &O::Footer, Paper, "Footer", "footer", "--footer",
         "a line above (below) the text of each page: left|centre|right,\n"
         "with {file} {path} {folder} {page} {pages} {date} {time} {modified}\n"
         "{title}; {{ and }} for braces"),
    Path("OutputFolder", &O::OutputFolder, "OutputFolder", "output folder", "--output-dir", "DIR",
         "every PDF goes below DIR, at its path below the folder argument it\n"
         "came from (a file argument: its name alone); folders are made as needed"),
    Path("CombineInto", &O::CombineInto, "CombineInto", "combined PDF", "--combine", "OUT.pdf",
         "every file into the one PDF OUT.pdf, in the order given, each from a\n"
         "new page with a bookmark and page numbers of its own; a file that\n"
         "fails is reported and left out"),
    YesNo("FallbackFonts", &O::FallbackFonts, Paper, "FallbackFonts", "fallback fonts", "--fallback-fonts",
          "draw a character the page font cannot draw with an installed font\n"
          "that has it (yes, the default); no: as a near equivalent or \"?\""),
};

// Margins that leave no room for text on the page, a font too large for it and columns too narrow, when
// each number is within its range.
void CheckRoom(const ConversionOptions& options, std::vector<OptionProblem>& problems)
{
    const PageBox box = GetPageBox(options);
    // Sums in 64 bits: a record may hold any int.
    if (std::int64_t { options.LeftMargin } + options.RightMargin >= box.width) {
        problems.push_back({ FindOption(&O::LeftMargin),
                             "the left and right margins leave no room for text on a page " + std::to_string(box.width)
                                 + " points wide" });
    }
    if (std::int64_t { options.TopMargin } + options.BottomMargin >= box.height) {
        problems.push_back({ FindOption(&O::TopMargin),
                             "the top and bottom margins leave no room for text on a page "
                                 + std::to_string(box.height) + " points high" });
        return;
    }
    // Whole lines on the page, columns at least one font size wide.
    const PageFrame frame = MakePageFrame(options);
    if (frame.rows == 0) {
        const bool bands = frame.hasHeader || frame.hasFooter;
        problems.push_back({ FindOption(&O::FontSize),
                             "the font size " + std::to_string(static_cast<int>(frame.fontSize))
                                 + (bands ? " with the header and footer" : "")
                                 + " leaves no room for a whole line on a page " + std::to_string(box.height)
                                 + " points high" });
    }
    if (frame.columns > 1 && frame.columnWidth < frame.fontSize) {
        problems.push_back({ FindOption(&O::Columns),
                             std::to_string(frame.columns) + " columns and the gaps between them leave no room for "
                                 "text on a page " + std::to_string(box.width) + " points wide" });
    }
}

// A header or footer whose text is not understood.
void CheckBand(const ConversionOptions& options, std::string_view name, std::vector<OptionProblem>& problems)
{
    const OptionDescription* option = FindOption(name);
    if (auto parsed = ParseHeaderTemplate(options.*option->textMember()); !parsed) {
        problems.push_back({ option, "the " + std::string(option->label) + ": " + parsed.error() });
    }
}

} // namespace

std::string OptionDescription::rangeText() const
{
    std::string text = std::to_string(rangeLowest()) + " to " + std::to_string(rangeHighest());
    return unit.empty() ? text : text + " " + std::string(unit);
}

std::string OptionDescription::defaultText() const
{
    const ConversionOptions defaults;
    return isNumeric() ? std::to_string(defaults.*intMember()) : defaults.*textMember();
}

std::span<const OptionDescription> OptionTable()
{
    return Table;
}

const OptionDescription* FindOption(std::string_view name)
{
    auto found = std::find_if(Table.begin(), Table.end(), [name](const auto& option) { return option.name == name; });
    return found == Table.end() ? nullptr : &*found;
}

const OptionDescription* FindOption(IntMember member)
{
    auto found = std::find_if(Table.begin(), Table.end(), [member](const auto& option) {
        const auto* own = std::get_if<IntMember>(&option.member);
        return own && *own == member;
    });
    return found == Table.end() ? nullptr : &*found;
}

std::string OutOfRangeMessage(const OptionDescription& option, int value)
{
    return "the " + std::string(option.label) + " " + std::to_string(value) + " is outside " + option.rangeText();
}

std::vector<OptionProblem> CheckOptions(const ConversionOptions& options)
{
    std::vector<OptionProblem> problems;
    for (const auto& option : Table) {
        if (option.isNumeric() && !option.inRange(options.*option.intMember())) {
            problems.push_back({ &option, OutOfRangeMessage(option, options.*option.intMember()) });
        }
    }
    // The room is judged only on numbers that are themselves in range.
    const bool numbersInRange = std::none_of(problems.begin(), problems.end(), [](const OptionProblem& problem) {
        return problem.option->kind == Kind::Number;
    });
    if (numbersInRange) {
        CheckRoom(options, problems);
    }
    if (auto problem = InputEncodingProblem(options.InputEncoding)) {
        problems.push_back({ FindOption("InputEncoding"), *problem });
    }
    CheckBand(options, "Header", problems);
    CheckBand(options, "Footer", problems);
    return problems;
}

std::string RefusedOptions(const ConversionOptions& options)
{
    std::string reasons;
    for (const auto& problem : CheckOptions(options)) {
        if (problem.option->outOfRange == OutOfRange::Refuses) {
            reasons += (reasons.empty() ? "" : "; ") + problem.message;
        }
    }
    return reasons;
}

} // namespace engine
