// Whole-file reads and writes for tests.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
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

// The file's lines split at "\n" (a "\r" before it stays); no last empty
// line for a file that ends with a line break.
inline QList<QByteArray> linesOf(const QString& path) {
    QList<QByteArray> lines = readAll(path).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace yq::test
