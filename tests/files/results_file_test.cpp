#include "files/ResultsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/FileBytes.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <csignal>
#include <cerrno>
#include <unistd.h>

namespace yq {
namespace {

using test::linesOf;

// Splits one CSV line of quoted fields (quotes doubled inside).
QStringList fieldsOf(QByteArray line) {
    if (line.endsWith('\r')) line.chop(1);
    QStringList fields;
    QString current;
    bool inQuotes = false;
    const QString text = QString::fromUtf8(line);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                current += u'"';
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                current += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
        } else if (c == u',') {
            fields << current;
            current.clear();
        }
    }
    fields << current;
    return fields;
}

DesignRecord sample() {
    DesignRecord r(UnitSystem::Imperial);
    *r.field("F") = Decimal::of("7.15");
    *r.field("CD") = Decimal::of("2");
    *r.field("LD") = Decimal::of("6");
    *r.field("RR") = Decimal::of("120");
    *r.field("DBL") = Decimal::of("-0.03");
    *r.field("WR") = Decimal::of("0.9534");
    return r;
}

TEST(PlainDecimalText, NoTrailingZerosOrPoint) {
    const std::pair<const char*, const char*> cases[] = {
        {"7.1500", "7.15"}, {"120.00", "120"}, {"0.05", "0.05"},     {"0", "0"},
        {"0.0000", "0"},    {"-2.50", "-2.5"}, {"-0.0300", "-0.03"}, {"9999999.99", "9999999.99"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(plainDecimalText(Decimal::of(value)), QString::fromLatin1(expected));
    }
}

TEST(ResultsFile, FirstSaveCreatesTitleLineThenRowsAreAppended) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kResultsFileName);
    const AppendResult first = appendResultsRow(path, sample(), "Jo \"Sparks\" W1XYZ   ");
    ASSERT_TRUE(first.ok()) << (first ? std::string() : first.problem().text());
    EXPECT_TRUE(first->created);
    const AppendResult second = appendResultsRow(path, sample(), "Jo W1XYZ", "ignored: the file exists");
    ASSERT_TRUE(second.ok());
    EXPECT_FALSE(second->created);

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 3);
    EXPECT_EQ(bytes.count('\n'), 3);  // every line ends in CR LF
    EXPECT_TRUE(bytes.startsWith("\"Freq\",\"RR\",\"Cyl Diam\",\"L/D\",\"CylCap\","));
    const QList<QByteArray> lines = linesOf(path);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith(",\"Sc Wire Length\",\"\"\r"));
    EXPECT_NE(lines[1].indexOf("\"Jo \"\"Sparks\"\" W1XYZ\"\r"), -1);  // quotes doubled, blanks trimmed
    for (const QByteArray& line : lines) EXPECT_EQ(fieldsOf(line).size(), 37);
    const QStringList row = fieldsOf(lines[1]);
    EXPECT_EQ(row[0], "7.15");
    EXPECT_EQ(row[1], "120");
    EXPECT_EQ(row[2], "2");
    EXPECT_EQ(row[3], "6");
    EXPECT_EQ(row[29], "0.9534");  // wire resistance
    EXPECT_EQ(row[30], "-0.03");   // loss
    EXPECT_EQ(row[36], "Jo \"Sparks\" W1XYZ");
}

TEST(ResultsFile, TitleLineCarriesThePreviousRowsUserWhenRecreated) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kResultsFileName);
    ASSERT_TRUE(appendResultsRow(path, sample(), "B", "A previous").ok());
    EXPECT_EQ(fieldsOf(linesOf(path)[0]).last(), "A previous");
}

TEST(ResultsFile, UnwritableFolderIsReportedAndNothingIsLost) {
    QTemporaryDir dir;
    const AppendResult missingFolder = appendResultsRow(dir.filePath("no/such/folder/YQ.csv"), sample(), "x");
    EXPECT_FALSE(missingFolder.ok());
    EXPECT_FALSE(missingFolder.problem().text().empty());

    // A folder in place of the file: not a file we may re-create.
    ASSERT_TRUE(QDir(dir.path()).mkdir("YQ.csv"));
    const AppendResult blocked = appendResultsRow(dir.filePath("YQ.csv"), sample(), "x");
    EXPECT_FALSE(blocked.ok());
    EXPECT_TRUE(QFileInfo(dir.filePath("YQ.csv")).isDir());
}

TEST(ResultsFile, LockedFileIsReportedNotWaitedForForever) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kResultsFileName);
    ASSERT_TRUE(appendResultsRow(path, sample(), "x").ok());
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);  // another writer holds the file
    const AppendResult r = appendResultsRow(path, sample(), "x", {}, 200);
    ::close(fd);
    EXPECT_FALSE(r.ok());
    EXPECT_NE(yq::problemText(r.problem()).indexOf("in use"), -1);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

