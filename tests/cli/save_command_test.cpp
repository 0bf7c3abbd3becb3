#include "support/RunProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/FileBytes.h"

#include <gtest/gtest.h>

namespace yq {
namespace {

using test::linesOf;

using test::calcProgram;
using test::runProcess;

TEST(SaveCommand, CreatesDesignFileAndResultsThenAppends) {
    QTemporaryDir dir;
    ASSERT_EQ(runProcess(calcProgram(), {"users", "add", "Jo Builder W1XYZ"}, {}, dir.path()).exitCode, 0);
    const QStringList design = {"save", "F=7.15", "CD=2", "LD=6", "WD=0.04", "SP=0.08", "CCD=2"};
    const auto first = runProcess(calcProgram(), design, {}, dir.path());
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, QDir(dir.path()).filePath("726.ini").toStdString() + "\n");
    EXPECT_TRUE(QFile::exists(dir.filePath("726.ini")));
    auto lines = linesOf(dir.filePath("YQ.csv"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("\"Freq\",\"RR\","));
    EXPECT_TRUE(lines[1].startsWith("\"7.15\",\"120\",\"2\",\"6\","));
    EXPECT_TRUE(lines[1].endsWith(",\"Jo Builder W1XYZ\"\r"));

    ASSERT_EQ(runProcess(calcProgram(), design, {}, dir.path()).exitCode, 0);
    EXPECT_EQ(linesOf(dir.filePath("YQ.csv")).size(), 3);

    // The design file reads back into the same design.
    const auto again = runProcess(calcProgram(), {"--file", dir.filePath("726.ini")}, {}, dir.path());
    const auto direct = runProcess(calcProgram(), QStringList(design.begin() + 1, design.end()), {}, dir.path());
    ASSERT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, direct.out);
}

TEST(SaveCommand, MetricSaveUsesThePrefixAndStoresTheUnitSystem) {
    QTemporaryDir dir;
    const auto r = runProcess(calcProgram(), {"save", "--metric", "F=7.05", "CD=50.8", "LD=6"}, {}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    QFile f(dir.filePath("M7506.ini"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().endsWith("Metric=1\n"));
    // Read in the Imperial calculation it warns, as the window does.
    const auto warned = runProcess(calcProgram(), {"--file", dir.filePath("M7506.ini")}, {}, dir.path());
    EXPECT_EQ(warned.exitCode, 0);
    EXPECT_NE(warned.err.find("Do NOT save this version!"), std::string::npos);
}

TEST(SaveCommand, UnwritableResultsAreReportedAndNothingIsDamaged) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("YQ.csv"));  // the results file cannot be opened
    const auto r = runProcess(calcProgram(), {"save", "F=7.15", "CD=2", "LD=6"}, {}, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("results row could not be written"), std::string::npos);
    EXPECT_TRUE(QFileInfo(dir.filePath("YQ.csv")).isDir());

    const auto missing = runProcess(calcProgram(), {"save", "--file", "/nonexistent/x.ini"}, {}, dir.path());
    EXPECT_EQ(missing.exitCode, 2);
}

TEST(UsersCommand, ListsInKeyOrderAndDeletes) {
    QTemporaryDir dir;
    for (const char* name : {"Zed W9ZZZ", "Ann K1AAA"})
        ASSERT_EQ(runProcess(calcProgram(), {"users", "add", name}, {}, dir.path()).exitCode, 0);
    EXPECT_EQ(runProcess(calcProgram(), {"users"}, {}, dir.path()).out, "Ann K1AAA\nZed W9ZZZ\n");
    EXPECT_EQ(runProcess(calcProgram(), {"users", "delete", "Ann K1AAA"}, {}, dir.path()).exitCode, 0);
    EXPECT_EQ(runProcess(calcProgram(), {"users"}, {}, dir.path()).out, "Zed W9ZZZ\n");
    EXPECT_EQ(runProcess(calcProgram(), {"users", "delete", "Nobody"}, {}, dir.path()).exitCode, 1);
    const auto tooLong = runProcess(calcProgram(), {"users", "add", QString(41, u'x')}, {}, dir.path());
    EXPECT_EQ(tooLong.exitCode, 1);
    EXPECT_NE(tooLong.err.find("40"), std::string::npos);
}

// A disk that fills during the save (here a file size limit of 1 KiB): the
// design file stays as it was, the command says why and fails.
TEST(SaveCommand, AFailedWriteKeepsTheDesignFileAndExitsWithTheReason) {
    QTemporaryDir dir;
    const QByteArray old = "; notes\n[YQ]\nF=7.15\n" + QByteArray(900, ';') + "\n";
    {
        QFile f(dir.filePath("726.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    const auto r =
        runProcess("/bin/sh", {"-c", "trap '' XFSZ; ulimit -f 1; exec \"$0\" save F=7.15 CD=2.5 LD=6.5", calcProgram()},
                   {}, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("File too large"), std::string::npos) << r.err;
    QFile f(dir.filePath("726.ini"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), old);
    EXPECT_FALSE(QFile::exists(dir.filePath("YQ.csv")));
}

TEST(SaveCommand, ADamagedUserFileIsReportedAndNoRowWritten) {
    QTemporaryDir dir;
    {
        QFile f(dir.filePath("yq1.sqlite"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(2048, 'x'));
    }
    const auto r = runProcess(calcProgram(), {"save", "F=7.15", "CD=2", "LD=6"}, {}, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("yq1.sqlite cannot be read"), std::string::npos) << r.err;
    EXPECT_FALSE(QFile::exists(dir.filePath("YQ.csv")));
    const auto listed = runProcess(calcProgram(), {"users"}, {}, dir.path());
    EXPECT_EQ(listed.exitCode, 1);
    EXPECT_NE(listed.err.find("cannot be read"), std::string::npos) << listed.err;
    EXPECT_EQ(runProcess(calcProgram(), {"users", "add", "Ann"}, {}, dir.path()).exitCode, 1);
}

TEST(UsersCommand, NamesWithControlCharactersAreRefused) {
    QTemporaryDir dir;
    const auto r = runProcess(calcProgram(), {"users", "add", "Ann\r\n\"x\",\"y\""}, {}, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("control characters"), std::string::npos) << r.err;
    EXPECT_EQ(runProcess(calcProgram(), {"users"}, {}, dir.path()).out, "");
}

// A file that cannot be read is not a design of zeros.
TEST(FileOption, AFileThatCannotBeReadExitsWithTwo) {
    QTemporaryDir dir;
    const QString longName = dir.filePath(QString(200, u'a') + QStringLiteral("/") + QString(100, u'b') + ".ini");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(longName).absolutePath()));
    {
        QFile f(longName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[YQ]\nF=7.15\n");
    }
    const auto r = runProcess(calcProgram(), {"--file", longName}, {}, dir.path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("could not be read"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
}

// A design saved by an editor in UTF-16 reads as the same design.
TEST(FileOption, Utf16DesignFilesReadAsTheyWereSaved) {
    QTemporaryDir dir;
    const QString text = QStringLiteral("[YQ]\r\nF=7.15\r\nCD=2\r\nLD=6\r\nWD=0.04\r\n");
    QByteArray bytes("\xFF\xFE");
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    {
        QFile f(dir.filePath("726.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const auto fromFile = runProcess(calcProgram(), {"--file", dir.filePath("726.ini")}, {}, dir.path());
    const auto direct = runProcess(calcProgram(), {"F=7.15", "CD=2", "LD=6", "WD=0.04"}, {}, dir.path());
    ASSERT_EQ(fromFile.exitCode, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, direct.out);
}

}  // namespace
}  // namespace yq
