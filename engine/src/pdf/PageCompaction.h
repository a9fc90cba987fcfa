#pragma once

#include <hpdf.h>

#include <string>
#include <utility>
#include <vector>

namespace engine {

// Shrinks a complete page, which the document keeps in memory until it is saved. The library holds
// a page's content stream uncompressed in blocks of 4 KB and deflates it only while saving; here it
// is deflated at once into a block of its own size and written as it is, under its /FlateDecode
// filter. And the library gives every page its own resource dictionary and media box, objects of
// about 2.5 KB; a page whose ones equal an earlier page's refers to that page's instead. Tens of
// thousands of pages of a combined PDF then take a third of the memory.
class PageCompaction
{
public:
    // A refusal of the library is recorded as its error; the document is then good only for freeing.
    void compact(HPDF_Page page);

private:
    // The fonts of a page's resources: their names there and the font objects.
    using FontNames = std::vector<std::pair<std::string, const void*>>;
    struct SharedResources
    {
        FontNames names;
        HPDF_Dict resources;
        HPDF_Dict fonts;
    };

    // False when the library refused.
    bool deflateContents(HPDF_Dict contents);
    bool shareResources(HPDF_Page page);
    void shareMediaBox(HPDF_Page page);

    std::string m_plain; // the content of the page at hand, reused from page to page
    std::string m_deflated; // likewise
    std::vector<SharedResources> m_resources;
    std::vector<std::pair<HPDF_Box, HPDF_Array>> m_mediaBoxes;
};

} // namespace engine