TEST(ResultsFile, TwoWritersNeverInterleaveLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kResultsFileName);
    constexpr int kRows = 500;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            const QString user = c == 0 ? QString(40, u'A') : QString(40, u'B');
            int failures = 0;
            for (int i = 0; i < kRows; ++i) failures += appendResultsRow(path, sample(), user, {}, 60000).ok() ? 0 : 1;
            ::_exit(failures == 0 ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const QList<QByteArray> lines = linesOf(path);
    ASSERT_EQ(lines.size(), 1 + 2 * kRows);
    EXPECT_TRUE(lines[0].startsWith("\"Freq\""));
    int a = 0, b = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList fields = fieldsOf(lines[i]);
        ASSERT_EQ(fields.size(), 37) << i;
        ASSERT_EQ(fields[0], "7.15") << i;
        a += fields[36] == QString(40, u'A') ? 1 : 0;
        b += fields[36] == QString(40, u'B') ? 1 : 0;
    }
    EXPECT_EQ(a, kRows);
    EXPECT_EQ(b, kRows);
}

// A table whose last line has no line break (edited by hand or in a
// spreadsheet): the new row starts on a line of its own and every byte that
// was there stays.
TEST(ResultsFile, ALastLineWithoutItsBreakIsEndedFirst) {
    const std::pair<const char*, QByteArray> cases[] = {
        {"no break", "\"Freq\",\"x\"\r\n\"a\",\"b\""},
        {"LF ends", "\"Freq\",\"x\"\n\"a\",\"b\"\n"},
        {"CR ends", "\"Freq\",\"x\"\r\"a\",\"b\"\r"},
    };
    for (const auto& [name, before] : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(kResultsFileName);
        QFile w(path);
        ASSERT_TRUE(w.open(QIODevice::WriteOnly));
        w.write(before);
        w.close();
        const AppendResult r = appendResultsRow(path, sample(), "Jo");
        ASSERT_TRUE(r.ok()) << name;
        EXPECT_FALSE(r->created) << name;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray after = f.readAll();
        ASSERT_TRUE(after.startsWith(before)) << name;
        QByteArray added = after.mid(before.size());
        if (!before.endsWith('\n') && !before.endsWith('\r')) {
            ASSERT_TRUE(added.startsWith("\r\n")) << name;
            added = added.mid(2);
        }
        EXPECT_TRUE(added.startsWith("\"7.15\",\"120\",")) << name;
        EXPECT_TRUE(added.endsWith("\"Jo\"\r\n")) << name;
        EXPECT_EQ(fieldsOf(added.trimmed()).size(), 37) << name;
    }
}

// Text a spreadsheet would run as a formula stays text; a line break in a
// name never splits the row; numbers (negative ones too) stay numbers.
TEST(ResultsFile, UserTextIsWrittenSoASpreadsheetShowsItAsText) {
    const std::pair<const char*, const char*> cases[] = {
        {"=HYPERLINK(\"http://x\",\"y\")", "'=HYPERLINK(\"http://x\",\"y\")"},
        {"+1+2", "'+1+2"},
        {"-2+3", "'-2+3"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"  =1", "'  =1"},
        {"Jo = W1XYZ", "Jo = W1XYZ"},
        {"Ann\r\n=cmd", "Ann  =cmd"},
        {"\t=1", "' =1"},
        {"'quoted", "'quoted"},
    };
    for (const auto& [user, written] : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(kResultsFileName);
        ASSERT_TRUE(appendResultsRow(path, sample(), QString::fromUtf8(user), QString::fromUtf8(user)).ok());
        const QList<QByteArray> lines = linesOf(path);
        ASSERT_EQ(lines.size(), 2) << user;
        EXPECT_EQ(fieldsOf(lines[0]).last(), QString::fromUtf8(written)) << user;  // title line's last field
        const QStringList row = fieldsOf(lines[1]);
        ASSERT_EQ(row.size(), 37) << user;
        EXPECT_EQ(row[36], QString::fromUtf8(written)) << user;
        EXPECT_EQ(row[30], "-0.03") << user;  // a negative number is not neutralised
    }
}

// The row is whole in the file when only the flush to disk fails: that is
// not a failed row (a retry would add it twice), but it is said.
TEST(ResultsFile, AFailedFlushAfterAWholeRowIsNotAFailedRow) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kResultsFileName);
    int (*const realSync)(int) = detail::resultsFileSync;
    detail::resultsFileSync = [](int) {
        errno = EIO;
        return -1;
    };
    const AppendResult r = appendResultsRow(path, sample(), "Jo");
    detail::resultsFileSync = realSync;
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r->warning.contains("Input/output error")) << r->warning.toStdString();
    EXPECT_EQ(linesOf(path).size(), 2);
}

// A write that runs out of room takes back what reached the file: the table
// is exactly as it was, and the reason is the system's own.
TEST(ResultsFile, AShortWriteLeavesTheTableAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kResultsFileName);
    ASSERT_TRUE(appendResultsRow(path, sample(), "Jo").ok());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(before.size() + 100), static_cast<rlim_t>(before.size() + 100)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const AppendResult r = appendResultsRow(path, sample(), "Jo");
        ::_exit(!r.ok() && yq::problemText(r.problem()).contains("File too large") ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

}  // namespace
}  // namespace yq
