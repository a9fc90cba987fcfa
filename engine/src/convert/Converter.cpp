#include "engine/Converter.h"

#include "engine/ChoiceLists.h"
#include "engine/OptionTable.h"
#include "engine/TabExpansion.h"
#include "engine/Utf8.h"
#include "platform/AtomicFile.h"
#include "platform/PathParts.h"
#include "platform/TextFile.h"

#include "convert/DocumentInfo.h"
#include "convert/DocumentFinish.h"
#include "convert/DocumentSecurity.h"
#include "convert/HeaderFooter.h"
#include "convert/PageSinks.h"
#include "convert/ProgressThrottle.h"
#include "layout/FallbackTextMeasure.h"
#include "layout/HaruTextMeasure.h"
#include "layout/PageFrame.h"
#include "layout/Pagination.h"
#include "pdf/FallbackFontSet.h"
#include "pdf/FontSelection.h"
#include "pdf/GlyphCoverage.h"
#include "pdf/HaruDocument.h"
#include "pdf/PageWriter.h"
#include "pdf/TrueTypeFaceCount.h"
#include "pdf/Type1Pair.h"
#include "text/CharacterBounds.h"
#include "text/InputDecoder.h"
#include "text/TabExpander.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <memory>
#include <new>
#include <optional>
#include <span>
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

std::string OutputPathOf(const ConversionOptions& options, const ConversionJob& job)
{
    if (!job.outputPath.empty()) {
        return job.outputPath;
    }
    if (options.OutputFolder.empty()) {
        return OutputPathFor(job.path);
    }
    auto folder = options.OutputFolder;
    if (folder.back() != '/') {
        folder += '/';
    }
    return OutputPathFor(folder + job.keptPath());
}

namespace {

// One file's conversion in its four steps: check the options, read and decode the text, lay it out,
// finish the document. Each step returns false once the file has failed; the result says why. A
// combined document takes the steps apart: the checks and the document once, the text and its layout
// once per file, the finish at the end.
class FileConversion
{
public:
    FileConversion(const ConversionOptions& options, const std::string& ownerPassword,
                   const std::string& userPassword, ConversionObserver& observer, const std::stop_token& abandon)
        : m_options(options)
        , m_ownerPassword(ownerPassword)
        , m_userPassword(userPassword)
        , m_observer(observer)
        , m_abandon(abandon)
    {
    }

    FileResult run(const ConversionJob& job)
    {
        beginFile(job, OutputPathOf(m_options, job));
        m_makeFolders = job.outputPath.empty() && !m_options.OutputFolder.empty();
        // The document before the text: once a large text is in memory, a document that cannot be
        // had is this file's want of memory, not a reason to halt the run.
        if (check() && createDocument() && readAndDecode() && layOut()) {
            finish();
        }
        return std::move(m_result);
    }

    // The checks and the document of a combined PDF; the outline shows when it opens unless the
    // options choose another mode.
    base::Result<> open(const std::string& outputPath)
    {
        beginDocumentStep(outputPath);
        if (check() && createDocument() && m_options.OpenMode == 0) {
            HPDF_SetPageMode(m_document->get(), HPDF_PAGE_MODE_USE_OUTLINE);
        }
        return m_result.outcome;
    }

    // One more file of a combined PDF, from a new page on, with its outline entry and page labels.
    FileResult append(const ConversionJob& job, const std::string& outputPath)
    {
        beginFile(job, outputPath);
        const int first = m_pageCount;
        if (readAndDecode() && layOut()) {
            markFile(job, first);
        }
        return std::move(m_result);
    }

    base::Result<> save(const std::string& outputPath)
    {
        beginDocumentStep(outputPath);
        finish();
        return m_result.outcome;
    }

    bool documentFailed() const { return m_document && m_document->failed(); }

private:
    void beginFile(const ConversionJob& job, const std::string& outputPath)
    {
        beginDocumentStep(outputPath);
        m_job = &job;
        m_result.inputPath = job.path;
    }

    void beginDocumentStep(const std::string& outputPath)
    {
        m_job = nullptr;
        m_result = {};
        m_result.outputPath = outputPath;
    }

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
        if (m_options.PageFont == Type1Font) {
            if (auto pair = CheckType1Pair(m_options.Type1MetricsFile, m_options.Type1DataFile); !pair) {
                return fail(pair.failure());
            }
        }
        if (m_options.PageFont == TrueTypeFont) {
            if (auto face = CheckTrueTypeFace(TrueTypeFontPath(m_options), m_options.TrueTypeFace); !face) {
                return fail(face.failure());
            }
        }
        auto security = CheckSecurity(m_options, m_ownerPassword, m_userPassword);
        if (!security) {
            return fail(security.failure());
        }
        if (auto warning = SecurityWarning(m_options, m_ownerPassword, m_userPassword)) {
            warn(*warning);
        }
        return true;
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
        auto read = m_job->standardInput ? ReadStandardInput() : platform::ReadWholeFile(m_result.inputPath);
        if (!read) {
            return fail(read.failure());
        }
        if (m_abandon.stop_requested()) {
            return giveUp();
        }
        if (!m_font && !loadFont()) {
            return false;
        }
        auto decoded = DecodeInputBytes(std::move(read->text), fontEncoding(), m_options.InputEncoding, std::nullopt,
                                        fallbackChooser());
        if (decoded.notText) {
            return fail({ base::FailureKind::Input, std::string(NotTextError) });
        }
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

