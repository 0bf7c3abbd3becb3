#include "cli/CalcCommand.h"
#include "cli/CalcLanguage.h"

#include <QCoreApplication>

#include <cerrno>
#include <climits>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

constexpr const char* kPagesProgram = "yq-calc-pages";

// The folder of this program, from the kernel's own record of it.
std::string programFolder() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return {};
    const std::string self(path, static_cast<std::size_t>(n));
    return self.substr(0, self.rfind('/') + 1);
}

// The page commands draw with Qt's GUI libraries. They run in a program of
// their own, beside this one in the build tree and in the program's library
// folder once installed, so that the calculator starts without loading those
// libraries. The command line is handed over as it is.
int runPagesProgram(char** argv, std::ostream& err) {
    const std::string folder = programFolder();
    const std::string candidates[] = {folder + kPagesProgram, folder + YQ_PAGES_FROM_BINDIR "/" + kPagesProgram};
    for (const std::string& candidate : candidates) {
        if (access(candidate.c_str(), X_OK) != 0) continue;
        execv(candidate.c_str(), argv);
        err << "yq-calc: "
            << yq::cli::message(QT_TRANSLATE_NOOP("CalcMessages", "cannot run %1: %2"),
                                {candidate, std::strerror(errno)})
            << '\n';
        return 1;
    }
    err << "yq-calc: "
        << yq::cli::message(
               QT_TRANSLATE_NOOP("CalcMessages",
                                 "the page commands need %1, which is not installed (looked for %2 and %3)"),
               {kPagesProgram, candidates[0], candidates[1]})
        << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    // The translation of a language other than English is held by a core
    // application object; page commands take --lang from the command line
    // handed over to yq-calc-pages.
    std::unique_ptr<QCoreApplication> app;
    if (const auto status =
            yq::cli::chooseCalcLanguage(args, std::cerr, [&] { app = std::make_unique<QCoreApplication>(argc, argv); }))
        return *status;
    return yq::cli::runCalcTool(args, std::cin, std::cout, std::cerr,
                                [argv](const std::vector<std::string>&, std::ostream&, std::ostream& err) {
                                    std::cout.flush();
                                    return runPagesProgram(argv, err);
                                });
}
