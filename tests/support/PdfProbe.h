#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPDF;

namespace testsupport {

// One text-showing operation of a page, at the text position it was shown at.
struct ShownText
{
    double x = 0;
    double y = 0;
    std::string bytes; // the string operand as stored (decrypted)
    std::string font; // resource name of the font in use, e.g. "/F1"
    double fontSize = 0;
    std::string baseFont; // the /BaseFont of that font in its page's resources
};

struct FontProbe
{
    std::string encoding; // the /Encoding name, empty when it is a dictionary or absent
    bool embedded = false;
    std::size_t fontFileBytes = 0; // the embedded TrueType font file's stream as stored (compressed)
    std::size_t fontFileLength = 0; // the font file, decoded
    long long fontFileLength1 = 0; // the length the stream's /Length1 gives the font file
};

struct PageProbe
{
    double width = 0;
    double height = 0;
    std::vector<ShownText> texts;
};

// Reads a PDF back with libqpdf: pages with their sizes and shown texts, the document
// information, encryption and permissions. Throws when the file is not a readable PDF.
class PdfProbe
{
public:
    explicit PdfProbe(const std::string& path, const std::string& password = "");
    ~PdfProbe();

    const std::vector<PageProbe>& pages() const { return m_pages; }
    // All shown texts of all pages, in order.
    std::vector<std::string> lines() const;
    // A /Info entry as text, or nothing when absent.
    std::optional<std::string> info(const std::string& key) const;
    std::string pageMode() const;
    // The top-level outline entries: their titles (as UTF-8) and the 0-based pages they lead to.
    std::vector<std::pair<std::string, int>> outlines() const;
    // The page labels, one per page ("1", "2", "1", ...); empty when the PDF has none.
    std::vector<std::string> pageLabels() const;

    bool encrypted() const;
    int encryptionRevision() const;
    int keyLengthBits() const; // 0 when not encrypted
    // The cipher of streams and strings: "RC4", "AES-128" or "AES-256"; "none"; "mixed" when they differ.
    std::string cipher() const;
    int permissionBits() const;
    bool allowPrint() const;
    bool allowCopy() const;
    bool allowModify() const;

    // The fonts the pages use, by /BaseFont.
    std::map<std::string, FontProbe> fonts() const;

private:
    std::unique_ptr<QPDF> m_pdf;
    std::vector<PageProbe> m_pages;
};

// The text of a PDF as pdftotext (poppler) extracts it, in raw reading order, for checks of what
// a reader shows. Pages end with a form feed.
std::string ExtractText(const std::string& pdfPath, const std::string& password = "");
// The text as pdftotext -layout places it, in columns of a fixed-pitch font of that many points a
// character: a character's column follows from its horizontal position.
std::string ExtractLayoutText(const std::string& pdfPath, double pitch);

// The first page as poppler's pdftoppm draws it, a grey map at the resolution given, for comparing the
// drawings of two PDFs.
std::string RenderFirstPage(const std::string& pdfPath, int dotsPerInch);

// What poppler's pdftotext says on its standard error while it reads a PDF: warnings and errors,
// empty for a PDF it reads without a word.
std::string ReaderComplaints(const std::string& pdfPath, const std::string& password = "");
// What qpdf --check reports of a PDF it finds fault with; empty when it finds none.
std::string QpdfCheckProblems(const std::string& pdfPath, const std::string& password = "");

// The document information as pdfinfo shows it, by its label ("Title", "Author", ...).
std::map<std::string, std::string> ReadDocumentInfo(const std::string& pdfPath, const std::string& password = "");

} // namespace testsupport
