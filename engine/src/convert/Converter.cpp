#include "engine/Converter.h"

#include "engine/ChoiceLists.h"
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
#include <stdexcept>

namespace engine {
namespace {

base::Failure Refused(std::string reason)
{
    return { base::FailureKind::Options, std::move(reason) };
}

// The sizes in points the PDF library takes for a page's sides and for a font.
constexpr int MinPageSize = HPDF_MIN_PAGE_SIZE;
constexpr int MaxPageSize = HPDF_MAX_PAGE_SIZE;
constexpr int MinFontSize = 1;
constexpr int MaxFontSize = HPDF_MAX_FONTSIZE;

std::string Range(int lowest, int highest)
{
    return std::to_string(lowest) + " to " + std::to_string(highest);
}

// The geometry the options give, or why the library could not lay a page out with them.
base::Result<PageGeometry> CheckGeometry(const ConversionOptions& options)
{
    PageGeometry geometry;
    geometry.box = GetPageBox(options);
    if (geometry.box.width < MinPageSize || geometry.box.width > MaxPageSize || geometry.box.height < MinPageSize
        || geometry.box.height > MaxPageSize) {
        return Refused("the page size " + std::to_string(geometry.box.width) + " x "
                       + std::to_string(geometry.box.height) + " points is outside "
                       + Range(MinPageSize, MaxPageSize) + " points");
    }
    const int fontSize = options.FontSize == 0 ? DefaultFontSize : options.FontSize;
    if (fontSize < MinFontSize || fontSize > MaxFontSize) {
        return Refused("the font size " + std::to_string(options.FontSize) + " is outside "
                       + Range(MinFontSize, MaxFontSize) + " points");
    }
    geometry.fontSize = static_cast<float>(fontSize);
    // A negative margin puts text off the page. The sums are taken in 64 bits: stored margins may be
    // any int.
    const std::pair<const char*, int> margins[] = { { "left", options.LeftMargin },
                                                    { "right", options.RightMargin },
                                                    { "top", options.TopMargin },
                                                    { "bottom", options.BottomMargin } };
    for (const auto& [side, margin] : margins) {
        if (margin < 0) {
            return Refused(std::string("the ") + side + " margin of " + std::to_string(margin) + " points is below 0");
        }
    }
    const std::int64_t width = std::int64_t { geometry.box.width } - options.LeftMargin - options.RightMargin;
    if (width <= 0) {
        return Refused("the left and right margins leave no room for text on a page "
                       + std::to_string(geometry.box.width) + " points wide");
    }
    if (std::int64_t { options.TopMargin } + options.BottomMargin >= geometry.box.height) {
        return Refused("the top and bottom margins leave no room for text on a page "
                       + std::to_string(geometry.box.height) + " points high");
    }
    geometry.textWidth = static_cast<float>(width);
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

FileResult Convert(const ConversionOptions& options, const std::string& inputPath, const std::string& ownerPassword,
                   const std::string& userPassword, ConversionObserver& observer, const std::stop_token& abandon)
{
    FileResult result;
    result.inputPath = inputPath;
    result.outputPath = OutputPathFor(inputPath);
    auto fail = [&result](base::Failure failure) {
        result.outcome = std::move(failure);
        return result;
    };
    auto warn = [&result, &observer](const std::string& message) {
        result.warnings.push_back(message);
        observer.warning(message);
    };

    auto geometry = CheckGeometry(options);
    if (!geometry) {
        return fail(geometry.failure());
    }
    if (options.TabWidth < 0 || options.TabWidth > MaxTabWidth) {
        return fail(Refused("the tab width " + std::to_string(options.TabWidth) + " is outside "
                            + Range(0, MaxTabWidth) + " columns"));
    }
    if (auto security = CheckSecurity(options, ownerPassword, userPassword); !security) {
        return fail(security.failure());
    }

    // The document before the text: once a large text is in memory, a document that cannot be had
    // is this file's want of memory, not a reason to halt the run.
    auto giveUp = [&fail] { return fail({ base::FailureKind::Abandoned, "given up before its PDF was complete" }); };
    HaruDocument document(abandon);
    if (!document.valid()) {
        if (abandon.stop_requested()) { // the library's allocations fail once an abandon is asked
            return giveUp();
        }
        result.noDocument = true;
        return fail({ base::FailureKind::Memory, "cannot create PdfDoc object" });
    }
    // An abandon makes the library's allocations fail: that is no want of memory.
    auto failInLibrary = [&](base::Failure failure) {
        if (abandon.stop_requested()) {
            return giveUp();
        }
        return fail(document.outOfMemory() ? base::Failure { base::FailureKind::Memory, NotEnoughMemoryError }
                                           : std::move(failure));
    };
    HPDF_SetCompressionMode(document.get(), HPDF_COMP_ALL);
    ApplyPageMode(document.get(), options.OpenMode);

    auto read = platform::ReadWholeFile(inputPath);
    if (!read) {
        return fail(read.failure());
    }
    if (abandon.stop_requested()) {
        return giveUp();
    }

    if (NeedsUtf8Fallback(options)) {
        warn(Utf8FallbackWarning);
    }
    HPDF_Font font = RequestPageFont(document, options);
    if (!font && !document.outOfMemory()) {
        warn(DefaultFontWarning);
        font = RequestDefaultFont(document);
    }
    if (!font) {
        return failInLibrary(Refused("the default font could not be loaded: " + document.errorText()));
    }
    if (options.FontSize == 0) {
        warn(DefaultFontSizeWarning);
    }
    if (document.failed()) {
        return failInLibrary(Refused(document.errorText()));
    }
    // The text is read as the font's encoding has it; the working text ends lines with single CRs,
    // while the progress counts the text with CR LF endings.
    const char* fontEncoding = HPDF_Font_GetEncodingName(font);
    auto decoded = DecodeInputBytes(std::move(read->text), fontEncoding ? fontEncoding : "");
    for (const auto& warning : decoded.warnings) {
        warn(warning);
    }
    // Tabs become blanks before anything counts or measures the text.
    std::string text = ExpandTabs(std::move(decoded.text), options.TabWidth,
                                  CharacterBounds::ForFont(document.get(), font));
    if (auto warning = MissingGlyphWarning(font, text)) {
        warn(*warning);
    }
    const auto lineFeeds = std::count(text.begin(), text.end(), '\n');
    const std::int64_t progressEnd = static_cast<std::int64_t>(text.size()) + lineFeeds;
    std::replace(text.begin(), text.end(), '\n', '\r');

    observer.progressRange(1, progressEnd);
    PageWriter writer(document, font, options, *geometry);
    HaruTextMeasure measure(document.get(), font, geometry->fontSize);
    ProgressThrottle progress(observer, progressEnd);
    LayoutEnd laidOut = LayOut(text, writer, measure, *geometry, progress, abandon);
    if (laidOut == LayoutEnd::Abandoned) {
        return giveUp();
    }
    if (laidOut == LayoutEnd::Refused || document.failed()) {
        return failInLibrary(Refused("the PDF library refused the layout: " + document.errorText()));
    }

    if (auto warning = ApplyDocumentInfo(document, options)) {
        warn(*warning);
    }
    if (auto warning = ApplySecurity(document, options, ownerPassword, userPassword)) {
        warn(*warning);
    }
    if (document.failed()) {
        return failInLibrary(Refused("the PDF library refused the document settings: " + document.errorText()));
    }
    if (auto saved = document.saveAtomically(result.outputPath); !saved) {
        return failInLibrary(saved.failure());
    }
    observer.progressPosition(progressEnd);
    return result;
}

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
        return Convert(options, inputPath, ownerPassword, userPassword, observer, abandon);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    return FailedFile(inputPath, { base::FailureKind::Memory, NotEnoughMemoryError });
}

} // namespace engine
