#include "engine/TabExpansion.h"

#include "TabExpander.h"

#include <algorithm>

namespace engine {

std::string ExpandTabs(std::string text, int tabWidth, const CharacterBounds& bounds)
{
    if (tabWidth <= 0 || text.find('\t') == std::string::npos) {
        return text; // the common case costs one scan and no copy
    }
    const auto width = static_cast<std::size_t>(tabWidth);
    std::string expanded;
    expanded.reserve(text.size() + text.size() / 8);
    std::size_t column = 0;
    std::string_view rest(text);
    while (!rest.empty()) {
        const char c = rest.front();
        if (c == '\t') {
            const std::size_t blanks = width - column % width;
            expanded.append(blanks, ' ');
            column += blanks;
            rest.remove_prefix(1);
            continue;
        }
        const std::size_t length = std::max<std::size_t>(bounds.firstLength(rest), 1);
        expanded.append(rest.substr(0, length));
        column = c == '\n' || c == '\r' ? 0 : column + 1;
        rest.remove_prefix(length);
    }
    return expanded;
}

std::string ExpandTabs(std::string utf8Text, int tabWidth)
{
    return ExpandTabs(std::move(utf8Text), tabWidth, CharacterBounds::Utf8());
}

} // namespace engine
