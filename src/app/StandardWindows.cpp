#include "app/StandardWindows.h"

#include "app/AboutWindow.h"
#include "app/PicturesWindow.h"
#include "app/Startup.h"
#include "app/UserListWindow.h"

namespace yq {

MainWindowServices standardMainWindows(ErrorReporter& errors, Confirmation& confirmation,
                                       const UserFileService& users) {
    MainWindowServices services;
    services.openPictures = [&errors](QWidget* parent) { runPictures(errors, parent); };
    services.openAbout = [&errors](QWidget* parent) { runAbout(errors, parent); };
    services.openUserList = [&errors, &confirmation, &users](QWidget* parent) {
        runUserList(users.folder(), errors, confirmation, parent);
    };
    return services;
}

}  // namespace yq
