#include "engine/PageFontPitch.h"

#include "engine/ChoiceLists.h"
#include "engine/TrueTypeFaces.h"

#include <fstream>
#include <sstream>
#include <string>

namespace engine {
namespace {

// A Type 1 font's metrics file says "IsFixedPitch true" in its header.
bool Type1IsMonospaced(const std::string& metricsFile)
{
    std::ifstream afm(metricsFile);
    std::string line;
    while (std::getline(afm, line) && !line.starts_with("StartCharMetrics")) {
        std::istringstream words(line);
        std::string key;
        std::string value;
        if (words >> key >> value && key == "IsFixedPitch") {
            return value == "true";
        }
    }
    return false;
}

bool Within(int index, std::size_t size)
{
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

} // namespace

bool PageFontIsMonospaced(const ConversionOptions& options)
{
    switch (options.PageFont) {
    case Base14Font:
        return Within(options.B14Font, Base14FontChoices.size())
            && Base14FontChoices[static_cast<std::size_t>(options.B14Font)].starts_with("Courier");
    case Type1Font:
        return Type1IsMonospaced(options.Type1MetricsFile);
    case TrueTypeFont:
        return TrueTypeFaceIsMonospaced(options.TrueTypeFile, options.TrueTypeFace);
    case CidFont: {
        if (!Within(options.CIDFont, CidFontChoices.size())) {
            return false;
        }
        const std::string_view name = CidFontChoices[static_cast<std::size_t>(options.CIDFont)];
        const std::string_view family = name.substr(0, name.find('('));
        return !family.starts_with("MS-P") && family != "Batang" && family != "Dotum";
    }
    default:
        return false;
    }
}

} // namespace engine
