#include "cli/CalcCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    return yq::cli::runCalcTool(args, std::cin, std::cout, std::cerr);
}
