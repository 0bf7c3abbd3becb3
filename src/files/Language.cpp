#include "files/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace yq {

namespace {

const QString kEnglish = QStringLiteral("en");

// The language an entry of a preference list names: "en", a translated
// language's code, or nothing.
QString languageOfEntry(const QString& entry) {
    const QString name = QString(entry).replace(u'-', u'_').section(u'.', 0, 0).section(u'@', 0, 0);
    const QString language = name.section(u'_', 0, 0).toLower();
    // The C locale chooses nothing, so the program's own language.
    if (language == u"en" || language == u"c" || language == u"posix") return kEnglish;
    // Brazilian Portuguese is the Portuguese the program speaks.
    if (language == u"pt") return QStringLiteral("pt_BR");
    if (translatedLanguages().contains(language)) return language;
    return {};
}

// The translators installed by the last useLanguage (owned by the application).
QPointer<QTranslator>& programTranslator() {
    static QPointer<QTranslator> t;
    return t;
}
QPointer<QTranslator>& qtTranslator() {
    static QPointer<QTranslator> t;
    return t;
}

void removeTranslator(QPointer<QTranslator>& t) {
    if (!t) return;
    QCoreApplication::removeTranslator(t);
    delete t.data();
    t = nullptr;
}

}  // namespace

const QStringList& translatedLanguages() {
    static const QStringList codes = {QStringLiteral("de"),    QStringLiteral("ja"), QStringLiteral("ru"),
                                      QStringLiteral("it"),    QStringLiteral("es"), QStringLiteral("pl"),
                                      QStringLiteral("pt_BR"), QStringLiteral("fr"), QStringLiteral("cs"),
                                      QStringLiteral("nl")};
    return codes;
}

QString languageOfPreferences(const QStringList& preferred) {
    for (const QString& entry : preferred) {
        const QString language = languageOfEntry(entry);
        if (!language.isEmpty()) return language;
    }
    return kEnglish;
}

Result<QString> languageOfCode(const QString& code) {
    const QString language = code.trimmed().isEmpty() ? QString() : languageOfEntry(code.trimmed());
    if (!language.isEmpty()) return language;
    return fail(QCoreApplication::translate("Language", "unknown language \"%1\"").arg(code).toStdString(),
                QCoreApplication::translate("Language", "choose one of %1")
                    .arg(kEnglish + u' ' + translatedLanguages().join(u' '))
                    .toStdString());
}

QString useLanguage(const std::optional<QString>& code) {
    QString language = kEnglish;
    if (code) {
        if (const auto named = languageOfCode(*code)) language = *named;
    } else {
        language = languageOfPreferences(QLocale::system().uiLanguages());
    }
    removeTranslator(programTranslator());
    removeTranslator(qtTranslator());
    QCoreApplication* app = QCoreApplication::instance();
    if (language == kEnglish || !app) return kEnglish;

    auto* program = new QTranslator(app);
    if (program->load(QStringLiteral(":/i18n/yq_%1.qm").arg(language)) && QCoreApplication::installTranslator(program))
        programTranslator() = program;
    else
        delete program;
    // Qt's own dialogs (file chooser, print preview), where the system has
    // their translation.
    auto* qt = new QTranslator(app);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(qt))
        qtTranslator() = qt;
    else
        delete qt;
    return language;
}

Result<std::optional<std::string>> takeLanguageOption(std::vector<std::string>& args) {
    std::optional<std::string> code;
    for (auto it = args.begin(); it != args.end();) {
        if (*it == "--lang") {
            if (it + 1 == args.end())
                return fail(QCoreApplication::translate("Language", "--lang needs a language code").toStdString());
            code = *(it + 1);
            it = args.erase(it, it + 2);
        } else if (it->rfind("--lang=", 0) == 0) {
            code = it->substr(7);
            it = args.erase(it);
        } else {
            ++it;
        }
    }
    return code;
}

}  // namespace yq
