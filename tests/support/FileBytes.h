// Whole-file reads and writes for tests.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace yq::test {

// The file's bytes; empty when it cannot be read.
inline QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

inline bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace yq::test