    // The font of the document, loaded with its first text.
    bool loadFont()
    {
        if (NeedsUtf8Fallback(m_options)) {
            warn(Utf8FallbackWarning);
        }
        if (auto warning = CmapSubstitutionWarning(m_options)) {
            warn(*warning);
        }
        m_font = RequestPageFont(*m_document, m_options);
        if (!m_font && !m_document->outOfMemory()) {
            // The program's own text first, which users know, then why.
            warn(std::string(DefaultFontWarning) + " (" + PageFontFailure(m_options, *m_document) + ")");
            m_font = RequestDefaultFont(*m_document);
        }
        if (!m_font) {
            return failInLibrary(Refused("the default font could not be loaded: " + m_document->errorText()));
        }
        if (m_options.FontSize == 0) {
            warn(DefaultFontSizeWarning);
        }
        if (m_options.FallbackFonts == Yes) {
            m_fallbacks.emplace(*m_document, m_font);
        }
        if (m_document->failed()) {
            return failInLibrary(Refused(m_document->errorText()));
        }
        return true;
    }

    FallbackChooser* fallbackChooser() { return m_fallbacks ? &*m_fallbacks : nullptr; }

    // The fallback fonts loaded so far, by their numbers.
    std::span<const HPDF_Font> fallbackFonts() const
    {
        return m_fallbacks ? std::span<const HPDF_Font>(m_fallbacks->fonts()) : std::span<const HPDF_Font>();
    }

    // The measure of the page font, and of the fallback fonts once the text needs any.
    std::unique_ptr<HaruTextMeasure> makeMeasure(float fontSize) const
    {
        if (fallbackFonts().empty()) {
            return std::make_unique<HaruTextMeasure>(m_document->get(), m_font, fontSize);
        }
        return std::make_unique<FallbackTextMeasure>(m_document->get(), m_font, fontSize, m_fallbacks->fonts());
    }

    static base::Result<platform::FileText> ReadStandardInput()
    {
        platform::FileText read;
        read.text.assign(std::istreambuf_iterator<char>(std::cin), {});
        if (std::cin.bad()) {
            return base::Failure { base::FailureKind::Input, "standard input cannot be read" };
        }
        read.fileSize = read.text.size();
        return read;
    }

    // Lays the text out into the pages; twice when a header or footer shows the page count, which the
    // first layout counts, breaking the lines that the second takes again.
    bool layOut()
    {
        m_observer.progressRange(1, m_progressEnd);
        PageFrame frame = MakePageFrame(m_options);
        // The header and footer first: their characters may need fallback fonts too.
        HeaderFooter bands(m_options, m_result.inputPath, fontEncoding(), fallbackChooser());
        auto measure = makeMeasure(frame.fontSize);
        if (m_options.LineNumbers > 0) {
            frame = MakePageFrame(m_options, NumberGutter(*measure, m_lastLine));
        }
        const FlowRules rules { m_options.FormFeed == Yes, m_options.LineNumbers };
        BrokenLines broken(*measure, frame.textWidth, bands.needsPageCount());
        LineSource* lines = &broken;
        std::optional<KeptLines> kept;
        PageCount count;
        if (bands.needsPageCount()) {
            if (Paginate(m_text, broken, frame, rules, count, m_abandon) == LayoutEnd::Abandoned) {
                return giveUp();
            }
            lines = &kept.emplace(std::move(broken).kept());
        }
        PageWriter writer(*m_document, m_font, frame, fallbackFonts());
        ProgressThrottle progress(m_observer, m_progressEnd);
        DrawnPages drawn(writer, bands, count.pages(), progress);
        LayoutEnd laidOut = Paginate(m_text, *lines, frame, rules, drawn, m_abandon);
        m_pageCount += writer.pageCount();
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
        auto finishing = PrepareFinish(*m_document, m_options, m_ownerPassword, m_userPassword);
        if (m_document->failed()) {
            return failInLibrary(
                Refused("the PDF library refused the document settings: " + m_document->errorText()));
        }
        if (m_makeFolders && !makeFolders()) {
            return false;
        }
        if (auto saved = m_document->saveAtomically(m_result.outputPath, finishing); !saved) {
            return failInLibrary(saved.failure());
        }
        m_observer.progressPosition(m_progressEnd);
        return true;
    }

    // The folders of a PDF below an output folder.
    bool makeFolders()
    {
        const auto folder = std::filesystem::path(m_result.outputPath).parent_path();
        std::error_code error;
        if (!folder.empty() && !std::filesystem::create_directories(folder, error) && error) {
            return fail({ base::FailureKind::Output,
                          "cannot create the folder " + folder.string() + ": " + platform::ErrnoText(error.value()) });
        }
        return true;
    }

