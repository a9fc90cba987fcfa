#include "Cli.h"

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
    try {
        return cli::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, ::isatty(2) != 0,
                        TerminalColumns);
    } catch (const std::exception& e) {
        std::cerr << "marlowen-cli: " << e.what() << "\n";
        return cli::ExitSomeFailed;
    }
}
