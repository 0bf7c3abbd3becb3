// One application object for a test program (created on first use): a
// QGuiApplication for the core layers, which draw but have no widgets, and
// a QApplication for the window tests.
#pragma once

#include <QGuiApplication>

namespace yq::test {

inline int& applicationArgc() {
    static int argc = 1;
    return argc;
}

inline char** applicationArgv() {
    static char name[] = "yq-tests";
    static char* argv[] = {name, nullptr};
    return argv;
}

inline QGuiApplication& guiApplication() {
    static QGuiApplication* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                      ? qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                      : new QGuiApplication(applicationArgc(), applicationArgv());
    return *app;
}

}  // namespace yq::test
