#include "app/Startup.h"

#include "windows/ErrorReporter.h"
#include "platform/DesktopParameters.h"

#include <QDir>

namespace yq {

UserFileService::~UserFileService() = default;
SettingsStore::~SettingsStore() = default;

void WorkingFolderUserFiles::init() {}

// The working folder of the moment: a design confirmed in another folder
// makes that the working folder, and the list, SAVE and the report then all
// use the user file there.
QString WorkingFolderUserFiles::folder() const { return QDir::currentPath(); }

void SettingsFileStore::open(const QString& fileName) { service_.open(SettingsService::defaultPath(fileName)); }

void SettingsFileStore::close() { (void)service_.close(); }

void Startup::startServices() {
    s_.errors.init();
    s_.users.init();
    s_.settings.open(QString::fromLatin1(kSettingsFileName));

    // Moving windows as outlines is lighter on the screen while the program
    // runs; remember the desktop's setting so it can be given back.
    savedDrag_ = s_.desktop.dragFullWindows().value_or(0);
    if (savedDrag_ == 1) s_.desktop.setDragFullWindows(0, platform::parameterFlags::UpdateAndBroadcast);
}

void Startup::shutDown() {
    s_.settings.update();
    if (savedDrag_ == 1) s_.desktop.setDragFullWindows(1, platform::parameterFlags::UpdateAndBroadcast);
    s_.settings.close();
    s_.users.release();
    s_.errors.release();
}

void Startup::run() {
    startServices();
    try {
        if (s_.runMain) s_.runMain();
    } catch (...) {
        shutDown();
        throw;
    }
    shutDown();
}

}  // namespace yq
