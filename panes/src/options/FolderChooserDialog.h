#pragma once

#include "optiontree/COptionTreeFileDialog.h"
#include "optiontree/OptionTreeConstants.h"

#include "OptionItemTable.h"

namespace panes {

class FolderMemory;

// The dialog of a folder item of the options pane: the program's folder chooser, which lists folders
// only and can make a new one, started at the item's folder.
class FolderChooserDialog : public optiontree::COptionTreeFileDialog
{
public:
    // memory is the pane's pointer to where the recent folders are kept, read when the dialog opens (null: none);
    // the pointer must outlive the dialog.
    explicit FolderChooserDialog(const FolderMemory* const& memory)
        : m_memory(memory)
    {
    }

    int DoModal() override;

private:
    const FolderMemory* const& m_memory;
};

// The file item options of a path item that opens this dialog; the full path is shown.
quint32 PathItemOptions(PathDialog dialog);

} // namespace panes
