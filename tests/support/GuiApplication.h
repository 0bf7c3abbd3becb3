// One QApplication for a test program's GUI tests (created on first use).
#pragma once

#include <QApplication>

namespace yq::test {

inline QApplication& guiApplication() {
    static int argc = 1;
    static char name[] = "yq-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = qobject_cast<QApplication*>(QCoreApplication::instance())
                                   ? qobject_cast<QApplication*>(QCoreApplication::instance())
                                   : new QApplication(argc, argv);
    return *app;
}

}  // namespace yq::test
