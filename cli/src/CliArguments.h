#pragma once

#include "base/Result.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cli {

// The command line, split into its parts; option flags are kept in order as (flag, values) so that
// they can be applied over the options loaded from the settings file.
struct CliArguments
{
    std::optional<std::string> settingsPath;
    std::string ownerPassword;
    std::string userPassword;
    // Files whose first line is the password ("-" for standard input), read before the run.
    std::optional<std::string> ownerPasswordFile;
    std::optional<std::string> userPasswordFile;
    std::vector<std::pair<std::string, std::vector<std::string>>> overrides;
    std::vector<std::string> inputs; // "-" for standard input
    // -o: the PDF of the one input, or the combined PDF; "-" for standard output.
    std::optional<std::string> outputFile;
    // --files-from: a file naming more inputs, one a line or, with -0, NUL-separated; "-" for standard
    // input.
    std::optional<std::string> filesFrom;
    bool nullSeparated = false;
    std::vector<std::string> patterns; // the files a folder stands for; none: *.txt
    int jobs = 0; // files converted at once; 0 for one per processor core
    bool quiet = false;
    bool help = false;
    bool version = false;
};

// Splits the arguments by the flags of CliFlags.h; fails (kind Options) with the reason on a usage
// error.
base::Result<CliArguments> ParseArguments(const std::vector<std::string>& args);

} // namespace cli
