#pragma once

#include "optiontree/COptionTreeFileDialog.h"
#include "optiontree/OptionTreeConstants.h"

#include "OptionItemTable.h"

namespace panes {

// The dialog of a folder item of the options pane: the program's folder chooser, which lists folders
// only and can make a new one, started at the item's folder.
class FolderChooserDialog : public optiontree::COptionTreeFileDialog
{
public:
    int DoModal() override;
};

// The file item options of a path item that opens this dialog; the full path is shown.
quint32 PathItemOptions(PathDialog dialog);

} // namespace panes
