// yq-calc-pages: yq-calc with the commands that draw pages (report,
// build-sheet), which yq-calc hands over to it.
#include "cli/CalcCommand.h"
#include "cli/CalcLanguage.h"
#include "cli/PageCommands.h"
#include "platform/RuntimeFolder.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // The page commands make an (offscreen) application object; without a
    // runtime folder Qt would warn on every run as root.
    yq::platform::ensureRuntimeFolder();
    std::vector<std::string> args(argv + 1, argv + argc);
    // A language other than English is held by the (offscreen) GUI
    // application the page commands draw with.
    std::unique_ptr<QGuiApplication> app;
    if (const auto status =
            yq::cli::chooseCalcLanguage(args, std::cerr, [&] { app = yq::cli::ensureGuiApplication(); }))
        return *status;
    return yq::cli::runCalcTool(args, std::cin, std::cout, std::cerr, yq::cli::runPageCommand);
}
