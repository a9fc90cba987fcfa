#pragma once

#include "engine/ConversionOptions.h"

namespace panes {

// What the file list pane needs of the options pane when a run starts: every item stored into the
// options record on the interface thread, and a copy of the record that the run converts with.
class OptionsSource
{
public:
    virtual ~OptionsSource() = default;

    virtual engine::ConversionOptions ReadBackOptions() = 0;
};

} // namespace panes
