// Start-up and shutdown of the program: the process-wide services are set up
// in a fixed order, the main window runs, and everything is released in the
// reverse order. The services stand behind small interfaces so the sequence
// can be run with fakes.
#pragma once

#include "files/SettingsFile.h"

#include <QString>

#include <functional>

namespace yq {

class ErrorReporter;
class UserFile;

namespace platform {
class DesktopParameters;
}

// The user file's service: declared at start-up, released at shutdown. The
// file itself is opened by the windows that use it.
class UserFileService {
public:
    virtual ~UserFileService();
    virtual void init() = 0;
    virtual void release() = 0;
    // The folder the user file lives in.
    virtual QString folder() const = 0;
};

// The user file in the working folder (the current directory when a window
// opens it, as SAVE and the report find it).
class WorkingFolderUserFiles final : public UserFileService {
public:
    void init() override;
    void release() override {}
    QString folder() const override;
};

// The settings service as the start-up sequence uses it.
class SettingsStore {
public:
    virtual ~SettingsStore();
    // Opens the service on a bare file name ("yq.INI").
    virtual void open(const QString& fileName) = 0;
    virtual void update() = 0;
    // Writes the bookkeeping back. A failed write is not reported.
    virtual void close() = 0;
};

// The real settings file, in the user's configuration folder.
class SettingsFileStore final : public SettingsStore {
public:
    void open(const QString& fileName) override;
    void update() override { service_.update(); }
    void close() override;
    const SettingsService& service() const { return service_; }

private:
    SettingsService service_;
};

struct StartupServices {
    ErrorReporter& errors;
    UserFileService& users;
    SettingsStore& settings;
    platform::DesktopParameters& desktop;
    // Runs the main window until it closes.
    std::function<void()> runMain;
};

class Startup {
public:
    explicit Startup(StartupServices services) : s_(std::move(services)) {}

    // Sets up the services, turns full-window dragging off when it was on,
    // runs the main window and shuts down in the reverse order. The drag
    // setting is given back and the services released even when the main
    // window ends with an exception (which is then passed on).
    void run();

    // The drag flag as read at start (0 when the desktop could not tell).
    int savedDragSetting() const { return savedDrag_; }

private:
    void startServices();
    void shutDown();

    StartupServices s_;
    int savedDrag_ = 0;
};

}  // namespace yq
