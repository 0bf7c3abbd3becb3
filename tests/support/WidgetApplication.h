// One QApplication for a test program's window tests (created on first use).
#pragma once

#include "support/GuiApplication.h"

#include <QApplication>

namespace yq::test {

inline QApplication& widgetApplication() {
    static QApplication* app = qobject_cast<QApplication*>(QCoreApplication::instance())
                                   ? qobject_cast<QApplication*>(QCoreApplication::instance())
                                   : new QApplication(applicationArgc(), applicationArgv());
    return *app;
}

// Lets queued work run: the key presses and ReCalcs a window places after
// the current event.
inline void settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

}  // namespace yq::test
