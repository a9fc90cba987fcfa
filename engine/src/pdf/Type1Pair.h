#pragma once

#include "base/Result.h"

#include <string>

namespace engine {

// The name of the font a Type 1 file is of: a metrics file's "FontName" line, a data file's
// "/FontName /..." entry; empty when its front holds none.
std::string Type1FontName(const std::string& path);

// Fails (kind Options), naming both fonts, when the metrics file and the data file are of different
// fonts: the PDF would carry one font's name and widths and draw the other's glyphs. Files whose
// names cannot be found are left to the PDF library to judge.
base::Result<> CheckType1Pair(const std::string& metricsPath, const std::string& dataPath);

} // namespace engine
