#include "Cli.h"

#include <exception>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    try {
        return cli::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, ::isatty(2) != 0);
    } catch (const std::exception& e) {
        std::cerr << "marlowen-cli: " << e.what() << "\n";
        return cli::ExitSomeFailed;
    }
}
