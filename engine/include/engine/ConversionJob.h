#pragma once

#include <string>

namespace engine {

// The name standard input goes by in messages and results.
inline constexpr const char* StandardInputName = "stdin";

// One file of a run: where its text comes from, where its PDF goes, and the passwords of its own list
// entry.
struct ConversionJob
{
    std::string path; // StandardInputName for standard input
    std::string ownerPassword;
    std::string userPassword;
    // The path below the folder the file was found in ("sub/a.txt"), which it keeps below an output
    // folder; empty: its file name alone.
    std::string relativePath;
    // The PDF's path chosen for this file alone; empty: as the options place it (OutputPathOf).
    std::string outputPath;
    bool standardInput = false; // the text is read from standard input, to its end

    // The path it keeps below an output folder and its bookmark in a combined PDF: the relative path,
    // or the file name.
    std::string keptPath() const
    {
        return relativePath.empty() ? path.substr(path.find_last_of('/') + 1) : relativePath;
    }
};

} // namespace engine
