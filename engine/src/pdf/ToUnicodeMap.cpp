#include "pdf/ToUnicodeMap.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace engine {
namespace {

// The CMap syntax allows at most 100 entries between a begin and its end.
constexpr std::size_t EntriesPerBlock = 100;

std::string Hex(std::uint32_t value, int bytes)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", bytes * 2, static_cast<unsigned>(value));
    return text;
}

std::string Utf16(char32_t character)
{
    if (character < 0x10000) {
        return "<" + Hex(character, 2) + ">";
    }
    const std::uint32_t beyond = character - 0x10000;
    return "<" + Hex(0xD800 + (beyond >> 10), 2) + Hex(0xDC00 + (beyond & 0x3FF), 2) + ">";
}

// A run of codes whose characters follow each other, all in one UTF-16 form: one bfrange line.
struct Run
{
    std::uint32_t firstCode;
    std::uint32_t lastCode;
    char32_t firstCharacter;
};

// A bfrange may only vary the last byte of its codes and of its UTF-16 character.
bool Extends(const Run& run, std::uint32_t code, char32_t character, int codeBytes)
{
    const std::uint32_t step = code - run.lastCode;
    const char32_t expected = run.firstCharacter + (code - run.firstCode);
    const bool sameHighCode = codeBytes == 1 || (code >> 8) == (run.firstCode >> 8);
    const bool sameHighCharacter = (character >> 8) == (run.firstCharacter >> 8) && character < 0x10000;
    return step == 1 && character == expected && sameHighCode && sameHighCharacter;
}

void WriteBlocks(std::string& cmap, const std::vector<std::string>& lines, const char* name)
{
    for (std::size_t start = 0; start < lines.size(); start += EntriesPerBlock) {
        const std::size_t count = std::min(EntriesPerBlock, lines.size() - start);
        cmap += std::to_string(count) + " begin" + name + "\n";
        for (std::size_t i = start; i < start + count; ++i) {
            cmap += lines[i];
        }
        cmap += std::string("end") + name + "\n";
    }
}

} // namespace

std::string ToUnicodeCMap(const std::map<std::uint32_t, char32_t>& characters, int codeBytes)
{
    std::vector<Run> runs;
    for (const auto& [code, character] : characters) {
        if (!runs.empty() && Extends(runs.back(), code, character, codeBytes)) {
            runs.back().lastCode = code;
        } else {
            runs.push_back({ code, code, character });
        }
    }
    std::vector<std::string> singles;
    std::vector<std::string> ranges;
    for (const Run& run : runs) {
        const std::string first = "<" + Hex(run.firstCode, codeBytes) + ">";
        if (run.firstCode == run.lastCode) {
            singles.push_back(first + " " + Utf16(run.firstCharacter) + "\n");
        } else {
            ranges.push_back(first + " <" + Hex(run.lastCode, codeBytes) + "> " + Utf16(run.firstCharacter) + "\n");
        }
    }
    std::string cmap = "/CIDInit /ProcSet findresource begin\n"
                       "12 dict begin\n"
                       "begincmap\n"
                       "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                       "/CMapName /Adobe-Identity-UCS def\n"
                       "/CMapType 2 def\n"
                       "1 begincodespacerange\n<"
        + Hex(0, codeBytes) + "> <" + Hex(codeBytes == 1 ? 0xFF : 0xFFFF, codeBytes) + ">\nendcodespacerange\n";
    WriteBlocks(cmap, singles, "bfchar");
    WriteBlocks(cmap, ranges, "bfrange");
    cmap += "endcmap\n"
            "CMapName currentdict /CMap defineresource pop\n"
            "end\n"
            "end\n";
    return cmap;
}

} // namespace engine
