// Small text rules shared by the files and everything above them.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
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

// A label or other text of the key table as a person reads it, in the
// program's language (the key table marks its texts for translation under
// the context "KeyTable"; English is the table's own text).
inline QString keyTableText(std::string_view text) {
    if (text.empty()) return {};
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate("KeyTable", source.constData());
}

}  // namespace yq
