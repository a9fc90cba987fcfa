#pragma once

#include "base/Result.h"
#include "pdf/PageCompaction.h"
#include "pdf/StreamedSave.h"

#include <hpdf.h>

#include <functional>
#include <stop_token>
#include <string>
#include <string_view>

namespace platform {
class AtomicFile;
}

namespace engine {

// Owns one libharu document and records the first error the library reports for it, so that
// every refusal can be told to the user instead of silently yielding no PDF.
//
// Once a stop is requested through abandon, the library's allocations for the document fail: the
// library has no other way out of its long steps (the assembly of a finished document takes about
// as long as the layout), so they end at once, with an error. The document is then only good for
// freeing. A document is used on the thread that created it.
class HaruDocument
{
public:
    explicit HaruDocument(std::stop_token abandon = {});
    ~HaruDocument();
    HaruDocument(const HaruDocument&) = delete;
    HaruDocument& operator=(const HaruDocument&) = delete;

    // False when the library could not create the document.
    bool valid() const { return m_doc != nullptr; }
    HPDF_Doc get() const { return m_doc; }

    bool failed() const { return m_errorCode != 0; }
    // True when an allocation failed, in the library or in its zlib (the recorded error may then be another).
    bool outOfMemory() const;
    // The first error since the last reset, as a sentence for the user.
    std::string errorText() const;
    // Forgets the recorded error, in the library too, so that the document can be used again.
    void resetError();

    // Registers the library's UTF-8 encoder, once: the font and the document information may both
    // need it, and a second registration leaves the document unusable.
    void useUtfEncodings();

    // Shrinks a page on which nothing more is drawn, as it waits for the save; a refusal of the
    // library is recorded as its error.
    void pageComplete(HPDF_Page page) { m_pages.compact(page); }

    // A last step on the complete document, in memory, that gives the bytes to write in its place.
    using Finish = std::function<base::Result<std::string>(std::string_view document)>;

    // Writes the whole document to a file through a temporary file in the same folder; fails when
    // the library refuses (kind Options), the file cannot be written (Output), the finish fails, or
    // an abandon is requested before the file is complete (Abandoned). The file at path is replaced
    // only on success. Without a finish the document goes from the library to the file piece by
    // piece; with one, only what the finish gave reaches the disk.
    base::Result<> saveAtomically(const std::string& path, const Finish& finish = {});

private:
    static void onError(HPDF_STATUS errorCode, HPDF_STATUS detail, void* self);
    // Saves the document into sink piece by piece, as long as it succeeds and no abandon is asked.
    base::Result<> saveInto(const StreamedSave::Sink& sink);
    // Writes what the finish makes of the whole saved document.
    base::Result<> writeFinished(platform::AtomicFile& file, const Finish& finish);
    // Fails (kind Abandoned) once an abandon is asked.
    base::Result<> abandonedSave() const;
    // The library's refusal of a step, with its error (kind Options).
    base::Failure refusal(const char* step) const;


    HPDF_Doc m_doc = nullptr;
    HPDF_STATUS m_errorCode = 0;
    HPDF_STATUS m_errorDetail = 0;
    bool m_utfEncodings = false;
    std::stop_token m_abandon;
    const std::stop_token* m_outerAbandon; // of a document this thread created before, restored after
    bool* m_outerAllocationFailed;         // likewise
    bool m_allocationFailed = false;       // an allocation of the library failed for this document
    PageCompaction m_pages;
};

// A short description of a libharu error code.
std::string DescribeHaruError(HPDF_STATUS code, HPDF_STATUS detail);

} // namespace engine
