#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// Exit codes of marlowen-cli.
enum ExitCode {
    ExitConverted = 0,  // every file was converted
    ExitSomeFailed = 1, // at least one file yielded no PDF
    ExitUsage = 2,      // the command line could not be understood
};

// Runs the command-line converter with the arguments after the program name. Progress, warnings and
// failures go to err; out receives only --help and --version. stderrIsTerminal chooses a redrawn bar over plain
// progress lines; terminalColumns gives the terminal's width when the bar is drawn (80 without it).
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool stderrIsTerminal,
        std::function<int()> terminalColumns = {});

} // namespace cli
