#pragma once

#include <string>
#include <vector>

namespace engine {

enum class FileStatus {
    Written,    // the PDF was written (possibly with warnings)
    Failed,     // no PDF was written for this file; error says why; an older PDF is left as it was
    NoDocument, // the PDF library could not create a document at all (out of memory); the run halts
};

// What came of converting one text file.
struct FileResult
{
    FileStatus status = FileStatus::Failed;
    std::string inputPath;
    std::string outputPath;
    std::string error;                 // the reason, when not Written
    std::vector<std::string> warnings; // in the order they arose

    bool written() const { return status == FileStatus::Written; }
};

} // namespace engine
