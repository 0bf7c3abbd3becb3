// The main menu's windows as the program runs them: the pictures and About
// windows and the user list. The design windows are added by whoever
// provides them (MainWindowServices::openDesignWindow).
#pragma once

#include "app/MainWindow.h"

namespace yq {

class ErrorReporter;
class UserFileService;

// The services must outlive the returned functions.
namespace platform {
class UserMessages;
}

MainWindowServices standardMainWindows(ErrorReporter& errors, platform::UserMessages& messages,
                                       const UserFileService& users);

}  // namespace yq
