#pragma once

#include "base/Result.h"

#include <string>
#include <vector>

namespace engine {

// What came of converting one text file.
struct FileResult
{
    std::string inputPath;
    std::string outputPath;
    // Ok when the PDF was written (possibly with warnings). Otherwise no PDF was written for this
    // file and an older PDF is left as it was; the failure says why, and its kind what kept the file
    // from its PDF, so that a caller can choose its message and mark the file:
    //   Input     the text file could not be read: missing, a folder or device, no permission
    //   Output    the PDF could not be written: read-only, no room, no permission, or its path is the
    //             input itself or the PDF of an earlier input of the run
    //   Options   the options (or passwords) cannot make a PDF, or the PDF library refused them
    //   Memory    not enough memory to convert this file, or to create a PDF document at all
    //   Abandoned given up part-way when asked to (ConversionRun::requestAbandon)
    base::Result<> outcome;
    // The PDF library could not create a document at all (out of memory): a run halts after it.
    bool noDocument = false;
    std::vector<std::string> warnings; // in the order they arose

    bool written() const { return outcome.ok(); }
};

} // namespace engine
