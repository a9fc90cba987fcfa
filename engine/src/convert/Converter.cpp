#include "engine/Converter.h"

#include "engine/ChoiceLists.h"
#include "engine/OptionTable.h"
#include "engine/TabExpansion.h"
#include "platform/PathParts.h"
#include "platform/TextFile.h"

#include "convert/DocumentInfo.h"
#include "convert/DocumentSecurity.h"
#include "convert/ProgressThrottle.h"
#include "layout/HaruTextMeasure.h"
#include "layout/LineBreaker.h"
#include "pdf/FontSelection.h"
#include "pdf/GlyphCoverage.h"
#include "pdf/HaruDocument.h"
#include "pdf/PageWriter.h"
#include "text/CharacterBounds.h"
#include "text/InputDecoder.h"
#include "text/TabExpander.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <optional>
#include <stdexcept>

namespace engine {
namespace {

base::Failure Refused(std::string reason)
{
    return { base::FailureKind::Options, std::move(reason) };
}

// The geometry the options give, or every reason why no page can be laid out with them.
base::Result<PageGeometry> CheckOptionsForConversion(const ConversionOptions& options)
{
    if (auto reasons = RefusedOptions(options); !reasons.empty()) {
        return Refused(reasons);
    }
    PageGeometry geometry;
    geometry.box = GetPageBox(options);
    geometry.fontSize = static_cast<float>(options.FontSize == 0 ? DefaultFontSize : options.FontSize);
    geometry.textWidth = static_cast<float>(geometry.box.width - options.LeftMargin - options.RightMargin);
    geometry.lineGap = static_cast<float>(options.LineGap);
    return geometry;
}

void ApplyPageMode(HPDF_Doc doc, int openMode)
{
    static constexpr HPDF_PageMode Modes[] = { HPDF_PAGE_MODE_USE_NONE, HPDF_PAGE_MODE_USE_OUTLINE,
                                               HPDF_PAGE_MODE_USE_THUMBS, HPDF_PAGE_MODE_FULL_SCREEN };
    if (openMode >= 0 && openMode < 4) {
        HPDF_SetPageMode(doc, Modes[openMode]);
    }
}

enum class LayoutEnd { Complete, Refused, Abandoned };

// Lays the working text out into lines and pages, giving up between two pages when asked, or at once
// when the library refuses (an abandon makes its allocations fail). The text uses single CRs as line
// separators.
LayoutEnd LayOut(std::string_view rest, PageWriter& writer, HaruTextMeasure& measure, const PageGeometry& geometry,
                 ProgressThrottle& progress, const std::stop_token& abandon)
{
    if (!writer.beginPage()) {
        return LayoutEnd::Refused;
    }
    measure.setPage(writer.page());
    LineBreaker breaker(measure, geometry.textWidth);
    std::int64_t position = 0;
    while (!rest.empty()) {
        LineBreak line = breaker.next(rest);
        if (!writer.drawLine(rest.substr(0, line.length))) {
            return abandon.stop_requested() ? LayoutEnd::Abandoned : LayoutEnd::Refused;
        }
        rest.remove_prefix(line.consumed);
        position += static_cast<std::int64_t>(line.length);
        progress.advance(position);
        if (writer.pageFull() && !rest.empty()) {
            writer.endPage();
            if (abandon.stop_requested()) {
                return LayoutEnd::Abandoned;
            }
            if (!writer.beginPage()) {
                return LayoutEnd::Refused;
            }
            measure.setPage(writer.page());
        }
    }
    writer.endPage();
    return LayoutEnd::Complete;
}

} // namespace

std::string OutputPathFor(const std::string& inputPath)
{
    auto parts = platform::SplitPath(inputPath);
    return parts.folder + parts.name + ".pdf";
}

namespace {

// One file's conversion in its four steps: check the options, read and decode the text, lay it out,
// finish the document. Each step returns false once the file has failed; the result says why.
class FileConversion
{
public:
    FileConversion(const ConversionOptions& options, const std::string& inputPath, const std::string& ownerPassword,
                   const std::string& userPassword, ConversionObserver& observer, const std::stop_token& abandon)
        : m_options(options)
        , m_ownerPassword(ownerPassword)
        , m_userPassword(userPassword)
        , m_observer(observer)
        , m_abandon(abandon)
    {
        m_result.inputPath = inputPath;
        m_result.outputPath = OutputPathFor(inputPath);
    }

    FileResult run()
    {
        // The document before the text: once a large text is in memory, a document that cannot be
        // had is this file's want of memory, not a reason to halt the run.
        if (check() && createDocument() && readAndDecode() && layOut()) {
            finish();
        }
        return std::move(m_result);
    }

private:
    bool fail(base::Failure failure)
    {
        m_result.outcome = std::move(failure);
        return false;
    }

    void warn(const std::string& message)
    {
        m_result.warnings.push_back(message);
        m_observer.warning(message);
    }

    bool giveUp() { return fail({ base::FailureKind::Abandoned, "given up before its PDF was complete" }); }

    // An abandon makes the library's allocations fail: that is no want of memory.
    bool failInLibrary(base::Failure failure)
    {
        if (m_abandon.stop_requested()) {
            return giveUp();
        }
        return fail(m_document->outOfMemory() ? base::Failure { base::FailureKind::Memory, NotEnoughMemoryError }
                                              : std::move(failure));
    }