    // The outline entry of the file whose pages begin at index first, and page labels from 1 there.
    bool markFile(const ConversionJob& job, int first)
    {
        HPDF_Doc doc = m_document->get();
        std::string title = job.keptPath();
        HPDF_Encoder encoder = nullptr;
        if (HasNonAscii(title)) {
            std::size_t beyond = 0;
            title = InfoTextAsUtf8(title, beyond);
            m_document->useUtfEncodings();
            encoder = HPDF_GetEncoder(doc, "UTF-8");
        }
        HPDF_Outline outline = HPDF_CreateOutline(doc, nullptr, title.c_str(), encoder);
        HPDF_Outline_SetDestination(outline, HPDF_Page_CreateDestination(HPDF_GetPageByIndex(doc, first)));
        HPDF_AddPageLabel(doc, static_cast<HPDF_UINT>(first), HPDF_PAGE_NUM_STYLE_DECIMAL, 1, nullptr);
        if (m_document->failed()) {
            return failInLibrary(Refused("the PDF library refused the outline: " + m_document->errorText()));
        }
        return true;
    }

    const ConversionOptions& m_options;
    const std::string& m_ownerPassword;
    const std::string& m_userPassword;
    ConversionObserver& m_observer;
    const std::stop_token& m_abandon;
    const ConversionJob* m_job = nullptr;
    FileResult m_result;
    bool m_makeFolders = false;
    int m_pageCount = 0; // of the document
    std::optional<HaruDocument> m_document;
    HPDF_Font m_font = nullptr;
    std::optional<FallbackFontSet> m_fallbacks; // with the option, once the font is loaded
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
    ConversionJob job;
    job.path = inputPath;
    job.ownerPassword = ownerPassword;
    job.userPassword = userPassword;
    return ConvertJob(options, job, observer, std::move(abandon));
}

namespace {

// A text too large for memory fails alone; whatever it took is freed on the way out, and the
// temporary PDF with it.
template <typename Step>
FileResult UnlessOutOfMemory(const ConversionJob& job, const std::string& outputPath, Step step)
{
    try {
        return step();
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    FileResult result = FailedFile(job.path, { base::FailureKind::Memory, NotEnoughMemoryError });
    result.outputPath = outputPath;
    return result;
}

} // namespace

FileResult ConvertJob(const ConversionOptions& options, const ConversionJob& job, ConversionObserver& observer,
                      std::stop_token abandon)
{
    return UnlessOutOfMemory(job, OutputPathOf(options, job), [&] {
        return FileConversion(options, job.ownerPassword, job.userPassword, observer, abandon).run(job);
    });
}

struct CombinedDocument::Parts
{
    Parts(const ConversionOptions& runOptions, std::string pdfPath, const std::string& owner, const std::string& user,
          ConversionObserver& observer, std::stop_token stop)
        : options(runOptions)
        , outputPath(std::move(pdfPath))
        , ownerPassword(owner)
        , userPassword(user)
        , abandon(std::move(stop))
        , conversion(this->options, this->ownerPassword, this->userPassword, observer, this->abandon)
    {
    }

    const ConversionOptions options;
    const std::string outputPath;
    const std::string ownerPassword;
    const std::string userPassword;
    const std::stop_token abandon;
    FileConversion conversion;
    base::Result<> usable; // failed once the document cannot take more
    int added = 0;
};

CombinedDocument::CombinedDocument(const ConversionOptions& options, std::string outputPath,
                                   const std::string& ownerPassword, const std::string& userPassword,
                                   ConversionObserver& observer, std::stop_token abandon)
    : m_parts(std::make_unique<Parts>(options, std::move(outputPath), ownerPassword, userPassword, observer,
                                      std::move(abandon)))
{
    try {
        m_parts->usable = m_parts->conversion.open(m_parts->outputPath);
    } catch (const std::bad_alloc&) {
        m_parts->usable = base::Failure { base::FailureKind::Memory, NotEnoughMemoryError };
    }
}

CombinedDocument::~CombinedDocument() = default;

FileResult CombinedDocument::add(const ConversionJob& job)
{
    Parts& parts = *m_parts;
    if (!parts.usable) {
        FileResult result = FailedFile(job.path, parts.usable.failure());
        result.outputPath = parts.outputPath;
        return result;
    }
    FileResult result = UnlessOutOfMemory(job, parts.outputPath,
                                          [&] { return parts.conversion.append(job, parts.outputPath); });
    if (result.written()) {
        ++parts.added;
    } else if (parts.conversion.documentFailed() || result.outcome.failure().kind == base::FailureKind::Memory) {
        parts.usable = result.outcome;
    }
    return result;
}

base::Result<> CombinedDocument::save()
{
    Parts& parts = *m_parts;
    if (!parts.usable) {
        return parts.usable;
    }
    if (parts.added == 0) {
        return base::Failure { base::FailureKind::Input, "no file could be added to " + parts.outputPath };
    }
    try {
        return parts.conversion.save(parts.outputPath);
    } catch (const std::bad_alloc&) {
        return base::Failure { base::FailureKind::Memory, NotEnoughMemoryError };
    }
}

} // namespace engine
