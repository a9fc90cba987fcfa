#pragma once

#include "engine/ConversionJob.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// An input as the command line or a --files-from list names it.
struct InputName
{
    std::string name;
    bool listed = false; // from a list, where "-" is a file of that name, not standard input
};

struct CollectedJobs
{
    std::vector<engine::ConversionJob> jobs;
    // Part of a folder could not be walked, or a folder named held no file to convert: the run fails.
    bool folderFailed = false;
};

// The jobs the inputs stand for, with the passwords given: "-" standard input; a folder the files
// below it that match patterns (*.txt when none), each with its path below the folder; anything else
// is taken as it is, so that a missing file fails with its reason like any other. What a folder walk
// could not take in, and a folder without a matching file, is printed on err as a failure.
CollectedJobs CollectJobs(const std::vector<InputName>& inputs, const std::vector<std::string>& patterns,
                          const engine::ConversionJob& passwords, std::ostream& err);

} // namespace cli
