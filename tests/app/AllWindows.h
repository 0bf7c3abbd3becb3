// Every window of the program, shown as the user sees it, for the checks
// that go over all of them (contrast, text fit): the main window, the
// information windows, the user list and form, and both design windows on
// each of their tabs.
#pragma once

#include "AppTestSupport.h"

#include "app/AboutWindow.h"
#include "app/MainWindow.h"
#include "app/PicturesWindow.h"
#include "app/UserForm.h"
#include "app/UserListWindow.h"
#include "files/ProgramState.h"
#include "files/UserFile.h"
#include "windows/DesignWindow.h"

#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace yq::test {

// Calls `visit(window, name)` for every window and, for the design windows,
// once for every tab in front.
inline void forEveryWindow(const std::function<void(QWidget* window, const QString& name)>& visit) {
    ensureApplication();
    QTemporaryDir dir;
    UserFile file(dir.path());
    (void)file.add(QStringLiteral("Ann K1AAA"));
    FakeErrorReporter errors;
    RecordingMessages messages;
    const QList<std::pair<QString, std::shared_ptr<QWidget>>> windows = {
        {"main window", std::make_shared<MainWindow>(MainWindowServices{})},
        {"pictures", std::make_shared<PicturesWindow>()},
        {"about", std::make_shared<AboutWindow>()},
        {"user list", std::make_shared<UserListWindow>(file, errors, messages)},
        {"user form", std::make_shared<UserForm>(UserRequest::Insert, UserRecord{}, file, messages)},
    };
    for (const auto& [name, w] : windows) {
        w->show();
        QTest::qWait(20);
        visit(w.get(), name);
        w->close();
    }
    for (const UnitSystem system : {UnitSystem::Imperial, UnitSystem::Metric}) {
        ProgramState state;
        DesignWindowServices services;
        services.messages = &messages;
        DesignWindow window(UnitSystemDescription::of(system), services, state);
        window.show();
        for (int tab = 0; tab < window.tabs()->count(); ++tab) {
            window.tabs()->setCurrentIndex(tab);
            QTest::qWait(30);
            visit(&window, QStringLiteral("%1 window, tab \"%2\"")
                               .arg(system == UnitSystem::Metric ? "Metric" : "Imperial",
                                    window.tabs()->tabText(tab).trimmed()));
        }
        window.close();
    }
}

}  // namespace yq::test
