#include "panes/FileEntryList.h"

#include <algorithm>

namespace panes {

FileEntryList::Id FileEntryList::append(const std::string& path, const std::string& relativePath)
{
    const Id id = m_nextId++;
    m_indexOfPath.emplace(path, m_paths.size());
    m_indexOfId.emplace(id, m_paths.size());
    m_paths.push_back(path);
    m_relativePaths.push_back(relativePath);
    m_ids.push_back(id);
    return id;
}

void FileEntryList::remove(std::vector<std::size_t> indices)
{
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    std::size_t kept = 0;
    auto next = indices.begin();
    for (std::size_t i = 0; i < m_paths.size(); ++i) {
        if (next != indices.end() && *next == i) {
            ++next;
            continue;
        }
        if (kept != i) { // a string moved onto itself comes out empty
            m_paths[kept] = std::move(m_paths[i]);
            m_relativePaths[kept] = std::move(m_relativePaths[i]);
            m_ids[kept] = m_ids[i];
        }
        ++kept;
    }
    m_paths.resize(kept);
    m_relativePaths.resize(kept);
    m_ids.resize(kept);
    reindex();
}

void FileEntryList::clear()
{
    m_paths.clear();
    m_relativePaths.clear();
    m_ids.clear();
    reindex();
}

std::ptrdiff_t FileEntryList::indexOf(Id id) const
{
    auto found = m_indexOfId.find(id);
    return found == m_indexOfId.end() ? -1 : static_cast<std::ptrdiff_t>(found->second);
}

void FileEntryList::reindex()
{
    m_indexOfPath.clear();
    m_indexOfId.clear();
    for (std::size_t i = 0; i < m_paths.size(); ++i) {
        m_indexOfPath.emplace(m_paths[i], i);
        m_indexOfId.emplace(m_ids[i], i);
    }
}

} // namespace panes
