#include "pdf/PageCompaction.h"

#include <hpdf_objects.h>
#include <hpdf_pages.h>
#include <hpdf_streams.h>

#include <zlib.h>

namespace engine {

namespace {

// Written into the dictionary of a content stream deflated ahead: the library writes a /Filter only
// for the streams it deflates itself.
HPDF_STATUS WriteFlateFilter(HPDF_Dict, HPDF_Stream stream)
{
    return HPDF_Stream_WriteStr(stream, "/Filter /FlateDecode\012");
}

// The whole content of a memory stream.
bool ReadAll(HPDF_Stream stream, std::string& into)
{
    into.resize(HPDF_Stream_Size(stream));
    if (into.empty()) {
        return true;
    }
    if (HPDF_Stream_Seek(stream, 0, HPDF_SEEK_SET) != HPDF_OK) {
        return false;
    }
    HPDF_UINT size = static_cast<HPDF_UINT>(into.size());
    const HPDF_STATUS status = HPDF_Stream_Read(stream, reinterpret_cast<HPDF_BYTE*>(into.data()), &size);
    return (status == HPDF_OK || status == HPDF_STREAM_EOF) && size == into.size();
}

} // namespace

bool PageCompaction::compact(HPDF_Page page)
{
    auto* attr = static_cast<HPDF_PageAttr>(page->attr);
    const bool compacted = deflateContents(attr->contents);
    attr->stream = attr->contents->stream; // where the library would draw more on the page
    return compacted;
}

// Only a stream the library would deflate at the save, and only once.
bool PageCompaction::deflateContents(HPDF_Dict contents)
{
    HPDF_Stream plain = contents->stream;
    if (contents->filter != HPDF_STREAM_FILTER_FLATE_DECODE || contents->write_fn || plain->type != HPDF_STREAM_MEMORY
        || !ReadAll(plain, m_plain) || m_plain.empty()) {
        return true;
    }
    uLongf size = compressBound(static_cast<uLong>(m_plain.size()));
    m_deflated.resize(size);
    if (compress2(reinterpret_cast<Bytef*>(m_deflated.data()), &size, reinterpret_cast<const Bytef*>(m_plain.data()),
                  static_cast<uLong>(m_plain.size()), Z_DEFAULT_COMPRESSION)
        != Z_OK) {
        return true; // the library deflates it at the save
    }
    HPDF_Stream deflated = HPDF_MemStream_New(contents->mmgr, static_cast<HPDF_UINT>(size));
    if (!deflated) {
        return false;
    }
    if (HPDF_Stream_Write(deflated, reinterpret_cast<const HPDF_BYTE*>(m_deflated.data()), static_cast<HPDF_UINT>(size))
        != HPDF_OK) {
        HPDF_Stream_Free(deflated);
        return false;
    }
    HPDF_Stream_Free(plain);
    contents->stream = deflated;
    contents->filter = HPDF_STREAM_FILTER_NONE;
    contents->write_fn = &WriteFlateFilter;
    return true;
}

} // namespace engine
