// Shared helpers of the report tests: fixture paths, a GUI application for
// fonts and painting, and a user file in a temporary folder.
#pragma once

#include "files/UserFile.h"
#include "support/AccentingTranslator.h"
#include "support/GuiApplication.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace yq::test {

inline QString reportData(const char* name) {
    return QStringLiteral(YQ_TEST_DATA "/report/") + QString::fromLatin1(name);
}

// Painting text needs a GUI application: the test program's shared one.
inline void ensureGuiApp() { guiApplication(); }

// A user file with the given records, added in this order.
struct UserFolder {
    QTemporaryDir dir;
    explicit UserFolder(const QStringList& users = {}) {
        UserFile file(dir.path());
        for (const QString& user : users) (void)file.add(user);
    }
    QString path() const { return dir.path(); }
};

}  // namespace yq::test
