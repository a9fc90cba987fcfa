#pragma once

#include <string>
#include <vector>

namespace platform {

// A file a folder walk found: its path (the folder walked, "/", the relative path) and its path below
// the folder walked ("sub/a.txt").
struct FoundFile
{
    std::string path;
    std::string relativePath;
};

// A part of the tree the walk could not take in: a folder that cannot be read, a folder that is its
// own ancestor (a loop through a bind mount), or a file whose path is too long for the system to open.
struct WalkProblem
{
    std::string path;
    std::string reason;
};

struct FolderListing
{
    std::vector<FoundFile> files;
    std::vector<WalkProblem> problems;
};

// The pattern a folder stands for when none is given.
inline constexpr const char* TextFilePattern = "*.txt";

// Every file below folder whose name matches one of patterns (shell wildcards, letter case ignored),
// depth first: the entries of each folder in name order (letter case ignored), a sub-folder walked at
// once before the entries after it. Each folder is opened relative to its parent's open handle, so
// the depth of the tree is no limit. Symbolic links to folders are not followed; pipes and devices
// are left out; what cannot be walked is listed in problems, and the walk goes on.
FolderListing WalkFolder(const std::string& folder, const std::vector<std::string>& patterns = { TextFilePattern });

} // namespace platform
