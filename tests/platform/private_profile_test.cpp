#include "platform/PrivateProfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace yq::platform {
namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class PrivateProfileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name = "design.ini") const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(PrivateProfileTest, WriteReplacesInPlaceAndKeepsEveryOtherLine) {
    const QByteArray original =
        "; my 40 m design\r\n"
        "[Other]\r\n"
        "F=1\r\n"
        "\r\n"
        "[YQ]\r\n"
        "F=7.15\r\n"
        "; note about CD\r\n"
        "cd = 2\r\n"
        "LD=6\r\n"
        "\r\n"
        "[Tail]\r\n"
        "x=y\r\n";
    writeAll(path(), original);
    ASSERT_TRUE(writeProfileString(path(), "yq", "CD", "2.5"));
    ASSERT_TRUE(writeProfileString(path(), "YQ", "NEW", "42"));
    const QByteArray expected =
        "; my 40 m design\r\n"
        "[Other]\r\n"
        "F=1\r\n"
        "\r\n"
        "[YQ]\r\n"
        "F=7.15\r\n"
        "; note about CD\r\n"
        "cd=2.5\r\n"
        "LD=6\r\n"
        "NEW=42\r\n"
        "\r\n"
        "[Tail]\r\n"
        "x=y\r\n";
    EXPECT_EQ(readAll(path()), expected);
}

TEST_F(PrivateProfileTest, NamesMatchWithoutRegardToCaseAndMissingReadsEmpty) {
    writeAll(path(), "[YQ]\nMetric=1\n  F = 7.15 \nQ=\n[yq2]\nF=9\n");
    EXPECT_EQ(readProfileString(path(), "yq", "metric"), "1");
    EXPECT_EQ(readProfileString(path(), "YQ", "f"), "7.15");
    EXPECT_EQ(readProfileString(path(), "YQ", "Q"), "");
    EXPECT_EQ(readProfileString(path(), "YQ", "LD"), "");
    EXPECT_EQ(readProfileString(path(), "Nope", "F"), "");
    EXPECT_EQ(readProfileString(path("missing.ini"), "YQ", "F"), "");
    EXPECT_FALSE(QFile::exists(path("missing.ini")));  // reading creates nothing
}

TEST_F(PrivateProfileTest, WriteCreatesTheFileAndAppendsMissingSections) {
    ASSERT_TRUE(writeProfileString(path("new.ini"), "YQ", "F", "7.15"));
    ASSERT_TRUE(writeProfileString(path("new.ini"), "Second", "A", "b"));
    ASSERT_TRUE(writeProfileString(path("new.ini"), "YQ", "CD", "2"));
    EXPECT_EQ(readAll(path("new.ini")), "[YQ]\nF=7.15\nCD=2\n[Second]\nA=b\n");
}

TEST_F(PrivateProfileTest, LimitsOfNamesValuesAndPaths) {
    const QString longName(100, u'K');
    ASSERT_TRUE(writeProfileString(path(), "YQ", longName, QString(2000, u'v')));
    EXPECT_EQ(readProfileString(path(), "YQ", longName.left(64)), QString(1024, u'v'));
    const QString longPath = dir.path() + u'/' + QString(300, u'a') + QStringLiteral(".ini");
    EXPECT_FALSE(writeProfileString(longPath, "YQ", "F", "1"));
    // A value cannot smuggle in a line of its own.
    ASSERT_TRUE(writeProfileString(path(), "YQ", "F", "1\n[Evil]\nX=2"));
    EXPECT_EQ(readProfileString(path(), "Evil", "X"), "");
}

TEST_F(PrivateProfileTest, FailedWriteLeavesTheFileAsItWas) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    writeAll(path(), "[YQ]\nF=7.15\n");
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    EXPECT_FALSE(writeProfileString(path(), "YQ", "F", "9"));
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_EQ(readAll(path()), "[YQ]\nF=7.15\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left behind
}

}  // namespace
}  // namespace yq::platform
