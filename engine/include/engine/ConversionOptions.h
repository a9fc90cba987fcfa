#pragma once

#include <string>

namespace engine {

// The font size of a new record, and the one a conversion uses when FontSize is 0.
inline constexpr int DefaultFontSize = 9;

// Every setting that shapes a conversion. Index fields hold the 0-based position of the chosen
// entry of their choice list (ChoiceLists.h); "Yes"/"No" choices hold 0 for "Yes" and 1 for "No".
// Sizes and margins are whole PDF points. The record enforces no ranges: OptionTable.h describes each
// field (its settings key, range or choices, and flag) and CheckOptions judges a record.
struct ConversionOptions
{
    int PageSize = 7;
    int PageWidth = 595;
    int PageHeight = 842;
    int LeftMargin = 60;
    int RightMargin = 60;
    int TopMargin = 60;
    int BottomMargin = 60;
    int PageFont = 0;
    int B14Font = 0;
    std::string Type1MetricsFile;
    std::string Type1DataFile;
    std::string TrueTypeFile;
    int EmbeddingFont = 1;
    int CIDFont = 0;
    // "WinAnsiEncoding": ordinary text keeps its accented letters and signs such as "©", which
    // "StandardEncoding" (index 0, still what a stored 0 means) lacks.
    int SingeEncode = 2;
    int MultiEncode = 0;
    int FontSize = DefaultFontSize;
    int OpenMode = 0;
    int OpenResult = 0;
    std::string Author;
    std::string Creator;
    std::string Title;
    std::string Subject;
    std::string Keywords;
    int PermitRead = 0;
    int PermitPrint = 0;
    int PermitCopy = 0;
    int PermitModify = 0;
    int EncryptLevel = 48;
    int TabWidth = 8; // columns between tab stops; 0 keeps tabs as they are (TabExpansion.h)
    // How an owner password encrypts: RC4 with EncryptLevel's key length, or AES; the short RC4 keys
    // fall to brute force, so AES-256 unless chosen otherwise.
    int EncryptMethod = 2;
    // How input files hold their characters: "Auto" (found from the bytes) or a name iconv knows.
    std::string InputEncoding = "Auto";
    int LineGap = 5;  // points between two lines beyond the font size
    int Orientation = 0; // 0 portrait; 1 landscape: the page's width and height swapped
    int Columns = 1;
    int FormFeed = 0;    // "Yes": a form feed ends the column; "No": form feeds are left out
    int LineNumbers = 0; // a number before every n-th input line; 0: none
    // "left|centre|right" texts with fields such as {page} (options/HeaderTemplate.h); empty: none
    std::string Header;
    std::string Footer;
    // The folder every PDF goes below, at its input's path relative to the folder the input was found
    // in (ConversionJob::relativePath); empty: each PDF beside its input.
    std::string OutputFolder;
    // The one PDF that every file of a run goes into, one after another; empty: a PDF per file.
    std::string CombineInto;
    // The face of a TrueType collection (.ttc) TrueTypeFile draws with, from 0; a single font has face 0.
    int TrueTypeFace = 0;
    // "Yes": a character the page font cannot draw is drawn by an installed font that has it.
    int FallbackFonts = 0;

    bool operator==(const ConversionOptions&) const = default;
};

// Sets every field to its default; the font-file paths and document texts become empty.
void ResetOptions(ConversionOptions& options);

// Values of PageFont.
enum PageFontKind { Base14Font = 0, Type1Font = 1, TrueTypeFont = 2, CidFont = 3 };

// Values of EncryptMethod.
enum EncryptMethodKind { Rc4Encryption = 0, Aes128Encryption = 1, Aes256Encryption = 2 };

// The answers of the "Yes"/"No" choices.
enum YesNo { Yes = 0, No = 1 };

// Values of Orientation.
enum PageOrientation { Portrait = 0, Landscape = 1 };

} // namespace engine
