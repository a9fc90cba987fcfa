#include "Cli.h"

#include <exception>
#include <iostream>
#include <malloc.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    // The PDF library sets up and frees a compression state for every page it writes; with glibc's
    // default the freed heap goes back to the system and is taken again page after page, which cost
    // a third of a conversion's time. Freed memory is kept for reuse instead.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    try {
        return cli::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, ::isatty(2) != 0);
    } catch (const std::exception& e) {
        std::cerr << "marlowen-cli: " << e.what() << "\n";
        return cli::ExitSomeFailed;
    }
}
