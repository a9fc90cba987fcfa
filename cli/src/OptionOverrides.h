#pragma once

#include "base/Result.h"
#include "engine/ConversionOptions.h"

#include <optional>
#include <string>
#include <vector>

namespace cli {

// Whether flag names an option override, and how many values it takes.
std::optional<int> OverrideArity(const std::string& flag);

// Applies one override flag to the options; fails (kind Options) when a value is not understood.
base::Result<> ApplyOverride(engine::ConversionOptions& options, const std::string& flag,
                             const std::vector<std::string>& values);

} // namespace cli
