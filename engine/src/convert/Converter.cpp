#include "engine/Converter.h"

#include "engine/ChoiceLists.h"
#include "engine/OptionTable.h"
#include "engine/TabExpansion.h"
#include "platform/PathParts.h"
#include "platform/TextFile.h"

#include "convert/DocumentInfo.h"
#include "convert/DocumentSecurity.h"
#include "convert/HeaderFooter.h"
#include "convert/PageSinks.h"
#include "convert/ProgressThrottle.h"
#include "layout/HaruTextMeasure.h"
#include "layout/PageFrame.h"
#include "layout/Pagination.h"
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

void ApplyPageMode(HPDF_Doc doc, int openMode)
{
    static constexpr HPDF_PageMode Modes[] = { HPDF_PAGE_MODE_USE_NONE, HPDF_PAGE_MODE_USE_OUTLINE,
                                               HPDF_PAGE_MODE_USE_THUMBS, HPDF_PAGE_MODE_FULL_SCREEN };
    if (openMode >= 0 && openMode < 4) {
        HPDF_SetPageMode(doc, Modes[openMode]);
    }
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

    // The encoding of the page font, as the library names it.
    std::string_view fontEncoding() const
    {
        const char* name = HPDF_Font_GetEncodingName(m_font);
        return name ? name : "";
    }

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
        if (auto reasons = RefusedOptions(m_options); !reasons.empty()) {
            return fail(Refused(reasons));
        }
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
        auto decoded = DecodeInputBytes(std::move(read->text), fontEncoding());
        for (const auto& warning : decoded.warnings) {
            warn(warning);
        }
        // Tabs become blanks before anything counts or measures the text.
        m_text = ExpandTabs(std::move(decoded.text), m_options.TabWidth,
                            CharacterBounds::ForFont(m_document->get(), m_font));
        if (auto warning = MissingGlyphWarning(m_font, m_text)) {
            warn(*warning);
        }
        if (m_options.FormFeed == No && m_text.find('\f') != std::string::npos) {
            std::erase(m_text, '\f');
        }
        // The progress counts the text with CR LF endings.
        const auto lineFeeds = std::count(m_text.begin(), m_text.end(), '\n');
        m_progressEnd = static_cast<std::int64_t>(m_text.size()) + lineFeeds;
        m_lastLine = lineFeeds + 1;
        std::replace(m_text.begin(), m_text.end(), '\n', '\r');
        return true;
    }

    // Lays the text out into the pages; twice when a header or footer shows the page count, which the
    // first layout counts, breaking the lines that the second takes again.
    bool layOut()
    {
        m_observer.progressRange(1, m_progressEnd);
        PageFrame frame = MakePageFrame(m_options);
        HaruTextMeasure measure(m_document->get(), m_font, frame.fontSize);
        if (m_options.LineNumbers > 0) {
            frame = MakePageFrame(m_options, NumberGutter(measure, m_lastLine));
        }
        const FlowRules rules { m_options.FormFeed == Yes, m_options.LineNumbers };
        HeaderFooter bands(m_options, m_result.inputPath, fontEncoding());
        BrokenLines broken(measure, frame.textWidth, bands.needsPageCount());
        LineSource* lines = &broken;
        std::optional<KeptLines> kept;
        PageCount count;
        if (bands.needsPageCount()) {
            if (Paginate(m_text, broken, frame, rules, count, m_abandon) == LayoutEnd::Abandoned) {
                return giveUp();
            }
            lines = &kept.emplace(std::move(broken).kept());
        }
        PageWriter writer(*m_document, m_font, frame);
        ProgressThrottle progress(m_observer, m_progressEnd);
        DrawnPages drawn(writer, bands, count.pages(), progress);
        LayoutEnd laidOut = Paginate(m_text, *lines, frame, rules, drawn, m_abandon);
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
    std::optional<HaruDocument> m_document;
    HPDF_Font m_font = nullptr;
    std::string m_text;
    std::int64_t m_progressEnd = 0;
    std::int64_t m_lastLine = 1; // the number of the text's last input line
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
