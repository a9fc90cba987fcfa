#include "panes/FolderMemory.h"

#include <QDir>
#include <QFileInfo>

#include <vector>

namespace panes {

namespace {

const char* const OpenFileKey = "OpenFileFolder";
const char* const ImportKey = "ImportFolder";

// "RecentFolder1" .. "RecentFolder8"; the texts live as long as the program, as the section's keys must.
const char* recentKey(int index)
{
    static const auto keys = [] {
        std::vector<std::string> names;
        for (int i = 1; i <= FolderMemory::RecentCount; ++i) {
            names.push_back("RecentFolder" + std::to_string(i));
        }
        return names;
    }();
    return keys[std::size_t(index)].c_str();
}

// Stored without a trailing separator, the root folder whole.
QString cleaned(const QString& folder)
{
    return folder.isEmpty() ? folder : QDir::cleanPath(folder);
}

} // namespace

FolderMemory::FolderMemory(std::string settingsPath)
    : m_section(std::move(settingsPath), "Folders")
{
}

QString FolderMemory::openFileFolder() const
{
    return m_section.read().text(OpenFileKey);
}

void FolderMemory::setOpenFileFolder(const QString& folder) const
{
    m_section.write({ { OpenFileKey, cleaned(folder) } });
}

QString FolderMemory::importFolder() const
{
    return m_section.read().text(ImportKey);
}

void FolderMemory::setImportFolder(const QString& folder) const
{
    m_section.write({ { ImportKey, cleaned(folder) } });
}

QStringList FolderMemory::recentFolders() const
{
    QStringList folders;
    const auto stored = m_section.read();
    for (int i = 0; i < RecentCount; ++i) {
        const QString folder = stored.text(recentKey(i));
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            folders.append(folder);
        }
    }
    return folders;
}

void FolderMemory::addRecentFolder(const QString& folder) const
{
    QStringList folders { cleaned(folder) };
    const auto stored = m_section.read();
    for (int i = 0; i < RecentCount; ++i) {
        const QString kept = stored.text(recentKey(i));
        if (!kept.isEmpty() && !folders.contains(kept)) {
            folders.append(kept);
        }
    }
    std::vector<std::pair<const char*, QString>> values;
    for (int i = 0; i < RecentCount; ++i) {
        values.emplace_back(recentKey(i), i < folders.size() ? folders[i] : QString());
    }
    m_section.write(values);
}

} // namespace panes
