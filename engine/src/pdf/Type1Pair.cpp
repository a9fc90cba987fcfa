#include "pdf/Type1Pair.h"

#include <fstream>
#include <regex>

namespace engine {
namespace {

// The front of a file in which a font's name is looked for.
constexpr std::streamsize FrontBytes = 64 * 1024;

} // namespace

std::string Type1FontName(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string front(static_cast<std::size_t>(FrontBytes), '\0');
    file.read(front.data(), FrontBytes);
    front.resize(static_cast<std::size_t>(file.gcount()));
    static const std::regex Name(R"((?:^|[\r\n])FontName[ \t]+(\S+)|/FontName[ \t\r\n]*/([^\s/\[\]{}()<>%]+))");
    std::smatch match;
    if (!std::regex_search(front, match, Name)) {
        return {};
    }
    return match[1].matched ? match[1].str() : match[2].str();
}

base::Result<> CheckType1Pair(const std::string& metricsPath, const std::string& dataPath)
{
    const std::string metricsFont = Type1FontName(metricsPath);
    const std::string dataFont = Type1FontName(dataPath);
    if (metricsFont.empty() || dataFont.empty() || metricsFont == dataFont) {
        return {};
    }
    return base::Failure { base::FailureKind::Options, "the metrics file " + metricsPath + " is of the font "
                                                           + metricsFont + " but the data file " + dataPath
                                                           + " holds the font " + dataFont };
}

} // namespace engine
