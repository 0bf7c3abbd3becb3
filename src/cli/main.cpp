#include "cli/BuildSheetCommand.h"
#include "cli/CalcCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "build-sheet")
        return yq::cli::runBuildSheetCommand({args.begin() + 1, args.end()}, std::cout, std::cerr);
    return yq::cli::runCalcTool(args, std::cin, std::cout, std::cerr);
}
