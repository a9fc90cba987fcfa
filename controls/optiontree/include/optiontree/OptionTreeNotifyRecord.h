#pragma once

#include "controls/ControlNotify.h"

namespace optiontree {

class COptionTreeItem;

// Record of every notification of COptionTree; code is one of the TreeNotify* values.
struct OptionTreeNotifyRecord : controls::NotifyHeader
{
    COptionTreeItem* item = nullptr; // the item concerned, or none
};

} // namespace optiontree
