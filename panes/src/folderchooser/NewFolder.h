#pragma once

#include <QString>

namespace panes {

// A folder made by the folder chooser's New Folder button: its path, or the message telling the user why there is
// none (a name that cannot name a folder, a name already taken, the system's refusal).
struct NewFolder
{
    QString path;
    QString failure;
};

// Makes the folder named name inside parent. Surrounding blanks of the name are dropped; an empty name makes nothing
// and tells nothing.
NewFolder makeNewFolder(const QString& parent, const QString& name);

} // namespace panes
