#include "links/DesktopOpen.h"
#include "links/LinkRules.h"

#include "support/AccentingTranslator.h"
#include "support/FakeLauncher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace yq::links {
namespace {

const QString kCsv = QStringLiteral("text/csv");

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("F,CD,LD\r\n");
}

class OpenResultsTest : public ::testing::Test {
protected:
    QString results() const { return folder.filePath(QStringLiteral("YQ.csv")); }
    QTemporaryDir folder;
    test::FakeDesktop desktop;
};

TEST_F(OpenResultsTest, OpensResultsFileInSpreadsheetProgram) {
    ASSERT_TRUE(folder.isValid());
    touch(folder.filePath(QStringLiteral("YQ.csv")));
    desktop.handlers.set(kCsv, QStringLiteral("sheets --calc %U"), QStringLiteral("org.example.Sheets.desktop"));

    const OpenOutcome outcome = openResultsInSpreadsheet(desktop.opener, results());
    EXPECT_TRUE(outcome.opened.ok());
    EXPECT_EQ(outcome.path, folder.filePath(QStringLiteral("YQ.csv")));
    ASSERT_EQ(desktop.launcher.calls.size(), 1u);
    EXPECT_EQ(desktop.launcher.calls[0].program, QStringLiteral("sheets"));
    EXPECT_EQ(
        desktop.launcher.calls[0].args,
        (QStringList{QStringLiteral("--calc"), QStringLiteral("file://") + folder.filePath(QStringLiteral("YQ.csv"))}));
    EXPECT_EQ(desktop.handlers.queries.front(), kCsv);
}

TEST_F(OpenResultsTest, FindsResultsFileWrittenInOtherCase) {
    touch(folder.filePath(QStringLiteral("yq.csv")));
    desktop.handlers.set(kCsv, QStringLiteral("sheets %f"));
    EXPECT_TRUE(openResultsInSpreadsheet(desktop.opener, results()).opened.ok());
    ASSERT_EQ(desktop.launcher.calls.size(), 1u);
    EXPECT_EQ(desktop.launcher.calls[0].args, QStringList{folder.filePath(QStringLiteral("yq.csv"))});

    EXPECT_EQ(resultsFileIn(folder.path()), folder.filePath(QStringLiteral("yq.csv")));
    touch(folder.filePath(QStringLiteral("YQ.csv")));
    EXPECT_EQ(resultsFileIn(folder.path()), folder.filePath(QStringLiteral("YQ.csv")));
    QDir(folder.path()).remove(QStringLiteral("yq.csv"));
    QDir(folder.path()).remove(QStringLiteral("YQ.csv"));
    EXPECT_EQ(resultsFileIn(folder.path()), folder.filePath(QStringLiteral("YQ.csv")));
}

TEST_F(OpenResultsTest, NoSpreadsheetProgramIsReportedClearly) {
    touch(folder.filePath(QStringLiteral("YQ.csv")));
    const OpenOutcome outcome = openResultsInSpreadsheet(desktop.opener, results());
    EXPECT_FALSE(outcome.opened.ok());
    EXPECT_EQ(platform::launch::codeOf(outcome.opened), 31);
    EXPECT_TRUE(desktop.launcher.calls.empty());
    const QString text = spreadsheetFailureText(outcome);
    EXPECT_TRUE(text.startsWith(QStringLiteral("No spreadsheet program is set up to open CSV files.|")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("|File:|") + outcome.path));
}

TEST_F(OpenResultsTest, WindowHookGivesProblemTextOnlyOnFailure) {
    touch(results());
    const Result<> refused = openSpreadsheet(desktop.opener, results());
    ASSERT_FALSE(refused);
    EXPECT_TRUE(QString::fromStdString(refused.problem().text())
                    .startsWith(QStringLiteral("No spreadsheet program is set up to open CSV files.|")));
    desktop.handlers.set(kCsv, QStringLiteral("sheets %f"));
    EXPECT_TRUE(openSpreadsheet(desktop.opener, results()));
    EXPECT_TRUE(openSpreadsheet(desktop.opener, results()));
}

TEST_F(OpenResultsTest, MissingResultsFileIsReportedWithoutAskingTheDesktop) {
    desktop.handlers.set(kCsv, QStringLiteral("sheets %U"));
    const OpenOutcome outcome = openResultsInSpreadsheet(desktop.opener, results());
    EXPECT_EQ(platform::launch::codeOf(outcome.opened), 2);
    EXPECT_TRUE(desktop.launcher.calls.empty());
    EXPECT_TRUE(spreadsheetFailureText(outcome).startsWith(QStringLiteral("The results file was not found.|")));
}

TEST_F(OpenResultsTest, UnstartableSpreadsheetProgramGivesLaunchText) {
    touch(folder.filePath(QStringLiteral("YQ.csv")));
    desktop.handlers.set(kCsv, QStringLiteral("/opt/sheets/bin/sheets %f"));
    desktop.launcher.nextCode = 5;
    const OpenOutcome outcome = openResultsInSpreadsheet(desktop.opener, results());
    EXPECT_EQ(platform::launch::codeOf(outcome.opened), 5);
    EXPECT_EQ(desktop.launcher.calls[0].args, QStringList{folder.filePath(QStringLiteral("YQ.csv"))});
    EXPECT_EQ(spreadsheetFailureText(outcome),
              QStringLiteral("(5) The operating system denied access to the specified file. File:|") + outcome.path);
}

TEST_F(OpenResultsTest, BrokenAssociationIsReported) {
    touch(folder.filePath(QStringLiteral("YQ.csv")));
    desktop.handlers.setBroken(kCsv, QStringLiteral("removed.desktop"));
    const OpenOutcome outcome = openResultsInSpreadsheet(desktop.opener, results());
    EXPECT_EQ(platform::launch::codeOf(outcome.opened), 27);
    EXPECT_TRUE(spreadsheetFailureText(outcome).startsWith(
        QStringLiteral("The program set up to open CSV files cannot be started:|")));
}

