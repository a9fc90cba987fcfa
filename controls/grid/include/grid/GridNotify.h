#pragma once

#include "grid/GridItem.h"
#include "grid/GridTypes.h"

#include <controls/ControlNotify.h>

namespace grid {

// Record of the click, focus and edit-start notifications: the cell concerned.
struct NM_GRIDVIEW : controls::NotifyHeader
{
    int iRow = -1;
    int iColumn = -1;
};

// Record of the display request (LVN_GETDISPINFOA) and of the end of an edit
// (LVN_ENDLABELEDITA): a whole item the receiver may read or fill.
struct GV_DISPINFO : controls::NotifyHeader
{
    GridItem item;
};

// Record of the cache hint (LVN_ODCACHEHINT): the cells about to be painted,
// or an invalid range once painting is over.
struct GV_CACHEHINT : controls::NotifyHeader
{
    GridCellRange range;
};

} // namespace grid
