#pragma once

#include "base/Result.h"
#include "engine/ConversionOptions.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

using FlagValues = std::vector<std::string>;

// Sets options from the values of a flag; fails (kind Options) when a value is not understood.
// Choices take the list text (any letter case), its short name (the text before " [" or "("), or
// its index.
using OptionSetter = std::function<base::Result<>(engine::ConversionOptions&, const FlagValues&)>;

OptionSetter SetNumber(int engine::ConversionOptions::*field);
OptionSetter SetNumberWithin(int engine::ConversionOptions::*field, int lowest, int highest);
OptionSetter SetText(std::string engine::ConversionOptions::*field);
OptionSetter SetChoice(int engine::ConversionOptions::*field, std::span<const std::string_view> choices);
// A named page size, or "Custom Page Size".
OptionSetter SetPageSize();
// A side of a custom page: also chooses "Custom Page Size", so that it takes effect.
OptionSetter SetPageSide(int engine::ConversionOptions::*field);
// All four margins.
OptionSetter SetMargins();
// A standard or a CID font by name, with its kind.
OptionSetter SetFont();
// A Type 1 font from its metrics and data files, or a TrueType font file, with its kind.
OptionSetter SetType1Font();
OptionSetter SetTrueTypeFont();

} // namespace cli
