// Byte-level lines of a text file: each piece is a line with its own line
// end ("\r\n", "\n" or a lone "\r"); the last may have none.
#pragma once

#include <QByteArray>
#include <QList>

namespace yq::fuzz {

inline QList<QByteArray> rawLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || bytes[i] == '\r') {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            lines.append(bytes.mid(start, i + 1 - start));
            start = i + 1;
        }
    }
    if (start < bytes.size()) lines.append(bytes.mid(start));
    return lines;
}

inline QByteArray withoutLineEnd(QByteArray line) {
    while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
    return line;
}

inline bool hasLineEnd(const QByteArray& line) { return line.endsWith('\n') || line.endsWith('\r'); }

}  // namespace yq::fuzz
