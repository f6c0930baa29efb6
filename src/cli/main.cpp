// brisanel-calc: the window's calculations from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/run.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return brisanel::cli::runCommandLine(arguments, std::cout, std::cerr);
}
