#include "OptionItemTable.h"

#include "engine/ChoiceLists.h"
#include "engine/PageSizes.h"

#include <array>

namespace panes {
namespace {

using engine::ConversionOptions;
using Kind = OptionItemKind;

// The "Page Size" list: the labels of the named sizes, then "Custom Page Size".
const std::array<std::string_view, engine::CustomPageSizeIndex + 1> PageSizeChoices = [] {
    std::array<std::string_view, engine::CustomPageSizeIndex + 1> choices;
    for (std::size_t i = 0; i < engine::PageSizeTable.size(); ++i) {
        choices[i] = engine::PageSizeTable[i].label;
    }
    choices[engine::CustomPageSizeIndex] = engine::CustomPageSizeLabel;
    return choices;
}();

// The texts below are the program's own, odd spellings included: users and their documentation know them.
const OptionItemSpec Items[] = {
    { "Paper Options", 0, Kind::Category, {}, "Paper options." },
    { "Page Size", 1, Kind::Combo, &ConversionOptions::PageSize, "Set page width and height.", PageSizeChoices },
    { "Page Width", 2, Kind::Number, &ConversionOptions::PageWidth, "Page Width(Size in points)." },
    { "Page Height", 2, Kind::Number, &ConversionOptions::PageHeight, "Page Height(Size in Points)." },
    { "Page Margin", 1, Kind::Heading, {}, "Page margin." },
    { "Left Margin", 5, Kind::Number, &ConversionOptions::LeftMargin, "Page left margin." },
    { "Right Margin", 5, Kind::Number, &ConversionOptions::RightMargin, "Page right margin." },
    { "Top Margin", 5, Kind::Number, &ConversionOptions::TopMargin, "Page top margin." },
    { "Bottom Margin", 5, Kind::Number, &ConversionOptions::BottomMargin, "Page bottom margin." },
    { "Page Font", 1, Kind::Combo, &ConversionOptions::PageFont, "Choose font to be used in pdf pages.",
      engine::PageFontChoices },
    { "Base14 Font", 10, Kind::Combo, &ConversionOptions::B14Font,
      "Base14 Fonts only display Latin1 character set. To use other character set, you must use other type of "
      "font.",
      engine::Base14FontChoices },
    { "Type1 Font", 10, Kind::Heading, {}, "Type1 Font." },
    { "Metrics File(.afm)", 12, Kind::File, &ConversionOptions::Type1MetricsFile,
      "Type1 Font metrics file(.afm). Click to import.", {}, "AFM Files (*.afm)|*.afm|All Files (*.*)|*.*|" },
    { "Data File(.pfa/.pfb)", 12, Kind::File, &ConversionOptions::Type1DataFile,
      "Type1 Font data file(.pfa/.pfb). Click to import.", {},
      "PFA/PFB Files (*.pfa;*.pfb)|*.pfa;*.pfb|All Files (*.*)|*.*|" },
    { "TrueType Font", 10, Kind::File, &ConversionOptions::TrueTypeFile,
      "TrueType font file(.ttf/.ttc). Click to import.", {},
      "TrueType Font Files (*.ttf;*.ttc)|*.ttf;*.ttc|All Files (*.*)|*.*|" },
    { "Embedding Font", 15, Kind::Combo, &ConversionOptions::EmbeddingFont,
      "Embedding true type font into pdf file. This will increases pdf file size.", engine::YesNoChoices },
    { "CID Font", 10, Kind::Combo, &ConversionOptions::CIDFont, "Font for multi byte character.",
      engine::CidFontChoices },
    { "Page Encoding", 1, Kind::Heading, {}, "Page encoding." },
    { "Single-byte Encoding", 18, Kind::Combo, &ConversionOptions::SingeEncode,
      "Encoding for single-byte character set.", engine::SingleByteEncodingChoices },
    { "Multi-byte Encoding", 18, Kind::Combo, &ConversionOptions::MultiEncode,
      "Encoding for multi-byte character set.", engine::MultiByteEncodingChoices },
    { "Font Size", 1, Kind::Number, &ConversionOptions::FontSize, "PDF font size." },
    { "Document Display Options", 0, Kind::Category, {}, "PDF document display options." },
    { "Open Mode", 22, Kind::Combo, &ConversionOptions::OpenMode, "PDF document open mode.",
      engine::OpenModeChoices },
    { "Open Results", 22, Kind::Combo, &ConversionOptions::OpenResult,
      "Open the result html file or directory when finished converting.", engine::YesNoChoices },
    { "PDF Property Options", 0, Kind::Category, {}, "PDF property options." },
    { "Author", 25, Kind::Text, &ConversionOptions::Author, "Author." },
    { "Creator", 25, Kind::Text, &ConversionOptions::Creator, "Creator." },
    { "Title", 25, Kind::Text, &ConversionOptions::Title, "Title." },
    { "Subject", 25, Kind::Text, &ConversionOptions::Subject, "Subject." },
    { "Keywords", 25, Kind::Text, &ConversionOptions::Keywords, "Keywords." },
    { "PDF Security Options", 0, Kind::Category, {}, "PDF security options." },
    { "Read Permission", 31, Kind::Combo, &ConversionOptions::PermitRead, "User can read the document.",
      engine::YesNoChoices },
    { "Print Permission", 31, Kind::Combo, &ConversionOptions::PermitPrint, "User can print the document.",
      engine::YesNoChoices },
    { "Copy Permission", 31, Kind::Combo, &ConversionOptions::PermitCopy,
      "User can copy the text and the graphics of the document.", engine::YesNoChoices },
    { "Modify Permission", 31, Kind::Combo, &ConversionOptions::PermitModify,
      "User can edit the contents of the document .", engine::YesNoChoices },
    { "Encrypt Level", 31, Kind::Number, &ConversionOptions::EncryptLevel, "Encrypt level(40 bits to 128 bits)" },
    // Added after the others so that every older item keeps its identifier.
    { "Tab Width", 1, Kind::Number, &ConversionOptions::TabWidth,
      "Columns between tab stops; 0 draws tabs as they are." },
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
};

} // namespace

std::span<const OptionItemSpec> OptionItems()
{
    return Items;
}

std::span<const FontItemRule> FontItemRules()
{
    return Rules;
}

} // namespace panes
