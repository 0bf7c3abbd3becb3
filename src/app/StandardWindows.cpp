#include "app/StandardWindows.h"

#include "app/AboutWindow.h"
#include "app/PicturesWindow.h"
#include "app/Startup.h"
#include "app/UserListWindow.h"

namespace yq {

MainWindowServices standardMainWindows(ErrorReporter& errors, platform::UserMessages& messages,
                                       const UserFileService& users) {
    MainWindowServices services;
    services.openPictures = [&errors](QWidget* parent) { runPictures(errors, parent); };
    services.openAbout = [&errors](QWidget* parent) { runAbout(errors, parent); };
    services.openUserList = [&errors, &messages, &users](QWidget* parent) {
        runUserList(users.folder(), errors, messages, parent);
    };
    return services;
}

}  // namespace yq
