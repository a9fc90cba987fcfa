#include "pdf/StreamedSave.h"

#include <hpdf_doc.h>
#include <hpdf_streams.h>

namespace engine {

namespace {

constexpr std::size_t PieceSize = 1 << 16;

} // namespace

StreamedSave::StreamedSave(Sink sink)
    : m_sink(std::move(sink))
{
    m_piece.reserve(PieceSize);
}

HPDF_STATUS StreamedSave::run(HPDF_Doc doc)
{
    HPDF_Stream stream = HPDF_CallbackWriter_New(doc->mmgr, &StreamedSave::take, this);
    if (!stream) {
        return HPDF_CheckError(&doc->error);
    }
    // The library saves into the document's own stream, a memory stream unless one is there.
    HPDF_Stream memory = doc->stream;
    doc->stream = stream;
    HPDF_STATUS status = HPDF_SaveToStream(doc);
    doc->stream = memory;
    HPDF_Stream_Free(stream);
    if (status == HPDF_OK && !flush()) {
        status = HPDF_FILE_IO_ERROR;
    }
    return status;
}

HPDF_STATUS StreamedSave::take(HPDF_Stream stream, const HPDF_BYTE* bytes, HPDF_UINT size)
{
    auto* self = static_cast<StreamedSave*>(stream->attr);
    if (self->m_piece.size() + size > PieceSize && !self->flush()) {
        // Set, not only returned: the library reports a save that failed by its recorded error alone.
        return HPDF_SetError(stream->error, HPDF_FILE_IO_ERROR, 0);
    }
    self->m_piece.append(reinterpret_cast<const char*>(bytes), size);
    return HPDF_OK;
}

bool StreamedSave::flush()
{
    if (m_outcome && !m_piece.empty()) {
        m_outcome = m_sink(m_piece);
        m_piece.clear();
    }
    return static_cast<bool>(m_outcome);
}

} // namespace engine
