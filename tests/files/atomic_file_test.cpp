#include "files/AtomicFile.h"

#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using yq::replaceFile;
using yq::test::readAll;
using yq::test::writeAll;

namespace {

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

TEST(AtomicFile, WritesNewAndReplacesOldFilesLeavingNothingElse) {
    QTemporaryDir dir;
    const QString path = dir.filePath("726.ini");
    ASSERT_TRUE(replaceFile(path, "first\n"));
    EXPECT_EQ(readAll(path), "first\n");
    ASSERT_TRUE(replaceFile(path, QByteArray("no final newline")));
    EXPECT_EQ(readAll(path), "no final newline");
    ASSERT_TRUE(replaceFile(path, QByteArray()));
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_EQ(entries(dir.path()), QStringList{"726.ini"});
}

TEST(AtomicFile, ReplacesASymbolicLinkInsteadOfWritingThroughIt) {
    QTemporaryDir dir;
    const QString elsewhere = dir.filePath("precious.txt");
    ASSERT_TRUE(writeAll(elsewhere, "keep me"));
    const QString link = dir.filePath("Report.RTF");
    ASSERT_TRUE(QFile::link(elsewhere, link));
    ASSERT_TRUE(replaceFile(link, "report"));
    EXPECT_EQ(readAll(elsewhere), "keep me");
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readAll(link), "report");
}

TEST(AtomicFile, KeepsThePermissionBitsOfTheReplacedFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("yq.INI");
    ASSERT_TRUE(writeAll(path, "old"));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(replaceFile(path, "new"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// A write that runs out of room (here a file size limit, as a full disk
// would) leaves the old file whole, removes its temporary file and says why.
TEST(AtomicFile, AFailedWriteLeavesTheOldFileAndTellsTheReason) {
    QTemporaryDir dir;
    const QString path = dir.filePath("726.ini");
    ASSERT_TRUE(writeAll(path, "[YQ]\nF=7.15\n"));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const auto result = replaceFile(path, QByteArray(5000, 'x'));
        const bool told = !result.ok() && problemText(result.problem()).contains("File too large") &&
                          problemText(result.problem()).contains("726.ini");
        ::_exit(told ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failure was not reported with its reason";
    EXPECT_EQ(readAll(path), "[YQ]\nF=7.15\n");
    EXPECT_EQ(entries(dir.path()), QStringList{"726.ini"});
}

TEST(AtomicFile, AnUnwritableFolderIsReportedWithItsReason) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0500), 0);
    const auto result = replaceFile(dir.filePath("726.ini"), "x");
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(problemText(result.problem()).contains("Permission denied")) << result.problem().text();
}

TEST(AtomicFile, RemovesTheLeftoversOfStoppedWritersOnly) {
    QTemporaryDir dir;
    const QString path = dir.filePath("726.ini");
    // A writer that is gone: a child that has exited and been reaped.
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const QString stale = dir.filePath(QStringLiteral(".726.ini.yqtmp-%1-AbCdEf").arg(gone));
    const QString running = dir.filePath(QStringLiteral(".726.ini.yqtmp-%1-AbCdEf").arg(::getppid()));
    const QString foreign = dir.filePath("726.ini.Xy12Zq");
    for (const QString& f : {stale, running, foreign}) ASSERT_TRUE(writeAll(f, "partial"));
    ASSERT_TRUE(replaceFile(path, "whole"));
    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_TRUE(QFile::exists(running));
    EXPECT_TRUE(QFile::exists(foreign));
}
