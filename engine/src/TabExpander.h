#pragma once

#include "CharacterBounds.h"

#include <string>

namespace engine {

// ExpandTabs (TabExpansion.h) for a text in any font encoding, whose characters the bounds tell.
std::string ExpandTabs(std::string text, int tabWidth, const CharacterBounds& bounds);

} // namespace engine
