// The YQ design calculator: sets up the program's services, runs the main
// window and shuts down in order.

#include "windows/ErrorReporter.h"
#include "app/CommandLine.h"
#include "app/StandardWindows.h"
#include "app/Startup.h"
#include "files/Language.h"
#include "files/ProgramState.h"
#include "platform/DesktopParameters.h"
#include "report/EmbeddedImages.h"
#include "platform/DesktopHandlers.h"
#include "platform/HelpText.h"
#include "platform/RuntimeFolder.h"
#include "windows/DesignWindowRuntime.h"
#include "windows/DialogUnits.h"
#include "windows/MessageBoxes.h"

#include <QApplication>
#include <QIcon>

#include <iostream>
#include <optional>

namespace {

// The language of the run (--lang CODE, or the desktop's), and --help and
// --version: answered in that language before any window, without a
// display. Returns the exit status when the program ends here.
std::optional<int> chooseLanguageAndAnswer(int argc, char** argv, std::optional<QString>& language) {
    QCoreApplication core(argc, argv);
    yq::useLanguage();
    std::vector<std::string> args(argv + 1, argv + argc);
    const auto option = yq::takeLanguageOption(args);
    if (!option) {
        std::cerr << "yq: " << option.problem().text() << '\n';
        return 2;
    }
    if (*option) {
        const auto named = yq::languageOfCode(QString::fromStdString(**option));
        if (!named) {
            std::cerr << "yq: " << named.problem().text() << '\n';
            return 2;
        }
        language = *named;
        yq::useLanguage(language);
    }
    return yq::answerInformationOptions(args, std::cout);
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<QString> language;
    if (const auto status = chooseLanguageAndAnswer(argc, argv, language)) return *status;
    yq::platform::ensureRuntimeFolder();

    // The runtime and the window engine. The command line stays available
    // through QCoreApplication::arguments() (the link traces read it).
    QApplication app(argc, argv);
    yq::useLanguage(language);
    QApplication::setApplicationName(QStringLiteral("yq"));
    QApplication::setApplicationVersion(QString::fromStdString(yq::platform::programVersion()));
    QApplication::setDesktopFileName(QStringLiteral("yq"));
    QApplication::setWindowIcon(QIcon(yq::report::applicationIconPath()));
    // The program ends when the main window's procedure returns, not when
    // its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    yq::installWindowFontSubstitutions();

    yq::ProgramState state;
    yq::ErrorReporter errors;
    yq::MessageBoxes messages(nullptr, &errors);
    yq::WorkingFolderUserFiles users;
    yq::SettingsFileStore settings;
    const auto desktop = yq::platform::systemDesktopParameters();

    yq::DesktopServices services(state, messages);

    yq::MainWindowServices windows = yq::standardMainWindows(errors, messages, users);
    windows.openDesignWindow = [&](yq::UnitSystem system, QWidget* parent) {
        yq::runDesignWindow(system, services.services(), parent);
    };

    yq::Startup startup({errors, users, settings, *desktop, [&] { yq::runMain(windows, errors); }});
    startup.run();
    return 0;
}