    bool check()
    {
        auto geometry = CheckOptionsForConversion(m_options);
        if (!geometry) {
            return fail(geometry.failure());
        }
        m_geometry = *geometry;
        auto security = CheckSecurity(m_options, m_ownerPassword, m_userPassword);
        return security || fail(security.failure());
    }

    bool createDocument()
    {
        m_document.emplace(m_abandon);
        if (!m_document->valid()) {
            if (m_abandon.stop_requested()) { // the library's allocations fail once an abandon is asked
                return giveUp();
            }
            m_result.noDocument = true;
            return fail({ base::FailureKind::Memory, "cannot create PdfDoc object" });
        }
        HPDF_SetCompressionMode(m_document->get(), HPDF_COMP_ALL);
        ApplyPageMode(m_document->get(), m_options.OpenMode);
        return true;
    }

    // Reads the text and turns it into the working text of the font in use: decoded into the font's
    // encoding, tabs expanded, lines ended with single CRs.
    bool readAndDecode()
    {
        auto read = platform::ReadWholeFile(m_result.inputPath);
        if (!read) {
            return fail(read.failure());
        }
        if (m_abandon.stop_requested()) {
            return giveUp();
        }
        if (NeedsUtf8Fallback(m_options)) {
            warn(Utf8FallbackWarning);
        }
        m_font = RequestPageFont(*m_document, m_options);
        if (!m_font && !m_document->outOfMemory()) {
            warn(DefaultFontWarning);
            m_font = RequestDefaultFont(*m_document);
        }
        if (!m_font) {
            return failInLibrary(Refused("the default font could not be loaded: " + m_document->errorText()));
        }
        if (m_options.FontSize == 0) {
            warn(DefaultFontSizeWarning);
        }
        if (m_document->failed()) {
            return failInLibrary(Refused(m_document->errorText()));
        }
        const char* fontEncoding = HPDF_Font_GetEncodingName(m_font);
        auto decoded = DecodeInputBytes(std::move(read->text), fontEncoding ? fontEncoding : "");
        for (const auto& warning : decoded.warnings) {
            warn(warning);
        }
        // Tabs become blanks before anything counts or measures the text.
        m_text = ExpandTabs(std::move(decoded.text), m_options.TabWidth,
                            CharacterBounds::ForFont(m_document->get(), m_font));
        if (auto warning = MissingGlyphWarning(m_font, m_text)) {
            warn(*warning);
        }
        // The progress counts the text with CR LF endings.
        const auto lineFeeds = std::count(m_text.begin(), m_text.end(), '\n');
        m_progressEnd = static_cast<std::int64_t>(m_text.size()) + lineFeeds;
        std::replace(m_text.begin(), m_text.end(), '\n', '\r');
        return true;
    }

    bool layOut()
    {
        m_observer.progressRange(1, m_progressEnd);
        PageWriter writer(*m_document, m_font, m_options, m_geometry);
        HaruTextMeasure measure(m_document->get(), m_font, m_geometry.fontSize);
        ProgressThrottle progress(m_observer, m_progressEnd);
        LayoutEnd laidOut = LayOut(m_text, writer, measure, m_geometry, progress, m_abandon);
        if (laidOut == LayoutEnd::Abandoned) {
            return giveUp();
        }
        if (laidOut == LayoutEnd::Refused || m_document->failed()) {
            return failInLibrary(Refused("the PDF library refused the layout: " + m_document->errorText()));
        }
        return true;
    }

    // Document information, protection, and the save that replaces any older PDF.
    bool finish()
    {
        if (auto warning = ApplyDocumentInfo(*m_document, m_options)) {
            warn(*warning);
        }
        if (auto warning = ApplySecurity(*m_document, m_options, m_ownerPassword, m_userPassword)) {
            warn(*warning);
        }
        if (m_document->failed()) {
            return failInLibrary(
                Refused("the PDF library refused the document settings: " + m_document->errorText()));
        }
        if (auto saved = m_document->saveAtomically(m_result.outputPath); !saved) {
            return failInLibrary(saved.failure());
        }
        m_observer.progressPosition(m_progressEnd);
        return true;
    }

    const ConversionOptions& m_options;
    const std::string& m_ownerPassword;
    const std::string& m_userPassword;
    ConversionObserver& m_observer;
    const std::stop_token& m_abandon;
    FileResult m_result;
    PageGeometry m_geometry;
    std::optional<HaruDocument> m_document;
    HPDF_Font m_font = nullptr;
    std::string m_text;
    std::int64_t m_progressEnd = 0;
};

} // namespace

FileResult FailedFile(const std::string& inputPath, base::Failure failure)
{
    FileResult result;
    result.inputPath = inputPath;
    result.outputPath = OutputPathFor(inputPath);
    result.outcome = std::move(failure);
    return result;
}

FileResult ConvertTextFile(const ConversionOptions& options, const std::string& inputPath,
                           const std::string& ownerPassword, const std::string& userPassword,
                           ConversionObserver& observer, std::stop_token abandon)
{
    // A text too large for memory fails alone; whatever it took is freed on the way out, and the
    // temporary PDF with it.
    try {
        return FileConversion(options, inputPath, ownerPassword, userPassword, observer, abandon).run();
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    return FailedFile(inputPath, { base::FailureKind::Memory, NotEnoughMemoryError });
}

} // namespace engine
