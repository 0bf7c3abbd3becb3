// yq-calc --help and --version: every command and option listed, each
// with an example, and every example runs as written.
#include "cli/CalcHelp.h"
#include "support/RunProcess.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace yq {
namespace {

using test::calcProgram;
using test::runProcess;

TEST(CalcHelp, ListsEveryCommandAndOptionWithAnExampleThatRuns) {
    const auto help = runProcess(calcProgram(), {"--help"});
    ASSERT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out, platform::formatHelp(cli::calcHelpPage()));
    EXPECT_EQ(runProcess(calcProgram(), {"-h"}).out, help.out);
    EXPECT_EQ(runProcess(calcProgram(), {"save", "--help"}).out, help.out);

    // Every command yq-calc takes, and every option of the calculation and
    // of the report.
    const std::vector<std::string> commands{"save", "users", "report",  "build-sheet", "fit",
                                            "tune", "sweep", "convert", "simulate"};
    EXPECT_EQ(cli::calcCommandNames(), commands);
    std::set<std::string> usages;
    for (const auto& section : cli::calcHelpPage().sections) {
        for (const auto& row : section.rows) {
            usages.insert(row.usage.substr(0, row.usage.find(' ')));
            EXPECT_NE(row.example.find("yq-calc"), std::string::npos) << row.usage;
        }
    }
    for (const char* word :
         {"save",  "users",   "report",   "build-sheet", "fit",      "sweep",     "convert",  "--svg",
          "--png", "--batch", "--metric", "--file",      "--runs",   "--partial", "--format", "-h,",
          "-V,",   "--pdf",   "--export", "--date",      "simulate", "--model",   "--deck",   "tune"})
        EXPECT_TRUE(usages.count(word)) << word;

    // Each example, run as the shell runs it, in help order in one folder
    // (the save example makes the design file the report examples read).
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString bin = QFileInfo(calcProgram()).absolutePath();
    for (const auto& section : cli::calcHelpPage().sections) {
        for (const auto& row : section.rows) {
            const auto r = runProcess(
                QStringLiteral("/bin/sh"),
                {"-c", QStringLiteral("PATH='%1':\"$PATH\"; %2").arg(bin, QString::fromStdString(row.example))}, {},
                dir.path());
            EXPECT_EQ(r.exitCode, 0) << row.example << "\n" << r.err;
            EXPECT_EQ(r.err, "") << row.example;
        }
    }
}

// The English help reads word for word as it did before yq-calc could speak
// other languages.
TEST(CalcHelp, EnglishHelpReadsAsBefore) {
    QFile stored(QStringLiteral(YQ_TEST_DATA "/yq-calc-help-en.txt"));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(runProcess(calcProgram(), {"--help"}).out, stored.readAll().toStdString());
}

// In every language the help lists every command and every option under
// its own name, in that language's words.
TEST(CalcHelp, EveryLanguagesHelpListsEveryCommand) {
    const std::string english = runProcess(calcProgram(), {"--help"}).out;
    for (const char* language : {"de", "ja", "ru", "it", "es", "pl", "pt_BR", "fr", "cs", "nl"}) {
        SCOPED_TRACE(language);
        const auto help = runProcess(calcProgram(), {"--lang", language, "--help"});
        ASSERT_EQ(help.exitCode, 0);
        EXPECT_EQ(help.err, "");
        EXPECT_NE(help.out, english);
        for (const std::string& command : cli::calcCommandNames())
            EXPECT_NE(help.out.find("\n  " + command + " "), std::string::npos) << command;
        for (const char* option : {"--metric", "--file", "--runs", "--partial", "--format", "--lang", "--batch",
                                   "--pdf", "--export", "--svg", "--png", "--help", "--version"})
            EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
}

TEST(CalcHelp, VersionNamesTheProgramAndItsVersion) {
    for (const char* ask : {"--version", "-V"}) {
        const auto r = runProcess(calcProgram(), {ask});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "yq-calc " + platform::programVersion());
    }
}

}  // namespace
}  // namespace yq
