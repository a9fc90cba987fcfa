#include "pdf/PageCompaction.h"

#include <hpdf_objects.h>
#include <hpdf_pages.h>
#include <hpdf_streams.h>

#include <zlib.h>

#include <algorithm>
#include <cstring>

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

HPDF_DictElement ElementOf(HPDF_Dict dict, const char* key)
{
    for (HPDF_UINT i = 0; i < dict->list->count; ++i) {
        auto element = static_cast<HPDF_DictElement>(HPDF_List_ItemAt(dict->list, i));
        if (std::strcmp(element->key, key) == 0) {
            return element;
        }
    }
    return nullptr;
}

// What a value of a dictionary is: itself, or the indirect object a proxy stands for.
const void* Resolved(const void* value)
{
    const auto* header = static_cast<const HPDF_Obj_Header*>(value);
    return header->obj_class == HPDF_OCLASS_PROXY ? static_cast<const HPDF_Proxy_Rec*>(value)->obj : value;
}

// Turns the direct object under key into an indirect one that the dictionary refers to, so that
// other dictionaries can refer to it too; null when the library refused.
void* MadeIndirect(HPDF_Dict dict, const char* key, HPDF_Xref xref)
{
    HPDF_DictElement element = ElementOf(dict, key);
    if (!element) {
        return nullptr;
    }
    void* object = element->value;
    auto* header = static_cast<HPDF_Obj_Header*>(object);
    if (header->obj_class == HPDF_OCLASS_PROXY) {
        return static_cast<HPDF_Proxy>(object)->obj;
    }
    element->value = nullptr; // freed by the library if it cannot take it
    header->obj_id &= ~HPDF_OTYPE_DIRECT;
    if (HPDF_Xref_Add(xref, object) != HPDF_OK || HPDF_Dict_Add(dict, key, object) != HPDF_OK) {
        return nullptr;
    }
    return object;
}

// Resources that name nothing but fonts, besides the procedure sets every page has.
bool OnlyFonts(HPDF_Dict resources)
{
    for (HPDF_UINT i = 0; i < resources->list->count; ++i) {
        auto element = static_cast<HPDF_DictElement>(HPDF_List_ItemAt(resources->list, i));
        if (std::strcmp(element->key, "Font") != 0 && std::strcmp(element->key, "ProcSet") != 0) {
            return false;
        }
    }
    return true;
}

bool SameBox(const HPDF_Box& a, const HPDF_Box& b)
{
    return a.left == b.left && a.bottom == b.bottom && a.right == b.right && a.top == b.top;
}

} // namespace

void PageCompaction::compact(HPDF_Page page)
{
    auto* attr = static_cast<HPDF_PageAttr>(page->attr);
    const bool deflated = deflateContents(attr->contents);
    attr->stream = attr->contents->stream; // where the library would draw more on the page
    if (deflated && shareResources(page)) {
        shareMediaBox(page);
    }
}

bool PageCompaction::shareResources(HPDF_Page page)
{
    auto* attr = static_cast<HPDF_PageAttr>(page->attr);
    auto resources = static_cast<HPDF_Dict>(HPDF_Dict_GetItem(page, "Resources", HPDF_OCLASS_DICT));
    if (!resources || !attr->fonts || !OnlyFonts(resources)) {
        return true;
    }
    FontNames names;
    for (HPDF_UINT i = 0; i < attr->fonts->list->count; ++i) {
        auto element = static_cast<HPDF_DictElement>(HPDF_List_ItemAt(attr->fonts->list, i));
        names.emplace_back(element->key, Resolved(element->value));
    }
    auto known = std::find_if(m_resources.begin(), m_resources.end(),
        [&names](const SharedResources& shared) { return shared.names == names; });
    if (known == m_resources.end()) {
        auto shared = static_cast<HPDF_Dict>(MadeIndirect(page, "Resources", attr->xref));
        if (!shared) {
            attr->fonts = nullptr; // freed with the resources
            return false;
        }
        m_resources.push_back({ std::move(names), shared, attr->fonts });
        return true;
    }
    attr->fonts = known->fonts; // the page's own go now
    return HPDF_Dict_Add(page, "Resources", known->resources) == HPDF_OK;
}

void PageCompaction::shareMediaBox(HPDF_Page page)
{
    const HPDF_Box box = HPDF_Page_GetMediaBox(page);
    auto known = std::find_if(
        m_mediaBoxes.begin(), m_mediaBoxes.end(), [&box](const auto& shared) { return SameBox(shared.first, box); });
    if (known != m_mediaBoxes.end()) {
        HPDF_Dict_Add(page, "MediaBox", known->second);
    } else if (auto shared = MadeIndirect(page, "MediaBox", static_cast<HPDF_PageAttr>(page->attr)->xref)) {
        m_mediaBoxes.emplace_back(box, static_cast<HPDF_Array>(shared));
    }
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
