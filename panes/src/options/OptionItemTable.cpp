#include "OptionItemTable.h"

namespace panes {
namespace {

// The texts below are the program's own, odd spellings included: users and their documentation know them.
const OptionItemSpec Items[] = {
    { "Paper Options", 0, nullptr, "Paper options." },
    { "Page Size", 1, "PageSize", "Set page width and height." },
    { "Page Width", 2, "PageWidth", "Page Width(Size in points)." },
    { "Page Height", 2, "PageHeight", "Page Height(Size in Points)." },
    { "Page Margin", 1, nullptr, "Page margin." },
    { "Left Margin", 5, "LeftMargin", "Page left margin." },
    { "Right Margin", 5, "RightMargin", "Page right margin." },
    { "Top Margin", 5, "TopMargin", "Page top margin." },
    { "Bottom Margin", 5, "BottomMargin", "Page bottom margin." },
    { "Page Font", 1, "PageFont", "Choose font to be used in pdf pages." },
    { "Base14 Font", 10, "B14Font",
      "Base14 Fonts only display Latin1 character set. To use other character set, you must use other type of "
      "font." },
    { "Type1 Font", 10, nullptr, "Type1 Font." },
    { "Metrics File(.afm)", 12, "Type1MetricsFile",
      "Type1 Font metrics file(.afm). Click to import.", "AFM Files (*.afm)|*.afm|All Files (*.*)|*.*|" },
    { "Data File(.pfa/.pfb)", 12, "Type1DataFile",
      "Type1 Font data file(.pfa/.pfb). Click to import.",
      "Type1 Font Files (*.pfa;*.pfb;*.t1)|*.pfa;*.pfb;*.t1|All Files (*.*)|*.*|" },
    { "TrueType Font", 10, "TrueTypeFile",
      "TrueType font file(.ttf/.ttc). Click to import.",
      "TrueType Font Files (*.ttf;*.ttc)|*.ttf;*.ttc|All Files (*.*)|*.*|" },
    { "Embedding Font", 15, "EmbeddingFont",
      "Embedding true type font into pdf file. This will increases pdf file size. With the UTF-8 encoding the "
      "font is always embedded: the pages then name the glyphs of this very font file." },
    { "CID Font", 10, "CIDFont", "Font for multi byte character." },
    { "Page Encoding", 1, nullptr, "Page encoding." },
    { "Single-byte Encoding", 18, "SingeEncode",
      "Encoding for single-byte character set." },
    { "Multi-byte Encoding", 18, "MultiEncode",
      "Encoding for multi-byte character set. SimSun and SimHei take GB-EUC-H or GB-EUC-V, the Korean fonts the "
      "KSC encodings; another choice is replaced, with a warning." },
    { "Font Size", 1, "FontSize", "PDF font size." },
    { "Document Display Options", 0, nullptr, "PDF document display options." },
    { "Open Mode", 22, "OpenMode", "PDF document open mode." },
    { "Open Results", 22, "OpenResult",
      "Open the result html file or directory when finished converting." },
    { "PDF Property Options", 0, nullptr, "PDF property options." },
    { "Author", 25, "Author", "Author." },
    { "Creator", 25, "Creator", "Creator." },
    { "Title", 25, "Title", "Title." },
    { "Subject", 25, "Subject", "Subject." },
    { "Keywords", 25, "Keywords", "Keywords." },
    { "PDF Security Options", 0, nullptr, "PDF security options." },
    { "Read Permission", 31, "PermitRead",
      "User can read the document. \"No\" needs a user password: a PDF without one opens for anyone." },
    { "Print Permission", 31, "PermitPrint", "User can print the document." },
    { "Copy Permission", 31, "PermitCopy",
      "User can copy the text and the graphics of the document." },
    { "Modify Permission", 31, "PermitModify",
      "User can edit the contents of the document ." },
    { "Encrypt Level", 31, "EncryptLevel",
      "Encrypt level(40 bits to 128 bits). Used by RC4 only: AES has a key length of its own." },
    // Added after the others so that every older item keeps its identifier.
    { "Tab Width", 1, "TabWidth", "Columns between tab stops; 0 draws tabs as they are." },
    { "Encrypt Method", 31, "EncryptMethod",
      "How the owner password encrypts the PDF. AES-256 suits every current reader; RC4 only very old ones: it "
      "is deprecated and its keys are weak, short enough to be found by brute force in hours." },
    { "Input Encoding", 18, "InputEncoding",
        "Encoding of the input files. Auto finds it from their bytes: a byte order mark, UTF-8, UTF-16, or what a "
        "charset detector is sure of; else the bytes are taken to be in the page encoding. Or a name such as "
        "UTF-8, CP1252, ISO-8859-2, KOI8-R, Shift_JIS, EUC-JP, GB18030, Big5, EUC-KR or UTF-16LE." },
    { "Page Layout Options", 0, nullptr, "How the text is placed on the pages." },
    { "Line Gap", 40, "LineGap", "Points between two lines beyond the font size." },
    { "Orientation", 40, "Orientation",
      "Portrait or Landscape; landscape swaps the width and height of the page size." },
    { "Columns", 40, "Columns",
      "Columns of text on each page: the text fills the first column, then the next. A column is as wide as the "
      "page less the margins and the gaps between the columns (two font sizes each), divided by the columns." },
    { "Form Feed", 40, "FormFeed",
      "Yes: a form feed in the text starts a new page (in columns: a new column). No: form feeds are left out." },
    { "Line Numbers", 40, "LineNumbers",
      "Numbers every N-th line of the file in a gutter left of the text: 1 numbers every line, 0 none. The "
      "continuation of a wrapped line has no number." },
    { "Header", 40, "Header",
      "A line above the text of each page, in the top margin: left|centre|right (one part is the left one, two "
      "the left and right ones). Fields: {file} {path} {folder} {page} {pages} {date} {time} {modified} {title}; "
      "{{ and }} write braces. Empty: no header." },
    { "Footer", 40, "Footer",
      "A line below the text of each page, in the bottom margin, written as the header: left|centre|right with "
      "the fields {file} {path} {folder} {page} {pages} {date} {time} {modified} {title}. Empty: no footer." },
    { "Output Folder", 1, "OutputFolder",
      "Folder the PDFs go to, each at its path below the folder it was imported from. Empty (Delete empties it): beside each file.",
      "", PathDialog::Folder },
    { "Combine Into", 1, "CombineInto",
      "One PDF that every file goes into, each from a new page with a bookmark of its own. Empty (Delete empties it): "
      "one PDF per file.",
      "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*|", PathDialog::Save },
    { "TrueType Face", 15, "TrueTypeFace",
      "The face of a TrueType collection (.ttc) to draw with, from 0; a single font (.ttf) has face 0 only." },
    { "Fallback Fonts", 10, "FallbackFonts",
      "Yes: a character that the page font and encoding cannot draw is drawn with an installed font that has it "
      "(monospaced when the page font is, at the same size, embedded). No: such a character is drawn as a near "
      "equivalent or as \"?\", with a warning. \"?\" remains for characters that no installed font has." },
};

const FontItemRule Rules[] = {
    { 11, { true, false, false, false } },  // "Base14 Font"
    { 13, { false, true, false, false } },  // "Metrics File(.afm)"
    { 14, { false, true, false, false } },  // "Data File(.pfa/.pfb)"
    { 15, { false, false, true, false } },  // "TrueType Font"
    { 16, { false, false, true, false } },  // "Embedding Font"
    { 17, { false, false, false, true } },  // "CID Font"
    { 19, { true, true, true, false } },    // "Single-byte Encoding"
    { 20, { false, false, true, true } },   // "Multi-byte Encoding"
    { 50, { false, false, true, false } },  // "TrueType Face"
};

} // namespace

const engine::OptionDescription* OptionItemSpec::option() const
{
    return field ? engine::FindOption(field) : nullptr;
}

std::span<const OptionItemSpec> OptionItems()
{
    return Items;
}

std::span<const FontItemRule> FontItemRules()
{
    return Rules;
}

} // namespace panes
