// The HTML page of the report export and the colour conversion.
#include "report/HtmlWriter.h"

#include "support/FileBytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace yq::report;
using yq::test::readAll;

TEST(ColourToHex, GivesRedGreenBlueFromWindowsBlueGreenRed) {
    const struct {
        quint32 colour;
        const char* hex;
    } cases[] = {
        {0xFFFFFF, "FFFFFF"}, {0x0000FF, "FF0000"}, {0x00FF00, "00FF00"}, {0xFF0000, "0000FF"}, {0x000105, "050100"},
        {0x000000, "000000"}, {0x123456, "563412"}, {0xA0B0C0, "C0B0A0"}, {0x0A0B0C, "0C0B0A"},
    };
    for (const auto& c : cases) EXPECT_EQ(colourToHex(c.colour), QLatin1String(c.hex)) << std::hex << c.colour;
}

TEST(ColourToHex, OnlyTheLowTwentyFourBitsCount) {
    EXPECT_EQ(colourToHex(0x01000105), QStringLiteral("050100"));
    EXPECT_EQ(colourToHex(0xFF0000FF), QStringLiteral("FF0000"));
}

TEST(PageBackground, ZeroOrBelowIsWhite) {
    EXPECT_EQ(pageBackgroundHex(0), QStringLiteral("FFFFFF"));
    EXPECT_EQ(pageBackgroundHex(-1), QStringLiteral("FFFFFF"));
    EXPECT_EQ(pageBackgroundHex(0x000105), QStringLiteral("050100"));
    EXPECT_EQ(pageBackgroundHex(0xFFFFFF), QStringLiteral("FFFFFF"));
}

TEST(HtmlPage, IsTheFixedPageWithAnEmptyLineAfterEveryTextButTheLast) {
    const QByteArray expected =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n\r\n"
        "<HTML><HEAD>\r\n\r\n"
        "<META content=\"text/html; charset=iso-8859-1\" http-equiv=Content-Type>\r\n\r\n"
        "<META content=\"MSHTML 5.00.2614.3500\" name=GENERATOR></HEAD>\r\n\r\n"
        "<BODY bgColor=#FFFFFF><DIV>\r\n\r\n"
        "</DIV></BODY></HTML>\r\n";
    EXPECT_EQ(htmlPageBytes(0xFFFFFF), expected);
}

TEST(HtmlPage, LastLineHasItsLineEndButNoEmptyLineAfterIt) {
    const QByteArray page = htmlPageBytes(0xFFFFFF);
    EXPECT_TRUE(page.endsWith("\r\n</DIV></BODY></HTML>\r\n"));
    EXPECT_FALSE(page.endsWith("\r\n\r\n"));
    const QList<QByteArray> lines = page.split('\n');
    // Texts alternate with empty lines; the split leaves an empty tail.
    ASSERT_EQ(lines.size(), 12);
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(lines.at(i).endsWith('\r')) << i;
        EXPECT_EQ(lines.at(i) == "\r", i % 2 == 1) << i;
    }
    EXPECT_EQ(lines.at(10), "</DIV></BODY></HTML>\r");
    EXPECT_EQ(lines.at(11), "");
}

TEST(HtmlPage, BackgroundFollowsTheGivenColour) {
    EXPECT_TRUE(htmlPageBytes(0x0000FF).contains("<BODY bgColor=#FF0000><DIV>\r\n\r\n"));
    EXPECT_TRUE(htmlPageBytes(0).contains("<BODY bgColor=#FFFFFF><DIV>\r\n\r\n"));
    EXPECT_TRUE(htmlPageBytes(-5).contains("<BODY bgColor=#FFFFFF><DIV>\r\n\r\n"));
}

TEST(HtmlPage, BodyLinesStandBetweenTheDivTagsWithoutTrailingBlanks) {
    const QByteArray page = htmlPageBytes(0xFFFFFF, {QStringLiteral("Hello   "), QStringLiteral("caf\u00e9")});
    EXPECT_TRUE(page.contains("<DIV>\r\n\r\nHello\r\ncaf\xE9\r\n</DIV></BODY></HTML>\r\n"));
}

TEST(HtmlFile, IsWrittenInAFolderThatIsCreatedWhenMissing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VH/vh37.html"));
    const yq::Result<> result = writeHtmlPage(path, 0xFFFFFF);
    EXPECT_TRUE(result);
    EXPECT_EQ(readAll(path), htmlPageBytes(0xFFFFFF));
}

TEST(HtmlFile, ReplacesAnEarlierPage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vh11.html"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'Q'));
    }
    ASSERT_TRUE(writeHtmlPage(path, 0xFFFFFF));
    EXPECT_EQ(readAll(path), htmlPageBytes(0xFFFFFF));
}

TEST(HtmlFile, PathThatCannotBeOpenedGivesTwo) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vh37.html"));
    ASSERT_TRUE(QDir().mkpath(path));  // a folder in the file's place
    const yq::Result<> result = writeHtmlPage(path, 0xFFFFFF);
    ASSERT_FALSE(result);
    EXPECT_FALSE(result.problem().text().empty());
}

TEST(HtmlBody, IsThePageJoinedIntoOneLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vh37.html"));
    ASSERT_TRUE(writeHtmlPage(path, 0xFFFFFF));
    QString body;
    ASSERT_TRUE(readHtmlBody(path, body));
    EXPECT_EQ(body, QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
                                   "<HTML><HEAD>"
                                   "<META content=\"text/html; charset=iso-8859-1\" http-equiv=Content-Type>"
                                   "<META content=\"MSHTML 5.00.2614.3500\" name=GENERATOR></HEAD>"
                                   "<BODY bgColor=#FFFFFF><DIV>"
                                   "</DIV></BODY></HTML>"));
}

TEST(HtmlBody, DropsTrailingBlanksOfEachLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b.html"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<P>a  \r\n  b   \r\n\r\nc");
    }
    QString body;
    ASSERT_TRUE(readHtmlBody(path, body));
    EXPECT_EQ(body, QStringLiteral("<P>a  bc"));
}

TEST(HtmlBody, MissingFileIsReported) {
    QTemporaryDir dir;
    QString body = QStringLiteral("old");
    EXPECT_FALSE(readHtmlBody(dir.filePath(QStringLiteral("none.html")), body));
    EXPECT_TRUE(body.isEmpty());
}

}  // namespace
