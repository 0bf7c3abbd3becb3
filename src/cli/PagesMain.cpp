// yq-calc-pages: yq-calc with the commands that draw pages (report,
// build-sheet), which yq-calc hands over to it.
#include "cli/CalcCommand.h"
#include "cli/PageCommands.h"
#include "platform/RuntimeFolder.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // The page commands make an (offscreen) application object; without a
    // runtime folder Qt would warn on every run as root.
    yq::platform::ensureRuntimeFolder();
    const std::vector<std::string> args(argv + 1, argv + argc);
    return yq::cli::runCalcTool(args, std::cin, std::cout, std::cerr, yq::cli::runPageCommand);
}
