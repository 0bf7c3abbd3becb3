// The YQ design calculator: sets up the program's services, runs the main
// window and shuts down in order.

#include "windows/ErrorReporter.h"
#include "app/CommandLine.h"
#include "app/StandardWindows.h"
#include "app/Startup.h"
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

int main(int argc, char** argv) {
    // --help and --version answer without a display.
    if (const auto status = yq::answerInformationOptions({argv + 1, argv + argc}, std::cout)) return *status;
    yq::platform::ensureRuntimeFolder();

    // The runtime and the window engine. The command line stays available
    // through QCoreApplication::arguments() (the link traces read it).
    QApplication app(argc, argv);
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
