#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace panes {

// The full paths of the file list, one per data row in row order, each with an identity that stays with its entry
// when other entries are removed. Paths are compared byte for byte (letter case counts, nothing normalised);
// looking a path or an identity up costs the same however long the list is.
class FileEntryList
{
public:
    using Id = std::uint64_t;

    std::size_t size() const { return m_paths.size(); }
    bool empty() const { return m_paths.empty(); }
    const std::string& path(std::size_t index) const { return m_paths[index]; }
    // The path below the folder the entry was imported or dropped from; empty for a file added alone.
    const std::string& relativePath(std::size_t index) const { return m_relativePaths[index]; }
    Id id(std::size_t index) const { return m_ids[index]; }
    bool contains(const std::string& path) const { return m_indexOfPath.contains(path); }

    // Appends a path not yet listed and returns its identity.
    Id append(const std::string& path, const std::string& relativePath = {});
    // Removes the entries at the given positions (in any order).
    void remove(std::vector<std::size_t> indices);
    void clear();
    // The position of an entry, or -1 when it has been removed.
    std::ptrdiff_t indexOf(Id id) const;

private:
    void reindex();

    std::vector<std::string> m_paths;
    std::vector<std::string> m_relativePaths;
    std::vector<Id> m_ids;
    std::unordered_map<std::string, std::size_t> m_indexOfPath;
    std::unordered_map<Id, std::size_t> m_indexOfId;
    Id m_nextId = 1;
};

} // namespace panes
