#pragma once

#include <string>
#include <vector>

namespace app {

// What the command line asks of a start.
struct StartArguments
{
    // False after "-Embedding" or "-Automation" (any letter case, one or two dashes): no splash
    // window and no tip of the day.
    bool startupWindows = true;
    // Files and folders to add to the list, made absolute against the folder the program started in,
    // as the bytes the system gave (a path need not be valid text).
    std::vector<std::string> paths;
};

// What the program prints for --help or --version (or -h) among the arguments, before it opens any window; empty
// when neither is there.
std::string CommandLineAnswer(const std::vector<std::string>& arguments);

// An argument that begins with '-' is a switch, every other one a file or folder; switches other
// than the two above are ignored.
StartArguments ParseStartArguments(const std::vector<std::string>& arguments, const std::string& currentFolder);

} // namespace app
