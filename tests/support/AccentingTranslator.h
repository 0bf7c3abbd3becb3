// A stand-in translation that shows which texts went through the
// translation system, and a check for texts that did not.
#pragma once

#include <QCoreApplication>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace yq::test {

// While it lives, every text asked of the translation system comes back
// with its vowels accented ("Cylinder" -> "Cylíndér"; accented vowels keep
// the plain ones' widths, so nothing is fitted differently): a text that
// reaches the page without the translation system keeps plain vowels.
class AccentingTranslator final : public QTranslator {
public:
    AccentingTranslator() {
        // The core layers' test programs have no application object of their own.
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "yq-tests";
            static char* argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
        QCoreApplication::installTranslator(this);
    }
    ~AccentingTranslator() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char* = nullptr, int = -1) const override {
        static const QString plain = QStringLiteral("aeiou"),
                             accented = QStringLiteral("\u00e1\u00e9\u00ed\u00f3\u00fa");
        QString text = QString::fromUtf8(source);
        for (QChar& c : text) {
            if (const qsizetype i = plain.indexOf(c); i >= 0) c = accented.at(i);
        }
        return text;
    }
};

// The words of `text` that kept their plain English: words of three
// letters or more with a plain lower-case vowel (names and values such as
// "J. W. K1ABC", "CCL 12.000 in" or "AWG 18" have none).
inline QStringList untranslatedWords(const QString& text) {
    static const QRegularExpression word(QStringLiteral("(?<!\\w)\\p{L}{3,}(?!\\w)"));
    static const QRegularExpression plainVowel(QStringLiteral("[aeiou]"));
    QStringList words;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured();
        if (w.contains(plainVowel)) words << w;
    }
    return words;
}

}  // namespace yq::test
