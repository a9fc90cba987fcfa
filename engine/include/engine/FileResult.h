#pragma once

#include <string>
#include <vector>

namespace engine {

enum class FileStatus {
    Written,    // the PDF was written (possibly with warnings)
    Failed,     // no PDF was written for this file; error says why; an older PDF is left as it was
    NoDocument, // the PDF library could not create a document at all (out of memory); the run halts
};

// What kept a file from its PDF, so that a caller can choose its message and mark the file.
enum class FailureKind {
    None,      // the PDF was written
    Input,     // the text file could not be read: missing, a folder or device, no permission
    Output,    // the PDF could not be written: read-only, no room, no permission, or its path is the
               // input itself or the PDF of an earlier input of the run
    Options,   // the options (or passwords) cannot make a PDF, or the PDF library refused them
    Memory,    // not enough memory to convert this file, or to create a PDF document at all
    Abandoned, // given up part-way when asked to (ConversionRun::requestAbandon)
};

// What came of converting one text file.
struct FileResult
{
    FileStatus status = FileStatus::Failed;
    FailureKind failure = FailureKind::None;
    std::string inputPath;
    std::string outputPath;
    std::string error;                 // the reason, when not Written
    std::vector<std::string> warnings; // in the order they arose

    bool written() const { return status == FileStatus::Written; }
};

} // namespace engine
