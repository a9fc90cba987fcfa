#include "FolderChooserDialog.h"

#include "folderchooser/CSelectFolderDialog.h"

namespace panes {

int FolderChooserDialog::DoModal()
{
    const Request& request = GetRequest();
    CSelectFolderDialog chooser(false, request.initialPath, QFileDialog::Options(), QString(), request.owner);
    if (m_memory) {
        chooser.setFolderMemory(*m_memory);
    }
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFolder().isEmpty()) {
        return Cancelled;
    }
    accept({ chooser.selectedFolder() });
    return Accepted;
}

quint32 PathItemOptions(PathDialog dialog)
{
    switch (dialog) {
    case PathDialog::Open:
        return optiontree::FileOptionOpenDialog | optiontree::FileOptionShowFullPath;
    case PathDialog::Save:
        return optiontree::FileOptionShowFullPath;
    case PathDialog::Folder:
        return optiontree::FileOptionFolder | optiontree::FileOptionShowFullPath;
    }
    return optiontree::FileOptionShowFullPath;
}

} // namespace panes
