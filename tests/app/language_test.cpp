// The program in another language: the windows speak the words of its
// translation file once the language is installed as the program installs
// it, and English again after; yq --lang refuses a wrong code before any
// window, in the desktop's language.
#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "files/Language.h"
#include "support/RunProcess.h"
#include "support/TranslationFile.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

namespace yq {
namespace {

// The texts of the main window's menu, top level and items.
QStringList menuTexts() {
    MainWindow window{MainWindowServices{}};
    QStringList texts;
    for (QAction* action : window.findChildren<QAction*>()) texts << action->text();
    texts.sort();
    return texts;
}

TEST(ProgramLanguage, TheWindowsSpeakTheInstalledLanguage) {
    test::ensureApplication();
    const QStringList english = menuTexts();
    const auto german = test::finishedTranslations(QStringLiteral("de"));
    ASSERT_EQ(useLanguage(QStringLiteral("de")), u"de");
    const QStringList shown = menuTexts();
    int translated = 0;
    for (const QString& text : english) {
        const auto entry = german.find({QStringLiteral("yq::MainWindow"), text});
        if (entry == german.end()) continue;
        ++translated;
        EXPECT_TRUE(shown.contains(entry->second)) << entry->second.toStdString();
        EXPECT_FALSE(shown.contains(text)) << text.toStdString();
    }
    EXPECT_GT(translated, 0) << "no menu text of the main window has a German translation to test with";
    ASSERT_EQ(useLanguage(QStringLiteral("en")), u"en");
    EXPECT_EQ(menuTexts(), english);
}

TEST(ProgramLanguage, AWrongLangIsRefusedBeforeAnyWindow) {
    const QString yq = QStringLiteral(YQ_PROGRAM_PATH);
    const auto wrong = test::runProcess(yq, {"--lang", "xx"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.err, "yq: unknown language \"xx\": choose one of en de ja ru it es pl pt_BR fr cs nl\n");
    const auto missing = test::runProcess(yq, {"--lang"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, "yq: --lang needs a language code\n");
    // The help answers in any language, without a display.
    const auto help = test::runProcess(yq, {"--lang=ja", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--lang CODE"), std::string::npos);

    const auto german = test::finishedTranslations(QStringLiteral("de"));
    const auto unknown = german.find({QStringLiteral("Language"), QStringLiteral("unknown language \"%1\"")});
    ASSERT_NE(unknown, german.end());
    const QByteArray before = qgetenv("LANGUAGE");
    qputenv("LANGUAGE", "de");
    const auto onGermanDesktop = test::runProcess(yq, {"--lang", "xx"});
    qputenv("LANGUAGE", before);
    EXPECT_EQ(onGermanDesktop.exitCode, 2);
    EXPECT_EQ(onGermanDesktop.err.rfind("yq: " + unknown->second.arg(QStringLiteral("xx")).toStdString(), 0), 0u)
        << onGermanDesktop.err;
}

}  // namespace
}  // namespace yq
