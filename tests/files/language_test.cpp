// The program's language: the desktop's choice as Qt reads it (LANGUAGE,
// then LC_ALL, LC_MESSAGES, LANG), a code from --lang, and the translations
// embedded in the program.
#include "files/Language.h"
#include "support/TranslationFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace yq {
namespace {

TEST(LanguageChoice, ThePreferredListChoosesItsFirstKnownLanguage) {
    const struct {
        QStringList preferred;
        const char* chosen;
    } rows[] = {
        {{"de-DE", "de"}, "de"},    {{"de-AT"}, "de"}, {{"de_CH.UTF-8"}, "de"}, {{"ja-JP"}, "ja"},
        {{"pt-BR"}, "pt_BR"},       {{"pt"}, "pt_BR"}, {{"pt-PT"}, "pt_BR"},    {{"sv-SE", "nl-NL"}, "nl"},
        {{"en-GB", "de-DE"}, "en"}, {{"C"}, "en"},     {{"sv-SE", "fi"}, "en"}, {{}, "en"},
        {{"CS-cz"}, "cs"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(languageOfPreferences(row.preferred), QString::fromLatin1(row.chosen))
            << row.preferred.join(u',').toStdString();
}

TEST(LanguageChoice, ACommandLineCodeNamesOneLanguageOrIsRefused) {
    for (const QString& code : translatedLanguages()) EXPECT_EQ(languageOfCode(code).value(), code);
    EXPECT_EQ(translatedLanguages().size(), 10);
    EXPECT_EQ(languageOfCode(QStringLiteral("en")).value(), u"en");
    EXPECT_EQ(languageOfCode(QStringLiteral("de_AT")).value(), u"de");
    EXPECT_EQ(languageOfCode(QStringLiteral("pt")).value(), u"pt_BR");
    for (const char* wrong : {"xx", "", "sv", "english"}) {
        const auto r = languageOfCode(QString::fromLatin1(wrong));
        ASSERT_FALSE(r) << wrong;
        EXPECT_EQ(r.problem().text(),
                  "unknown language \"" + std::string(wrong) + "\": choose one of en de ja ru it es pl pt_BR fr cs nl");
    }
}

TEST(LanguageChoice, TheLangOptionIsTakenOutOfTheCommandLine) {
    const struct {
        std::vector<std::string> args;
        std::optional<std::string> code;
        std::vector<std::string> rest;
    } rows[] = {
        {{"F=7.15"}, std::nullopt, {"F=7.15"}},
        {{"--lang", "de", "F=7.15"}, "de", {"F=7.15"}},
        {{"fit", "NT=20", "--lang=ja"}, "ja", {"fit", "NT=20"}},
        {{"--lang", "de", "--lang", "ru"}, "ru", {}},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args = row.args;
        const auto code = takeLanguageOption(args);
        ASSERT_TRUE(code);
        EXPECT_EQ(*code, row.code);
        EXPECT_EQ(args, row.rest);
    }
    std::vector<std::string> args{"F=7.15", "--lang"};
    const auto missing = takeLanguageOption(args);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.problem().text(), "--lang needs a language code");
}

// Each row in a process of its own (Qt reads the variables once).
TEST(LanguageChoice, TheDesktopsVariablesChooseAsQtReadsThem) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const struct {
        const char* language;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* chosen;
    } rows[] = {
        {"", "", "", "de_DE.UTF-8", "de"},
        {"", "", "", "de_AT.UTF-8", "de"},
        {"", "", "", "pt_BR.UTF-8", "pt_BR"},
        {"", "", "ru_RU.UTF-8", "en_US.UTF-8", "ru"},
        {"", "fr_FR.UTF-8", "ru_RU.UTF-8", "de_DE.UTF-8", "fr"},
        {"ja:de", "fr_FR.UTF-8", "", "", "ja"},
        {"sv:pt_PT", "", "", "de_DE.UTF-8", "pt_BR"},
        {"en_GB:de", "", "", "de_DE.UTF-8", "en"},
        {"", "", "", "sv_SE.UTF-8", "en"},
        {"", "C.UTF-8", "", "de_DE.UTF-8", "en"},
        {"", "", "", "", "en"},
        {"", "", "", "cs_CZ.UTF-8", "cs"},
    };
    for (const auto& row : rows) {
        const auto set = [](const char* name, const char* value) {
            if (*value)
                qputenv(name, value);
            else
                qunsetenv(name);
        };
        EXPECT_EXIT(
            {
                set("LANGUAGE", row.language);
                set("LC_ALL", row.lcAll);
                set("LC_MESSAGES", row.lcMessages);
                set("LANG", row.lang);
                std::fprintf(stderr, "chosen %s.\n",
                             languageOfPreferences(QLocale::system().uiLanguages()).toUtf8().constData());
                std::exit(0);
            },
            ::testing::ExitedWithCode(0), std::string("chosen ") + row.chosen + "\\.")
            << "LANGUAGE=" << row.language << " LC_ALL=" << row.lcAll << " LC_MESSAGES=" << row.lcMessages
            << " LANG=" << row.lang;
    }
}

// Every language's translation is in the program, and English installs none.
TEST(LanguageChoice, EveryTranslationIsEmbeddedAndEnglishInstallsNone) {
    int argc = 1;
    char name[] = "test_files";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    for (const QString& code : translatedLanguages()) {
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/yq_%1.qm").arg(code))) << code.toStdString();
        EXPECT_EQ(useLanguage(code), code);
    }
    // German speaks the words of its translation file.
    EXPECT_EQ(useLanguage(QStringLiteral("de")), u"de");
    int translated = 0;
    for (const auto& [message, translation] : test::finishedTranslations(QStringLiteral("de"))) {
        if (message.first != u"Language") continue;
        ++translated;
        EXPECT_EQ(QCoreApplication::translate("Language", message.second.toUtf8().constData()), translation);
    }
    EXPECT_GT(translated, 0);
    EXPECT_EQ(useLanguage(QStringLiteral("en")), u"en");
    EXPECT_EQ(QCoreApplication::translate("Language", "--lang needs a language code"), u"--lang needs a language code");
}

}  // namespace
}  // namespace yq
