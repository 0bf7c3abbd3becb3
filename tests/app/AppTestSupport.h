// Shared helpers of the application tests: one QApplication for the whole
// test program, recording fakes of the services, and a way to answer a modal
// window from inside its event loop.
#pragma once

#include "support/RecordingMessages.h"
#include "windows/ErrorReporter.h"
#include "app/Startup.h"
#include "files/Language.h"
#include "platform/DesktopParameters.h"
#include "windows/DialogUnits.h"

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace yq::test {

// The application is made on first use and deleted when the tests end,
// before the test library's own objects (input devices) are destroyed.
inline QApplication*& testApplication() {
    static QApplication* app = nullptr;
    return app;
}

inline void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "test_app";
    static char* argv[] = {name, nullptr};
    testApplication() = new QApplication(argc, argv);
    // English unless a test run asks for another language (YQ_TEST_LANG),
    // installed as the program installs it.
    const QString language = qEnvironmentVariable("YQ_TEST_LANG");
    useLanguage(language.isEmpty() ? QStringLiteral("en") : language);
    QApplication::setQuitOnLastWindowClosed(false);
    installWindowFontSubstitutions();
}

class ApplicationEnvironment final : public ::testing::Environment {
public:
    void TearDown() override {
        delete testApplication();
        testApplication() = nullptr;
    }
};

inline ::testing::Environment* const applicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

// Every call of every fake lands in one log, so the order across services
// can be checked.
struct CallLog {
    QStringList calls;
    void add(const QString& call) { calls << call; }
};

class FakeErrorReporter final : public ErrorReporter {
public:
    explicit FakeErrorReporter(CallLog* log = nullptr) : log_(log) {}
    void init() override { record(QStringLiteral("errors.init")); }
    void release() override { record(QStringLiteral("errors.release")); }

private:
    void record(const QString& call) {
        if (log_) log_->add(call);
    }
    CallLog* log_;
};

class FakeUserFiles final : public UserFileService {
public:
    explicit FakeUserFiles(CallLog& log, QString folder = {}) : log_(log), folder_(std::move(folder)) {}
    void init() override { log_.add(QStringLiteral("users.init")); }
    void release() override { log_.add(QStringLiteral("users.release")); }
    QString folder() const override { return folder_; }

private:
    CallLog& log_;
    QString folder_;
};

class FakeSettings final : public SettingsStore {
public:
    explicit FakeSettings(CallLog& log) : log_(log) {}
    void open(const QString& fileName) override { log_.add(QStringLiteral("settings.open ") + fileName); }
    void update() override { log_.add(QStringLiteral("settings.update")); }
    void close() override { log_.add(QStringLiteral("settings.close")); }

private:
    CallLog& log_;
};

// A desktop whose drag flag is `flag` (nothing: the read fails).
class FakeDesktop final : public platform::DesktopParameters {
public:
    FakeDesktop(CallLog& log, std::optional<int> flag) : log_(log), flag_(flag) {}
    std::optional<int> dragFullWindows() override {
        log_.add(QStringLiteral("desktop.get"));
        return flag_;
    }
    bool setDragFullWindows(int value, int flags) override {
        log_.add(QStringLiteral("desktop.set %1 %2").arg(value).arg(flags));
        flag_ = value;
        return true;
    }
    std::optional<int> flag() const { return flag_; }

private:
    CallLog& log_;
    std::optional<int> flag_;
};

// Runs `action` on the modal window that is open once the event loop runs
// (the window that a call such as exec() is about to show). `onWindow`
// receives nullptr when no modal window appeared.
inline void whenModalOpens(std::function<void(QWidget*)> onWindow, int attempts = 200) {
    QTimer::singleShot(0, [onWindow, attempts] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            onWindow(modal);
        } else if (attempts > 0) {
            whenModalOpens(onWindow, attempts - 1);
        } else {
            onWindow(nullptr);
        }
    });
}

}  // namespace yq::test
