#pragma once

#include "panes/SettingsSection.h"

#include <QString>
#include <QStringList>

#include <string>

namespace panes {

// Where the user last was in the open-file dialog and in the folder chooser of Import Directory, and the folders
// last selected in a folder chooser, most recent first: kept in section "Folders" of Settings.ini between runs.
class FolderMemory
{
public:
    static constexpr int RecentCount = 8;

    // An empty path remembers nothing.
    explicit FolderMemory(std::string settingsPath);

    // Each folder as it was stored; empty when none was.
    QString openFileFolder() const;
    void setOpenFileFolder(const QString& folder) const;
    QString importFolder() const;
    void setImportFolder(const QString& folder) const;

    // The recent folders that still exist.
    QStringList recentFolders() const;
    // Puts folder first among the recent folders, once; the oldest beyond RecentCount are dropped.
    void addRecentFolder(const QString& folder) const;

private:
    SettingsSection m_section;
};

} // namespace panes
