#include "platform/FolderWalk.h"

#include "platform/AtomicFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {
namespace {

std::string Upper(std::string text)
{
    for (auto& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

struct Entry
{
    std::string name;
    std::string upper;
};

// Why the folder cannot be read, from errno.
std::string UnreadableReason()
{
    return "the folder cannot be read: " + ErrnoText(errno);
}

using FolderIdentity = std::pair<dev_t, ino_t>;

FolderIdentity IdentityOf(int fd)
{
    struct stat own {};
    ::fstat(fd, &own);
    return { own.st_dev, own.st_ino };
}

class Walker
{
public:
    Walker(const std::vector<std::string>& patterns, FolderListing& listing)
        : m_patterns(patterns)
        , m_listing(listing)
    {
    }

    // Walks the folder open at fd, shown as path, whose files lie below relative. Only one handle is
    // open at a time, whatever the depth: a folder's handle is closed while a sub-folder is walked and
    // had again through the sub-folder's "..". Returns the handle the folder ends with, or -1 when the
    // tree changed so that the folder could not be had again (the walk then ends, with a problem).
    int walk(int fd, const std::string& path, const std::string& relative)
    {
        const FolderIdentity identity = IdentityOf(fd);
        if (!m_ancestors.insert(identity).second) {
            problem(path, "a folder loop: the folder contains itself");
            return fd;
        }
        auto entries = readEntries(fd, path);
        for (const auto& entry : entries) {
            fd = visit(fd, entry.name, path + "/" + entry.name, relative + entry.name);
            if (fd < 0) {
                if (!m_lost) {
                    m_lost = true;
                    problem(path, "the folder was moved while it was walked; the rest of the walk is left out");
                }
                return -1;
            }
        }
        m_ancestors.erase(identity);
        return fd;
    }

private:
    void problem(const std::string& path, std::string reason)
    {
        m_listing.problems.push_back({ path, std::move(reason) });
    }
    void unreadable(const std::string& path) { problem(path, UnreadableReason()); }

    // The entries of the folder in name order, letter case ignored; the handle stays open.
    std::vector<Entry> readEntries(int fd, const std::string& path)
    {
        std::vector<Entry> entries;
        int own = ::dup(fd);
        DIR* dir = own < 0 ? nullptr : ::fdopendir(own);
        if (!dir) {
            unreadable(path);
            if (own >= 0) {
                ::close(own);
            }
            return entries;
        }
        errno = 0;
        while (const dirent* entry = ::readdir(dir)) {
            std::string name = entry->d_name;
            if (name != "." && name != "..") {
                entries.push_back({ name, Upper(name) });
            }
            errno = 0;
        }
        if (errno != 0) {
            unreadable(path);
        }
        ::closedir(dir);
        std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
            return a.upper != b.upper ? a.upper < b.upper : a.name < b.name;
        });
        return entries;
    }

    // Takes in one entry of the folder open at parent; returns the folder's handle to go on with.
    int visit(int parent, const std::string& name, const std::string& path, const std::string& relative)
    {
        struct stat link {};
        if (::fstatat(parent, name.c_str(), &link, AT_SYMLINK_NOFOLLOW) != 0) {
            problem(path, "cannot be examined: " + ErrnoText(errno));
            return parent;
        }
        if (S_ISDIR(link.st_mode)) {
            return descend(parent, name, path, relative);
        }
        addIfWanted(parent, name, link, path, relative);
        return parent;
    }

    int descend(int parent, const std::string& name, const std::string& path, const std::string& relative)
    {
        int child = ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child < 0) {
            unreadable(path);
            return parent;
        }
        const FolderIdentity parentIdentity = IdentityOf(parent);
        ::close(parent);
        child = walk(child, path, relative + "/");
        if (child < 0) {
            return -1;
        }
        int back = ::openat(child, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(child);
        if (back >= 0 && IdentityOf(back) != parentIdentity) {
            ::close(back);
            back = -1;
        }
        return back;
    }

    void addIfWanted(int parent, const std::string& name, const struct stat& link, const std::string& path,
                     const std::string& relative)
    {
        if (!matches(name)) {
            return;
        }
        struct stat target = link;
        // A link is taken for what it leads to; a broken one is listed and fails later with its reason.
        if (S_ISLNK(link.st_mode) && ::fstatat(parent, name.c_str(), &target, 0) == 0 && !S_ISREG(target.st_mode)) {
            return;
        }
        if (!S_ISREG(target.st_mode) && !S_ISLNK(target.st_mode)) {
            return; // pipes and devices may never end
        }
        if (path.size() >= PATH_MAX) {
            problem(path, "the path is too long to open");
            return;
        }
        m_listing.files.push_back({ path, relative });
    }

    bool matches(const std::string& name) const
    {
        return std::any_of(m_patterns.begin(), m_patterns.end(), [&name](const std::string& pattern) {
            return ::fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0;
        });
    }

    const std::vector<std::string>& m_patterns;
    FolderListing& m_listing;
    std::set<FolderIdentity> m_ancestors;
    bool m_lost = false;
};

} // namespace

FolderListing WalkFolder(const std::string& folder, const std::vector<std::string>& patterns)
{
    FolderListing listing;
    std::string shown = folder;
    while (shown.size() > 1 && shown.back() == '/') {
        shown.pop_back();
    }
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        listing.problems.push_back({ shown, UnreadableReason() });
        return listing;
    }
    fd = Walker(patterns, listing).walk(fd, shown == "/" ? "" : shown, "");
    if (fd >= 0) {
        ::close(fd);
    }
    return listing;
}

} // namespace platform
