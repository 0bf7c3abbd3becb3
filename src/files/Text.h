// Small text rules shared by the files and everything above them.
#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>

namespace yq {

// The text without its trailing blanks (fixed-length fields are padded with
// blanks that are not part of the value).
inline QString withoutTrailingBlanks(QString text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ') --end;
    text.truncate(end);
    return text;
}
inline QByteArray withoutTrailingBlanks(QByteArray text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    text.truncate(end);
    return text;
}

// A key or text of the key table as a QString.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace yq
