#pragma once

#include "engine/ConversionOptions.h"

namespace testsupport {

// A record with every page layout option off its default: what the options pane's items read back
// and the command line's flags set in their tests, so that both programs make the same PDF.
inline engine::ConversionOptions LayoutRecord()
{
    engine::ConversionOptions options;
    options.LineGap = 2;
    options.Orientation = engine::Landscape;
    options.Columns = 3;
    options.FormFeed = engine::No;
    options.LineNumbers = 5;
    options.Header = "{file}||{page}/{pages}";
    options.Footer = "{title}";
    return options;
}

} // namespace testsupport
