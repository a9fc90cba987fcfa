#pragma once

#include "base/Result.h"
#include "engine/ConversionOptions.h"
#include "engine/OptionTable.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

using FlagValues = std::vector<std::string>;

// Sets options from the values of a flag; fails (kind Options) when a value is not understood.
// Choices take the list text (any letter case, hyphens optional), its short name (the text before
// " [" or "("), or its index.
using OptionSetter = std::function<base::Result<>(engine::ConversionOptions&, const FlagValues&)>;

// Sets the option from its value: a number within the option's range, a choice, or a text.
OptionSetter SetOption(const engine::OptionDescription& option);
// A side of a custom page: also chooses "Custom Page Size", so that it takes effect.
OptionSetter SetPageSide(const engine::OptionDescription& side);
// All four margins.
OptionSetter SetMargins();
// A standard or a CID font by name, with its kind.
OptionSetter SetFont();
// A Type 1 font from its metrics and data files, or a TrueType font file, with its kind.
OptionSetter SetType1Font();
OptionSetter SetTrueTypeFont();
// The orientation of a flag without a value.
OptionSetter SetOrientation(engine::PageOrientation orientation);

} // namespace cli
