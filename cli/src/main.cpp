#include "cli/Cli.h"

#include <csignal>
#include <exception>
#include <iostream>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// The width of the terminal standard error shows on, asked again at every draw so that the progress
// line follows a resized window; 0 when unknown.
int TerminalColumns()
{
    winsize size {};
    return ::ioctl(2, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
}

} // namespace

int main(int argc, char** argv)
{
    // A reader of standard output that goes away (`marlowen-cli -o - f.txt | head`) makes the write
    // fail with a message and exit status 1, after the temporary files are removed, instead of killing
    // the program where it stands.
    ::signal(SIGPIPE, SIG_IGN);
    try {
        return cli::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, ::isatty(2) != 0,
                        TerminalColumns);
    } catch (const std::exception& e) {
        std::cerr << "marlowen-cli: " << e.what() << "\n";
        return cli::ExitSomeFailed;
    }
}