TEST_F(OpenResultsTest, AliasOfCsvTypeIsTried) {
    touch(folder.filePath(QStringLiteral("YQ.csv")));
    // some programs register only the older name of the CSV type
    desktop.handlers.set(QStringLiteral("text/x-comma-separated-values"), QStringLiteral("oldsheets %f"));
    const OpenOutcome outcome = openWithDesktopHandler(desktop.opener, folder.filePath(QStringLiteral("YQ.csv")), kCsv);
    EXPECT_TRUE(outcome.opened.ok());
    ASSERT_EQ(desktop.launcher.calls.size(), 1u);
    EXPECT_EQ(desktop.launcher.calls[0].program, QStringLiteral("oldsheets"));
}

// LibreOffice Calc as the CSV handler gets the CSV import filter before the
// file, so the columns are split at commas with double-quoted text and no
// import dialog appears; any other program is started as its entry says.
TEST_F(OpenResultsTest, LibreOfficeCalcOpensTheResultsWithTheCsvFilterOthersAsTheDesktopSays) {
    touch(folder.filePath(QStringLiteral("yq.csv")));
    const QString file = folder.filePath(QStringLiteral("yq.csv"));
    const QString url = QStringLiteral("file://") + file;
    const QString filter = QStringLiteral("--infilter=CSV:44,34,76,1");
    const struct {
        const char* id;
        const char* exec;
        QString program;
        QStringList args;
    } cases[] = {
        {"libreoffice-calc.desktop",
         "libreoffice --calc %U",
         QStringLiteral("libreoffice"),
         {QStringLiteral("--calc"), filter, file}},
        {"calc.desktop",
         "/opt/libreoffice7.6/program/soffice --calc %U",
         QStringLiteral("/opt/libreoffice7.6/program/soffice"),
         {QStringLiteral("--calc"), filter, file}},
        {"libreoffice-calc.desktop", "localc %U", QStringLiteral("localc"), {filter, file}},
        // A sandboxed LibreOffice forwards files its own way: as the desktop does it.
        {"org.libreoffice.LibreOffice.calc.desktop",
         "/usr/bin/flatpak run --command=libreoffice --file-forwarding org.libreoffice.LibreOffice --calc @@u %U @@",
         QStringLiteral("/usr/bin/flatpak"),
         {QStringLiteral("run"), QStringLiteral("--command=libreoffice"), QStringLiteral("--file-forwarding"),
          QStringLiteral("org.libreoffice.LibreOffice"), QStringLiteral("--calc"), QStringLiteral("@@u"), url,
          QStringLiteral("@@")}},
        {"org.gnome.gnumeric.desktop", "gnumeric %U", QStringLiteral("gnumeric"), {url}},
        {"org.kde.calligrasheets.desktop", "calligrasheets %U", QStringLiteral("calligrasheets"), {url}},
    };
    for (const auto& c : cases) {
        test::FakeDesktop desk;
        desk.handlers.set(kCsv, QString::fromLatin1(c.exec), QString::fromLatin1(c.id));
        const OpenOutcome outcome = openResultsInSpreadsheet(desk.opener, results());
        EXPECT_TRUE(outcome.opened.ok()) << c.exec;
        EXPECT_EQ(outcome.path, file) << c.exec;
        ASSERT_EQ(desk.launcher.calls.size(), 1u) << c.exec;
        EXPECT_EQ(desk.launcher.calls[0].program, c.program) << c.exec;
        EXPECT_EQ(desk.launcher.calls[0].args, c.args) << c.exec;
    }

    // Calc registered only under the older name of the type is found too.
    test::FakeDesktop older;
    older.handlers.set(QStringLiteral("text/x-comma-separated-values"), QStringLiteral("libreoffice --calc %U"),
                       QStringLiteral("libreoffice-calc.desktop"));
    EXPECT_TRUE(openResultsInSpreadsheet(older.opener, results()).opened.ok());
    ASSERT_EQ(older.launcher.calls.size(), 1u);
    EXPECT_EQ(older.launcher.calls[0].args, (QStringList{QStringLiteral("--calc"), filter, file}));

    // A missing file is still reported, Calc or not.
    QFile::remove(file);
    test::FakeDesktop missing;
    missing.handlers.set(kCsv, QStringLiteral("libreoffice --calc %U"), QStringLiteral("libreoffice-calc.desktop"));
    EXPECT_EQ(platform::launch::codeOf(openResultsInSpreadsheet(missing.opener, results()).opened), 2);
    EXPECT_TRUE(missing.launcher.calls.empty());
}

// What a failed open tells the person goes through the translation
// system: the spreadsheet messages, every launch code's text and the
// caption.
TEST(DesktopOpenTexts, GoThroughTheTranslation) {
    const test::AccentingTranslator accenting;
    QStringList texts;
    for (const int code : {platform::launch::FileNotFound, platform::launch::NoAssociation,
                           platform::launch::AssociationIncomplete, platform::launch::AccessDenied})
        texts << spreadsheetFailureText({QStringLiteral("/R"), platform::launch::failure(code)});
    for (const platform::launch::Code& code : platform::launch::codes()) {
        if (code.code == platform::launch::Started) continue;
        const ShellErrorMessage message = shellErrorMessage(code.code, QStringLiteral("/R"));
        texts << message.text << message.caption;
    }
    for (const QString& text : texts)
        EXPECT_EQ(test::untranslatedWords(text).join(u' ').toStdString(), "") << text.toStdString();
}

}  // namespace
}  // namespace yq::links
