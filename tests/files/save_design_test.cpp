#include "files/SaveDesign.h"

#include "files/ProgramState.h"
#include "files/UserFile.h"
#include "files/DesignFile.h"
#include "files/PrivateProfile.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace yq {
namespace {

using test::readAll;
using test::writeAll;

DesignRecord design() {
    DesignRecord r(UnitSystem::Imperial);
    *r.field("F") = Decimal::of("7.15");
    *r.field("CD") = Decimal::of("2.5");
    *r.field("LD") = Decimal::of("6.5");
    *r.field("DBL") = Decimal::of("-0.03");
    return r;
}

QStringList folderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A flag left at any other number by a file (Metric=2) is saved as the unit
// system the window calculated in: "0" from the Imperial window.
TEST(SaveDesign, TheUnitSystemIsWrittenAsZeroOrOne) {
    const std::pair<int, const char*> cases[] = {{0, "0"}, {1, "1"}, {2, "0"}, {255, "0"}};
    for (const auto& [flag, written] : cases) {
        QTemporaryDir dir;
        ProgramState state;
        state.metric = flag;
        QString user;
        const SaveOutcome outcome =
            saveDesign(design(), UnitSystem::Imperial, state.metric, state.userRecord, dir.path(), user);
        ASSERT_TRUE(outcome.ok()) << outcome.problem().toStdString();
        EXPECT_EQ(readProfileString(outcome.path, "YQ", "Metric"), written) << flag;
    }
}

// A folder whose results file is "yq.csv" (another case) gets its row there;
// no second "YQ.csv" appears beside it.
TEST(SaveDesign, TheResultsFileIsFoundWhateverTheCaseOfItsName) {
    QTemporaryDir dir;
    const QByteArray before = "\"Freq\",\"old\"\r\n";
    ASSERT_TRUE(writeAll(dir.filePath("yq.csv"), before));
    ProgramState state;
    QString user;
    ASSERT_TRUE(saveDesign(design(), UnitSystem::Imperial, state.metric, state.userRecord, dir.path(), user).ok());
    EXPECT_EQ(folderEntries(dir.path()), QStringList({"726.ini", "yq.csv"}));
    const QByteArray after = readAll(dir.filePath("yq.csv"));
    EXPECT_TRUE(after.startsWith(before));
    EXPECT_EQ(after.count("\r\n"), 2);
    EXPECT_EQ(resultsFilePath(dir.path()), dir.filePath("yq.csv"));
    EXPECT_EQ(resultsFilePath(dir.filePath("nowhere")), dir.filePath("nowhere/YQ.csv"));
}

// A disk that fills during the write (here a file size limit, as a full disk
// does) leaves the design file as it was, says why, and writes no row.
TEST(SaveDesign, AFailedWriteKeepsTheOldFileAndTellsTheReason) {
    QTemporaryDir dir;
    const QString path = dir.filePath("726.ini");
    const QByteArray old = "; my notes\n[YQ]\nF=7.15\n" + QByteArray(1500, ';') + "\n";
    ASSERT_TRUE(writeAll(path, old));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(old.size() + 50), static_cast<rlim_t>(old.size() + 50)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ProgramState state;
        QString user;
        const SaveOutcome outcome =
            saveDesign(design(), UnitSystem::Imperial, state.metric, state.userRecord, dir.path(), user);
        const bool told =
            !outcome.design && outcome.problem().contains("File too large") && outcome.problem().contains("726.ini");
        ::_exit(told ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failure was not reported with its reason";
    EXPECT_EQ(readAll(path), old);
    EXPECT_EQ(folderEntries(dir.path()), QStringList{"726.ini"});  // no results row, no temporary
}

// A user file that cannot be read: the design is saved, but no row is
// written as if there were no user, and the user file is left alone.
TEST(SaveDesign, ADamagedUserFileWritesNoRowAndSaysSo) {
    QTemporaryDir dir;
    const QByteArray garbage = QByteArray("SQLite format 3") + QByteArray(200, '\x7f');
    ASSERT_TRUE(writeAll(dir.filePath("yq1.sqlite"), garbage));
    ProgramState state;
    state.userRecord = QStringLiteral("Earlier W1XYZ");
    QString user;
    const SaveOutcome outcome =
        saveDesign(design(), UnitSystem::Imperial, state.metric, state.userRecord, dir.path(), user);
    EXPECT_TRUE(outcome.design.ok());
    EXPECT_FALSE(outcome.results.ok());
    EXPECT_TRUE(outcome.problem().contains("yq1.sqlite")) << outcome.problem().toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("YQ.csv")));
    EXPECT_EQ(readAll(dir.filePath("yq1.sqlite")), garbage);
}

}  // namespace
}  // namespace yq
