// The finished translations of one of the program's translation files
// (translations/yq_<code>.ts), read as Qt Linguist writes them, so that a
// test expects the words the translators wrote rather than the program's.
#pragma once

#include <QFile>
#include <QString>
#include <QXmlStreamReader>

#include <map>
#include <utility>

namespace yq::test {

inline QString translationFilePath(const QString& language) {
    return QStringLiteral(YQ_TEST_DATA "/../../translations/yq_%1.ts").arg(language);
}

// (context, source) -> translation, for every finished entry.
inline std::map<std::pair<QString, QString>, QString> finishedTranslations(const QString& language) {
    std::map<std::pair<QString, QString>, QString> entries;
    QFile file(translationFilePath(language));
    if (!file.open(QIODevice::ReadOnly)) return entries;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const bool finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            const QString text = xml.readElementText();
            if (finished && !text.isEmpty()) entries[{context, source}] = text;
        }
    }
    return entries;
}

}  // namespace yq::test
