#include "pdf/HaruDocument.h"

#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include <zlib.h>

namespace engine {

namespace {

// The library keeps all pages in one array of at most 32767 entries unless told to group them; in
// groups of this many a document can have far more pages than any text needs.
constexpr HPDF_UINT PagesPerGroup = 1024;

// The library's allocation function takes no context, so the abandon request of the document being
// built reaches it through the thread that builds it.
thread_local const std::stop_token* AbandonOfThisThread = nullptr;
// Where an allocation that failed is told: under a want of memory the library may record another
// error first (a dictionary it could not grow reports its count).
thread_local bool* AllocationFailedOfThisThread = nullptr;

void* Allocate(HPDF_UINT size)
{
    if (AbandonOfThisThread && AbandonOfThisThread->stop_requested()) {
        return nullptr;
    }
    void* memory = std::malloc(size);
    if (!memory && AllocationFailedOfThisThread) {
        *AllocationFailedOfThisThread = true;
    }
    return memory;
}

void Release(void* memory)
{
    std::free(memory);
}

} // namespace

HaruDocument::HaruDocument(std::stop_token abandon)
    : m_abandon(std::move(abandon))
    , m_outerAbandon(AbandonOfThisThread)
    , m_outerAllocationFailed(AllocationFailedOfThisThread)
{
    AbandonOfThisThread = &m_abandon;
    AllocationFailedOfThisThread = &m_allocationFailed;
    m_doc = HPDF_NewEx(&HaruDocument::onError, &Allocate, &Release, 0, this);
    if (m_doc) {
        HPDF_SetPagesConfiguration(m_doc, PagesPerGroup);
    }
}

HaruDocument::~HaruDocument()
{
    if (m_doc) {
        HPDF_Free(m_doc);
    }
    AbandonOfThisThread = m_outerAbandon;
    AllocationFailedOfThisThread = m_outerAllocationFailed;
}

void HaruDocument::onError(HPDF_STATUS errorCode, HPDF_STATUS detail, void* self)
{
    auto* document = static_cast<HaruDocument*>(self);
    if (document->m_errorCode == 0) {
        document->m_errorCode = errorCode;
        document->m_errorDetail = detail;
    }
}

void HaruDocument::useUtfEncodings()
{
    if (!m_utfEncodings) {
        m_utfEncodings = true;
        HPDF_UseUTFEncodings(m_doc);
    }
}

bool HaruDocument::outOfMemory() const
{
    return m_allocationFailed || m_errorCode == HPDF_FAILD_TO_ALLOC_MEM
        || (m_errorCode == HPDF_ZLIB_ERROR && m_errorDetail == static_cast<HPDF_STATUS>(Z_MEM_ERROR));
}

std::string HaruDocument::errorText() const
{
    return DescribeHaruError(m_errorCode, m_errorDetail);
}

void HaruDocument::resetError()
{
    m_errorCode = 0;
    m_errorDetail = 0;
    HPDF_ResetError(m_doc);
}

base::Result<> HaruDocument::saveAtomically(const std::string& path, const Finish& finish)
{
    platform::AtomicFile file(path);
    if (auto opened = file.open(); !opened) {
        return opened;
    }
    auto written = finish ? writeFinished(file, finish)
                          : saveInto([&file](std::string_view piece) { return file.write(piece); });
    return written ? file.commit() : written;
}

base::Result<> HaruDocument::writeFinished(platform::AtomicFile& file, const Finish& finish)
{
    std::string document;
    auto collected = saveInto([&document](std::string_view piece) -> base::Result<> {
        document.append(piece);
        return {};
    });
    if (!collected) {
        return collected;
    }
    auto finished = finish(document);
    if (!finished) {
        return finished.failure();
    }
    if (auto abandoned = abandonedSave(); !abandoned) {
        return abandoned;
    }
    return file.write(*finished);
}

base::Failure HaruDocument::refusal(const char* step) const
{
    return { base::FailureKind::Options, std::string(step) + ": " + errorText() };
}

base::Result<> HaruDocument::abandonedSave() const
{
    if (m_abandon.stop_requested()) {
        return base::Failure { base::FailureKind::Abandoned, "the PDF was given up before it was complete" };
    }
    return {};
}

base::Result<> HaruDocument::saveInto(const StreamedSave::Sink& sink)
{
    StreamedSave save([this, &sink](std::string_view piece) -> base::Result<> {
        if (auto abandoned = abandonedSave(); !abandoned) {
            return abandoned;
        }
        return sink(piece);
    });
    const HPDF_STATUS status = save.run(m_doc);
    if (!save.sinkOutcome()) {
        return save.sinkOutcome();
    }
    if (auto abandoned = abandonedSave(); !abandoned) {
        return abandoned;
    }
    if (status != HPDF_OK) {
        return refusal("the PDF library could not complete the document");
    }
    return {};
}

std::string DescribeHaruError(HPDF_STATUS code, HPDF_STATUS detail)
{
    const char* text = nullptr;
    switch (code) {
    case HPDF_FAILD_TO_ALLOC_MEM:
        text = "out of memory";
        break;
    case HPDF_FILE_IO_ERROR:
    case HPDF_FILE_OPEN_ERROR:
        text = "a file could not be read or written";
        break;
    case HPDF_INVALID_AFM_HEADER:
    case HPDF_INVALID_CHAR_MATRICS_DATA:
    case HPDF_INVALID_N_DATA:
    case HPDF_INVALID_FONTDEF_DATA:
    case HPDF_INVALID_FONTDEF_TYPE:
        text = "the font file is not a valid font";
        break;
    case HPDF_TTF_INVALID_CMAP:
    case HPDF_TTF_INVALID_FOMAT:
    case HPDF_TTF_MISSING_TABLE:
    case HPDF_TTF_CANNOT_EMBEDDING_FONT:
    case HPDF_INVALID_TTC_INDEX:
    case HPDF_INVALID_TTC_FILE:
        text = "the TrueType font cannot be used";
        break;
    case HPDF_INVALID_FONT_NAME:
    case HPDF_FONT_INVALID_WIDTHS_TABLE:
        text = "the font is unknown";
        break;
    case HPDF_INVALID_ENCODING_NAME:
    case HPDF_INVALID_ENCODER:
        text = "the encoding cannot be used with this font";
        break;
    case HPDF_PAGE_INVALID_SIZE:
        text = "the page size is out of range";
        break;
    case HPDF_PAGE_OUT_OF_RANGE:
    case HPDF_PAGE_INVALID_FONT_SIZE:
        text = "a value is out of range";
        break;
    case HPDF_ENCRYPT_INVALID_PASSWORD:
        text = "the owner and user passwords must differ";
        break;
    case HPDF_INVALID_ENCRYPT_KEY_LEN:
        text = "the encryption key length is not supported";
        break;
    case HPDF_DOC_ENCRYPTDICT_NOT_FOUND:
        text = "permissions need an owner password";
        break;
    default:
        break;
    }
    char code_text[64];
    std::snprintf(code_text, sizeof code_text, "PDF library error 0x%04X, detail %u", static_cast<unsigned>(code),
                  static_cast<unsigned>(detail));
    return text ? std::string(text) + " (" + code_text + ")" : std::string(code_text);
}

} // namespace engine
