// Start-up and shutdown: the services come up in order, full-window dragging
// is switched off only when it was on and given back at the end, and the
// shutdown runs in the reverse order, also when the main window fails.

#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "platform/DesktopParameters.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace yq {
namespace {

using test::CallLog;

struct StartupCase {
    const char* name;
    std::optional<int> dragAtStart;
    QStringList expected;
    std::optional<int> dragAtEnd;
};

class StartupOrder : public ::testing::TestWithParam<StartupCase> {};

TEST_P(StartupOrder, ServicesComeUpAndGoDownInOrder) {
    const StartupCase& c = GetParam();
    CallLog log;
    test::FakeErrorReporter errors(&log);
    test::FakeUserFiles users(log);
    test::FakeSettings settings(log);
    test::FakeDesktop desktop(log, c.dragAtStart);
    std::optional<int> dragWhileRunning;
    Startup startup({errors, users, settings, desktop, [&] {
                         log.add("main");
                         dragWhileRunning = desktop.flag();
                     }});
    startup.run();

    EXPECT_EQ(log.calls, c.expected);
    EXPECT_EQ(desktop.flag(), c.dragAtEnd);
    if (c.dragAtStart == 1) {
        EXPECT_EQ(dragWhileRunning, 0) << "dragging must be off while the program runs";
    }
    EXPECT_EQ(startup.savedDragSetting(), c.dragAtStart.value_or(0));
}

INSTANTIATE_TEST_SUITE_P(
    DragSettings, StartupOrder,
    ::testing::Values(StartupCase{"DragOnIsSwitchedOffAndBackOn",
                                  1,
                                  {"errors.init", "users.init", "settings.open yq.INI", "desktop.get",
                                   "desktop.set 0 3", "main", "settings.update", "desktop.set 1 3", "settings.close",
                                   "users.release", "errors.release"},
                                  1},
                      StartupCase{"DragOffIsNeverTouched",
                                  0,
                                  {"errors.init", "users.init", "settings.open yq.INI", "desktop.get", "main",
                                   "settings.update", "settings.close", "users.release", "errors.release"},
                                  0},
                      StartupCase{"UnreadableDragFlagChangesNothing",
                                  std::nullopt,
                                  {"errors.init", "users.init", "settings.open yq.INI", "desktop.get", "main",
                                   "settings.update", "settings.close", "users.release", "errors.release"},
                                  std::nullopt}),
    [](const ::testing::TestParamInfo<StartupCase>& p) { return std::string(p.param.name); });

TEST(Startup, MainWindowThatThrowsStillShutsDownAndRestoresDragging) {
    CallLog log;
    test::FakeErrorReporter errors(&log);
    test::FakeUserFiles users(log);
    test::FakeSettings settings(log);
    test::FakeDesktop desktop(log, 1);
    Startup startup({errors, users, settings, desktop, [] { throw std::runtime_error("window engine failed"); }});
    EXPECT_THROW(startup.run(), std::runtime_error);
    EXPECT_EQ(desktop.flag(), 1);
    ASSERT_GE(log.calls.size(), 5);
    EXPECT_EQ(log.calls.mid(log.calls.size() - 5),
              QStringList({"settings.update", "desktop.set 1 3", "settings.close", "users.release", "errors.release"}));
}

TEST(Startup, MainWindowThatReturnsAtOnceStillShutsDown) {
    CallLog log;
    test::FakeErrorReporter errors(&log);
    test::FakeUserFiles users(log);
    test::FakeSettings settings(log);
    test::FakeDesktop desktop(log, 1);
    Startup startup({errors, users, settings, desktop, {}});
    startup.run();
    EXPECT_EQ(log.calls.last(), "errors.release");
    EXPECT_TRUE(log.calls.contains("settings.close"));
    EXPECT_EQ(desktop.flag(), 1);
}

TEST(LinuxDesktopParameters, ReadingFailsAndNothingIsChanged) {
    platform::LinuxDesktopParameters desktop;
    EXPECT_FALSE(desktop.dragFullWindows().has_value());
    EXPECT_FALSE(desktop.setDragFullWindows(0, platform::parameterFlags::UpdateAndBroadcast));
    EXPECT_EQ(platform::parameterFlags::UpdateAndBroadcast, 3);

    // The whole sequence on this desktop: no change is attempted.
    CallLog log;
    test::FakeErrorReporter errors(&log);
    test::FakeUserFiles users(log);
    test::FakeSettings settings(log);
    Startup startup({errors, users, settings, desktop, [&] { log.add("main"); }});
    startup.run();
    EXPECT_EQ(startup.savedDragSetting(), 0);
    EXPECT_TRUE(log.calls.contains("main"));
}

// The real settings file: the first run creates it in the configuration
// folder with the bookkeeping count 0.
TEST(Startup, FirstRunWritesSectorsZeroToTheSettingsFile) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());

    CallLog log;
    test::FakeErrorReporter errors(&log);
    test::FakeUserFiles users(log);
    SettingsFileStore settings;
    test::FakeDesktop desktop(log, 0);
    const QString path = config.path() + "/yq/yq.INI";
    bool existedWhileRunning = true;
    Startup startup({errors, users, settings, desktop, [&] { existedWhileRunning = QFile::exists(path); }});
    startup.run();

    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);

    EXPECT_FALSE(existedWhileRunning) << "the file is written when the program ends";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(file.readAll(), QByteArray("[__Dont_Touch_Me__]\nSectors=0\n"));
}

// The real main window inside the sequence: "Main" is the running procedure
// while the window is open; closing the window ends the sequence.
TEST(Startup, RunsTheMainWindowUntilItIsClosed) {
    test::ensureApplication();
    CallLog log;
    test::FakeErrorReporter errors(&log);
    test::FakeUserFiles users(log);
    test::FakeSettings settings(log);
    test::FakeDesktop desktop(log, 1);
    MainWindowServices windows;
    QString procedureWhileOpen;
    bool windowWasShown = false;
    Startup startup({errors, users, settings, desktop, [&] {
                         QTimer::singleShot(0, [&] {
                             for (QWidget* w : QApplication::topLevelWidgets()) {
                                 if (auto* main = qobject_cast<MainWindow*>(w); main && main->isVisible()) {
                                     windowWasShown = true;
                                     procedureWhileOpen = errors.procedureName();
                                     log.add("close box");
                                     main->close();
                                 }
                             }
                         });
                         runMain(windows, errors);
                         log.add("main returned");
                     }});
    startup.run();
    EXPECT_TRUE(windowWasShown);
    EXPECT_EQ(procedureWhileOpen, "Main");
    EXPECT_TRUE(errors.procedureName().isEmpty());
    const int closed = static_cast<int>(log.calls.indexOf("close box"));
    ASSERT_GE(closed, 0);
    EXPECT_EQ(log.calls.mid(closed), QStringList({"close box", "main returned", "settings.update", "desktop.set 1 3",
                                                  "settings.close", "users.release", "errors.release"}));
    EXPECT_EQ(desktop.flag(), 1);
}

}  // namespace
}  // namespace yq
