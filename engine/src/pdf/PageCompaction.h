#pragma once

#include <hpdf.h>

#include <string>

namespace engine {

// Shrinks a complete page, which the document keeps in memory until it is saved. The library holds
// a page's content stream uncompressed in blocks of 4 KB and deflates it only while saving; here it
// is deflated at once into a block of its own size and written as it is, under its /FlateDecode
// filter. Tens of thousands of pages of a combined PDF then take a third of the memory.
class PageCompaction
{
public:
    // False when the library refused (its error is recorded); the page stays whole either way.
    bool compact(HPDF_Page page);

private:
    bool deflateContents(HPDF_Dict contents);

    std::string m_plain;    // the content of the page at hand, reused from page to page
    std::string m_deflated; // likewise
};

} // namespace engine
