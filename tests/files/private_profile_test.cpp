#include "files/PrivateProfile.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace yq {
namespace {

using test::readAll;

void writeBytes(const QString& path, const QByteArray& bytes) { ASSERT_TRUE(test::writeAll(path, bytes)); }

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
    writeBytes(path(), original);
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
    writeBytes(path(), "[YQ]\nMetric=1\n  F = 7.15 \nQ=\n[yq2]\nF=9\n");
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
    writeBytes(path(), "[YQ]\nF=7.15\n");
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    EXPECT_FALSE(writeProfileString(path(), "YQ", "F", "9"));
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_EQ(readAll(path()), "[YQ]\nF=7.15\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left behind
}

// Bytes of a literal, NUL bytes included.
#define B(literal) QByteArray(literal, sizeof(literal) - 1)

// Lines the write does not touch keep their bytes whatever they hold:
// each case is a file, one key written, and the file expected after.
struct RewriteCase {
    const char* name;
    QByteArray before;
    const char* key;
    const char* value;
    QByteArray after;
};

class ProfileRewrite : public PrivateProfileTest, public ::testing::WithParamInterface<RewriteCase> {};

TEST_P(ProfileRewrite, KeepsEveryLineItDoesNotWriteByteForByte) {
    const RewriteCase& c = GetParam();
    writeBytes(path(), c.before);
    ProfileFile file(path());
    file.setValue("YQ", c.key, c.value);
    ASSERT_TRUE(file.save());
    EXPECT_EQ(readAll(path()), c.after);
    // Reading back finds the value written.
    EXPECT_EQ(readProfileString(path(), "YQ", c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, ProfileRewrite,
    ::testing::Values(
        RewriteCase{"NonUtf8Comment", B("; caf\xe9 au lait\r\n[YQ]\r\nF=1\r\n"), "F", "2",
                    B("; caf\xe9 au lait\r\n[YQ]\r\nF=2\r\n")},
        RewriteCase{"NoFinalNewlineKeyReplaced", B("[YQ]\nF=1\nCD=2"), "CD", "3", B("[YQ]\nF=1\nCD=3")},
        RewriteCase{"NoFinalNewlineKeyAdded", B("[YQ]\nF=1"), "CD", "3", B("[YQ]\nF=1\nCD=3")},
        RewriteCase{"NoFinalNewlineSectionAdded", B("[A]\r\nx=1"), "F", "7", B("[A]\r\nx=1\r\n[YQ]\r\nF=7")},
        RewriteCase{"ByteOrderMark", B("\xEF\xBB\xBF[YQ]\r\nF=1\r\n"), "F", "2", B("\xEF\xBB\xBF[YQ]\r\nF=2\r\n")},
        RewriteCase{"MixedLineEnds", B("; a\n[YQ]\r\nF=1\rCD=2\n; b\r\n"), "CD", "5",
                    B("; a\n[YQ]\r\nF=1\rCD=5\n; b\r\n")},
        RewriteCase{"CarriageReturnsOnly", B("[YQ]\rF=1\rCD=2\r"), "LD", "6", B("[YQ]\rF=1\rCD=2\rLD=6\r")},
        RewriteCase{"SameValueLeavesTheLineAsItIs", B("[YQ]\n  F = 7.15  \n"), "F", "7.15", B("[YQ]\n  F = 7.15  \n")},
        RewriteCase{"NulAndHighBytesElsewhere", B("[X]\nk=\x00\xff\xfe\n[YQ]\nF=1\n"), "F", "9",
                    B("[X]\nk=\x00\xff\xfe\n[YQ]\nF=9\n")}),
    [](const ::testing::TestParamInfo<RewriteCase>& p) { return std::string(p.param.name); });

TEST_F(PrivateProfileTest, Utf16FilesAreReadAndWrittenBackInTheirEncoding) {
    for (const bool little : {true, false}) {
        const QString text = QStringLiteral("; Gr\u00fc\u00dfe\r\n[YQ]\r\nF=7.15\r\nCD=2\r\n");
        QByteArray bytes = little ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
        for (const QChar c : text) {
            const char hi = static_cast<char>(c.unicode() >> 8), lo = static_cast<char>(c.unicode() & 0xFF);
            bytes += little ? QByteArray{&lo, 1} + QByteArray{&hi, 1} : QByteArray{&hi, 1} + QByteArray{&lo, 1};
        }
        writeBytes(path(), bytes);
        EXPECT_EQ(readProfileString(path(), "YQ", "F"), "7.15");
        EXPECT_EQ(readProfileString(path(), "YQ", "CD"), "2");
        ASSERT_TRUE(writeProfileString(path(), "YQ", "F", "7.15"));  // same value: nothing changes
        EXPECT_EQ(readAll(path()), bytes);
        ASSERT_TRUE(writeProfileString(path(), "YQ", "CD", "2.5"));
        ProfileFile again(path());
        EXPECT_EQ(again.value("YQ", "CD"), "2.5");
        EXPECT_TRUE(readAll(path()).startsWith(bytes.left(2)));
        EXPECT_EQ(readAll(path()).size(), bytes.size() + 4);  // ".5" in two bytes a character
    }
}

// A damaged UTF-16 file: a lone surrogate in a comment and a last odd byte.
// The lines it does not write keep their bytes; what is written reads back.
TEST_F(PrivateProfileTest, DamagedUtf16KeepsEveryByteItDoesNotWrite) {
    const QByteArray comment = QByteArray("\xFF\xFE;\0\x00\xD8\r\0\n\0", 10);  // ";" + lone high surrogate
    const QByteArray section = QByteArray(
        "[\0Y\0Q\0]\0\n\0F\0=\0"
        "1\0\n\0",
        18);
    const QByteArray bytes = comment + section + QByteArray("\x41", 1);  // odd last byte
    writeBytes(path(), bytes);
    EXPECT_EQ(readProfileString(path(), "YQ", "F"), "1");
    ASSERT_TRUE(writeProfileString(path(), "YQ", "F", "2"));
    QByteArray expected = bytes;
    expected[comment.size() + 14] = '2';
    EXPECT_EQ(readAll(path()), expected);
    ASSERT_TRUE(writeProfileString(path(), "YQ", "CD", "3"));
    const QByteArray after = readAll(path());
    EXPECT_TRUE(after.startsWith(expected.left(expected.size() - 1))) << after.toHex().toStdString();
    EXPECT_EQ(readProfileString(path(), "YQ", "CD"), "3");
    EXPECT_EQ(readProfileString(path(), "YQ", "F"), "2");

    // A lone last byte after a value, with no line end: a key added after it
    // leaves the value as it read ("1", not "17": the byte is no letter).
    writeBytes(path(), QByteArray("\xFF\xFE[\0Y\0Q\0]\0\n\0F\0=\0"
                                  "1\0"
                                  "7",
                                  19));
    EXPECT_EQ(readProfileString(path(), "YQ", "F"), "1");
    ASSERT_TRUE(writeProfileString(path(), "YQ", "CD", "3"));
    EXPECT_EQ(readProfileString(path(), "YQ", "F"), "1");
    EXPECT_EQ(readProfileString(path(), "YQ", "CD"), "3");
}

TEST_F(PrivateProfileTest, OnlyTheFirstSectionOfANameIsReadAndWritten) {
    writeBytes(path(), "[YQ]\nF=1\n[Other]\n[yq]\nF=2\nCD=3\n");
    EXPECT_EQ(readProfileString(path(), "YQ", "F"), "1");
    EXPECT_EQ(readProfileString(path(), "YQ", "CD"), "");  // only in the second [yq]
    ASSERT_TRUE(writeProfileString(path(), "YQ", "CD", "4"));
    EXPECT_EQ(readAll(path()), "[YQ]\nF=1\nCD=4\n[Other]\n[yq]\nF=2\nCD=3\n");
    EXPECT_EQ(readProfileString(path(), "YQ", "CD"), "4");
}

TEST_F(PrivateProfileTest, AnUnreadableFileIsAnErrorAndIsNotOverwritten) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    writeBytes(path(), "[Other]\nkeep=1\n[YQ]\nF=1\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path()).constData(), 0200), 0);
    ProfileFile file;
    EXPECT_FALSE(file.load(path()));
    EXPECT_TRUE(file.loadError().contains("Permission denied")) << file.loadError().toStdString();
    const Result<> written = writeProfileString(path(), "YQ", "F", "2");
    EXPECT_FALSE(written.ok());
    EXPECT_TRUE(problemText(written.problem()).contains("Permission denied")) << written.problem().text();
    ::chmod(QFile::encodeName(path()).constData(), 0600);
    EXPECT_EQ(readAll(path()), "[Other]\nkeep=1\n[YQ]\nF=1\n");
}

TEST_F(PrivateProfileTest, AFailedWriteSaysWhy) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    const Result<> written = writeProfileString(path(), "YQ", "F", "9");
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_FALSE(written.ok());
    EXPECT_TRUE(problemText(written.problem()).contains("Permission denied")) << written.problem().text();
    EXPECT_TRUE(problemText(written.problem()).contains("design.ini")) << written.problem().text();
}

// Many keys of one section written in one pass: new keys are added once, in
// order; keys already there are replaced where they stand.
TEST_F(PrivateProfileTest, ManyKeysOfASectionInOnePass) {
    QList<QPair<QString, QString>> values;
    for (int i = 1; i <= 20000; ++i) values.append({QStringLiteral("Sectors_%1").arg(i), QStringLiteral("a,b,c")});
    ProfileFile file(path());
    file.setValues("__Dont_Touch_Me__", values);
    values.append({QStringLiteral("Sectors_1"), QStringLiteral("x,y,z")});
    file.setValues("__Dont_Touch_Me__", values);  // all present now: replaced in place
    ASSERT_TRUE(file.save());
    const ProfileSection section = ProfileFile(path()).section("__dont_touch_me__");
    EXPECT_EQ(section.size(), 20000);
    EXPECT_EQ(section.value("sectors_1"), "x,y,z");
    EXPECT_EQ(section.value("Sectors_20000"), "a,b,c");
}

}  // namespace
}  // namespace yq
