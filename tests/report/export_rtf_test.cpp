// The RTF document of the report export, byte by byte: header, picture
// groups, hexadecimal page data and closing.
#include "report/MetafileHex.h"
#include "report/RandomSource.h"
#include "report/RtfWriter.h"

#include "support/FileBytes.h"
#include "support/FixedRandom.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>
#include <uwmf.h>

namespace {

using namespace yq::report;
using yq::test::readAll;
using yq::test::writeAll;

// The writer's code, its problem text and the bytes it wrote, as the tests read them.
int codeOf(const RtfResult& result) { return yq::codeOr(result, rtf::Done); }
QString errorOf(const RtfResult& result) { return result ? QString() : problemText(result.problem()); }
QByteArray documentOf(const RtfResult& result) { return result ? *result : QByteArray(); }

// Expected header from the test data: its lines joined without line breaks.
QByteArray expectedHeader() {
    QByteArray text = readAll(QStringLiteral(YQ_TEST_DATA "/export/rtf-header-500-500.txt"));
    if (text.endsWith('\n')) text.chop(1);
    return text.replace("\n", "");
}

// Depth of open groups at the end of `rtf`, skipping escaped braces.
int openGroups(const QByteArray& rtf) {
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf.at(i);
        if (c == '\\') {
            ++i;
            continue;
        }
        if (c == '{')
            ++depth;
        else if (c == '}')
            --depth;
        if (depth < 0) return -1000;
    }
    return depth;
}

// A placeable-metafile stand-in: the 22-byte header (its contents do not
// matter to the encoder) and then `body`.
QByteArray page(const QByteArray& body) {
    QByteArray bytes("\xD7\xCD\xC6\x9A", 4);
    bytes += QByteArray(18, '\x01');
    return bytes + body;
}

QByteArray bytesFrom(int first, int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i) bytes += static_cast<char>((first + i) & 0xFF);
    return bytes;
}

using yq::test::FixedRandom;

// ---------------------------------------------------------------------------
// Header

TEST(RtfHeader, MatchesTheFixedPrologueSettingsAndMarginsByteForByte) {
    const QByteArray expected = expectedHeader();
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(rtfHeader(500, 500), expected);
}

TEST(RtfHeader, HoldsTheRequiredPiecesInOrder) {
    const QByteArray header = rtfHeader(500, 500);
    const char* pieces[] = {
        "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0",
        "\\deflang3081\\deflangfe3081",
        "{\\fonttbl",
        "{\\colortbl;",
        "{\\stylesheet",
        "{\\*\\rsidtbl \\rsid13835495}",
        "{\\*\\generator ",
        "{\\info",
        "\\paperw11906\\paperh16838\\margl500\\margt500\\widowctrl\\ftnbj\\aenddoc\\noxlattoyen\\",
        "\\viewkind1\\viewscale100",
        "\\rsidroot13835495 \\fet0\\sectd",
        "\\headery708\\footery708",
        "\\pnseclvl1",
        "\\pnseclvl2",
        "\\pnseclvl3",
        "\\pnseclvl4",
        "\\pnseclvl5",
        "\\pnseclvl6",
        "\\pnseclvl7",
        "\\pnseclvl8",
        "\\pnseclvl9",
        "\\pard\\plain",
        "\\ql \\li0\\ri0\\widctlpar",
        "\\fs24\\lang3081\\langfe3081\\cgrid\\langnp3081\\langfenp3081",
    };
    qsizetype from = 0;
    for (const char* piece : pieces) {
        const qsizetype at = header.indexOf(piece, from);
        EXPECT_GE(at, 0) << "missing or out of order: " << piece;
        if (at >= 0) from = at + 1;
    }
    EXPECT_TRUE(header.startsWith("{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0"));
    EXPECT_TRUE(header.endsWith("\\fs24\\lang3081\\langfe3081\\cgrid\\langnp3081\\langfenp3081 {\\insrsid13835495"));
    EXPECT_FALSE(header.contains('\r'));
    EXPECT_FALSE(header.contains('\n'));
    // Document group and first text group stay open.
    EXPECT_EQ(openGroups(header), 2);
}

TEST(RtfHeader, FontTableHasTimesNewRomanAndItsScriptVariants) {
    const QByteArray header = rtfHeader(500, 500);
    EXPECT_TRUE(header.contains("{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"));
    const struct {
        int font;
        int charset;
        const char* name;
    } variants[] = {
        {36, 238, "Times New Roman CE"},       {37, 204, "Times New Roman Cyr"},
        {39, 161, "Times New Roman Greek"},    {40, 162, "Times New Roman Tur"},
        {41, 177, "Times New Roman (Hebrew)"}, {42, 178, "Times New Roman (Arabic)"},
        {43, 186, "Times New Roman Baltic"},
    };
    for (const auto& v : variants) {
        const QByteArray entry = "{\\f" + QByteArray::number(v.font) + "\\froman\\fcharset" +
                                 QByteArray::number(v.charset) + "\\fprq2 " + v.name + ";}";
        EXPECT_TRUE(header.contains(entry)) << entry.constData();
    }
}

TEST(RtfHeader, ColourTableIsAutomaticThenTheSixteenStandardColours) {
    const int colours[16][3] = {{0, 0, 0},     {0, 0, 255},   {0, 255, 255},   {0, 255, 0},
                                {255, 0, 255}, {255, 0, 0},   {255, 255, 0},   {255, 255, 255},
                                {0, 0, 128},   {0, 128, 128}, {0, 128, 0},     {128, 0, 128},
                                {128, 0, 0},   {128, 128, 0}, {128, 128, 128}, {192, 192, 192}};
    QByteArray table = "{\\colortbl;";
    for (const auto& c : colours) {
        table += "\\red" + QByteArray::number(c[0]) + "\\green" + QByteArray::number(c[1]) + "\\blue" +
                 QByteArray::number(c[2]) + ";";
    }
    table += "}";
    EXPECT_TRUE(rtfHeader(500, 500).contains(table));
}

TEST(RtfHeader, StyleSheetNamesNormalDefaultParagraphFontAndNormalTable) {
    const QByteArray header = rtfHeader(500, 500);
    const qsizetype sheet = header.indexOf("{\\stylesheet");
    ASSERT_GE(sheet, 0);
    const QByteArray rest = header.mid(sheet);
    EXPECT_TRUE(rest.contains("\\fs24\\lang3081\\langfe3081\\cgrid\\langnp3081\\langfenp3081 \\snext0 Normal;}"));
    EXPECT_TRUE(rest.contains(" Default Paragraph Font;}"));
    EXPECT_TRUE(rest.contains(" Normal Table;}"));
}

TEST(RtfHeader, InformationGroupHasABlankTitleAndNamesNoPersonOrCompany) {
    const QByteArray header = rtfHeader(500, 500);
    const qsizetype start = header.indexOf("{\\info");
    ASSERT_GE(start, 0);
    // The group up to its closing brace.
    int depth = 0;
    qsizetype end = start;
    for (; end < header.size(); ++end) {
        if (header.at(end) == '{')
            ++depth;
        else if (header.at(end) == '}' && --depth == 0)
            break;
    }
    const QByteArray info = header.mid(start, end - start + 1);
    EXPECT_TRUE(info.contains("{\\title }"));
    EXPECT_TRUE(info.contains("{\\author YQ design calculator}"));
    EXPECT_TRUE(info.contains("{\\operator YQ design calculator}"));
    EXPECT_TRUE(info.contains("{\\*\\company }"));
    EXPECT_TRUE(info.contains("\\creatim"));
    EXPECT_TRUE(info.contains("\\revtim"));
    EXPECT_TRUE(info.contains("{\\version1}"));
    EXPECT_FALSE(header.contains("Microsoft"));
}

TEST(RtfHeader, MarginsAreWrittenAsGivenInTwips) {
    const struct {
        int left, top;
        const char* words;
    } cases[] = {
        {500, 500, "\\margl500\\margt500\\widowctrl"},
        {0, 0, "\\margl0\\margt0\\widowctrl"},
        {1440, 720, "\\margl1440\\margt720\\widowctrl"},
    };
    for (const auto& c : cases) {
        const QByteArray header = rtfHeader(c.left, c.top);
        EXPECT_TRUE(header.contains(QByteArray("\\paperw11906\\paperh16838") + c.words)) << c.words;
        EXPECT_FALSE(header.contains("\\margr"));
        EXPECT_FALSE(header.contains("\\margb"));
    }
}

// ---------------------------------------------------------------------------
// Picture groups

TEST(RtfPicture, PrefixCarriesScaleCropSizeTypeAndTheTagTwice) {
    const QByteArray expected =
        " {\\pict{\\*\\picprop\\shplid1026{\\sp{\\sn shapeType}{\\sv 75}}{\\sp{\\sn fFlipH}{\\sv 0}}\r\n"
        "{\\sp{\\sn fFlipV}{\\sv 0}}{\\sp{\\sn pibFlags}{\\sv 2}}{\\sp{\\sn fLine}{\\sv 0}}"
        "{\\sp{\\sn fLayoutInCell}{\\sv 1}}}\\picscalex100\\picscaley100"
        "\\piccropl0\\piccropr0\\piccropt0\\piccropb0\r\n"
        "\\picw20320\\pich29690\\picwgoal11520\\pichgoal16832\\wmetafile8\\bliptag1234567890"
        "\\blipupi-58{\\*\\blipuid b09f3721717b6ae0a7a87d1234567890}\r\n";
    EXPECT_EQ(rtfPictureStart("100", 1234567890), expected);
}

TEST(RtfPicture, ScaleTextIsHundredForZeroAndTheNumberOtherwise) {
    EXPECT_EQ(rtfScaleText(0), "100");
    EXPECT_EQ(rtfScaleText(75), "75");
    EXPECT_EQ(rtfScaleText(250), "250");
}

TEST(RtfPicture, PictureUidIsThirtyTwoHexDigitsWithTheTag) {
    const QByteArray start = rtfPictureStart("100", kPictureTagHigh);
    const qsizetype at = start.indexOf("\\blipuid ");
    ASSERT_GE(at, 0);
    const QByteArray uid = start.mid(at + 9, start.indexOf('}', at) - at - 9);
    EXPECT_EQ(uid, "b09f3721717b6ae0a7a87d1410065407");
    EXPECT_EQ(uid.size(), 32);
}

TEST(RtfDocument, TwoPagesOf22And86BytesGiveEmptyAndOneFullHexLine) {
    const QByteArray body64 = bytesFrom(0, 64);
    const QByteArray doc = rtfDocument({page({}), page(body64)}, 0, 500, 500, 1111111111);

    const QByteArray prefix =
        " {\\pict{\\*\\picprop\\shplid1026{\\sp{\\sn shapeType}{\\sv 75}}{\\sp{\\sn fFlipH}{\\sv 0}}\r\n"
        "{\\sp{\\sn fFlipV}{\\sv 0}}{\\sp{\\sn pibFlags}{\\sv 2}}{\\sp{\\sn fLine}{\\sv 0}}"
        "{\\sp{\\sn fLayoutInCell}{\\sv 1}}}\\picscalex100\\picscaley100"
        "\\piccropl0\\piccropr0\\piccropt0\\piccropb0\r\n"
        "\\picw20320\\pich29690\\picwgoal11520\\pichgoal16832\\wmetafile8\\bliptag1111111111"
        "\\blipupi-58{\\*\\blipuid b09f3721717b6ae0a7a87d1111111111}\r\n";
    const QByteArray hex64 =
        "000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F"
        "202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D3E3F\r\n";
    // A paragraph and page break stand between two pictures, so word
    // processors that keep a full-page picture on the page before still
    // show every page.
    const QByteArray expected = expectedHeader() + prefix + "}}{\\insrsid13835495" + "\\par\\page" + prefix + hex64 +
                                "}}{\\insrsid13835495" + " \r\n\\par }}";
    EXPECT_EQ(doc, expected);
    EXPECT_EQ(openGroups(doc), 0);
}

TEST(RtfDocument, EveryGroupIsClosedWhateverThePageCount) {
    for (int pages = 1; pages <= 4; ++pages) {
        QList<QByteArray> images;
        for (int i = 0; i < pages; ++i) images << page(bytesFrom(i, 100 + 37 * i));
        const QByteArray doc = rtfDocument(images, 0, 500, 500, 1200000000);
        EXPECT_EQ(openGroups(doc), 0) << pages;
        EXPECT_EQ(doc.count("{\\pict"), pages);
        EXPECT_EQ(doc.count("\\bliptag1200000000"), pages);
        EXPECT_EQ(doc.count("\\par\\page {\\pict"), pages - 1);
        EXPECT_TRUE(doc.endsWith("}}{\\insrsid13835495 \r\n\\par }}"));
    }
}

// ---------------------------------------------------------------------------
// Hexadecimal page data

TEST(MetafileHex, SkipsThePlaceableHeaderAndBreaksEvery128Digits) {
    const struct {
        int size;        // whole image, header included
        int digits;      // hexadecimal digits expected
        int lineBreaks;  // CR LF expected
        bool endsWithBreak;
    } cases[] = {
        {0, 0, 0, false},   {10, 0, 0, false},   {22, 0, 0, false},   {23, 2, 0, false},    {85, 126, 0, false},
        {86, 128, 1, true}, {87, 130, 1, false}, {150, 256, 2, true}, {151, 258, 2, false}, {1046, 2048, 16, true},
    };
    for (const auto& c : cases) {
        QByteArray out;
        appendMetafileHex(bytesFrom(0x40, c.size), out);
        QByteArray digits = out;
        digits.replace("\r\n", "");
        EXPECT_EQ(digits.size(), c.digits) << c.size;
        EXPECT_EQ(out.count("\r\n"), c.lineBreaks) << c.size;
        EXPECT_EQ(out.endsWith("\r\n"), c.endsWithBreak) << c.size;
        for (const QByteArray& line : out.split('\n')) {
            const QByteArray text = line.endsWith('\r') ? line.chopped(1) : line;
            EXPECT_LE(text.size(), 128) << c.size;
        }
    }
}

TEST(MetafileHex, WritesUpperCaseDigitsHighNibbleFirst) {
    QByteArray out;
    appendMetafileHex(page(QByteArray("\xAB\x0F\xF0\x00\x9C", 5)), out);
    EXPECT_EQ(out, "AB0FF0009C");
}

TEST(MetafileHex, AppendsToWhatIsThere) {
    QByteArray out = "X";
    appendMetafileHex(page(QByteArray("\x01", 1)), out);
    EXPECT_EQ(out, "X01");
}

TEST(MetafileHex, UnreadableFileIsReportedAndAddsNothing) {
    QTemporaryDir dir;
    QByteArray out = "kept";
    const yq::Result<> read = appendMetafileHexFromFile(dir.filePath(QStringLiteral("missing.wmf")), out);
    ASSERT_FALSE(read);
    EXPECT_EQ(out, "kept");
    EXPECT_FALSE(read.problem().reason.empty());
}

// ---------------------------------------------------------------------------
// A real metafile made with libUEMF

QByteArray makeMetafile(const QString& path) {
    WMFTRACK* wt = nullptr;
    WMFHANDLES* wht = nullptr;
    const QByteArray name = QFile::encodeName(path);
    if (wmf_start(name.constData(), 65536, 65536, &wt) != 0) return {};
    wmf_htable_create(128, 128, &wht);
    U_PAIRF* size = U_PAIRF_set(8.0f, 11.6889f);
    wmf_header_append(reinterpret_cast<U_METARECORD*>(U_WMRHEADER_set(size, 1440)), wt, 1);
    std::free(size);
    wmf_append(reinterpret_cast<U_METARECORD*>(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC)), wt, 1);
    wmf_append(reinterpret_cast<U_METARECORD*>(U_WMRSETWINDOWORG_set(point16_set(0, 0))), wt, 1);
    wmf_append(reinterpret_cast<U_METARECORD*>(U_WMRSETWINDOWEXT_set(point16_set(11520, 16832))), wt, 1);
    char face[] = "Arial";
    U_FONT* font = U_FONT_set(-280, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, face);
    uint32_t fontHandle = 0;
    wmf_append(reinterpret_cast<U_METARECORD*>(wcreatefontindirect_set(&fontHandle, wht, font)), wt, 1);
    std::free(font);
    wmf_append(reinterpret_cast<U_METARECORD*>(wselectobject_set(fontHandle, wht)), wt, 1);
    char text[] = "YQ *Star* Antenna designed for";
    wmf_append(reinterpret_cast<U_METARECORD*>(U_WMRTEXTOUT_set(point16_set(1200, 1400), text)), wt, 1);
    wmf_append(reinterpret_cast<U_METARECORD*>(
                   U_WMRRECTANGLE_set(U_RECT16_set(point16_set(800, 1000), point16_set(10500, 1900)))),
               wt, 1);
    wmf_append(reinterpret_cast<U_METARECORD*>(U_WMREOF_set()), wt, 1);
    wmf_finish(wt);
    wmf_free(&wt);
    wmf_htable_free(&wht);
    return readAll(path);
}

TEST(RtfDocument, HexOfARealMetafileDecodesToItsRecords) {
    QTemporaryDir dir;
    const QByteArray image = makeMetafile(dir.filePath(QStringLiteral("page.wmf")));
    ASSERT_GT(image.size(), 100);
    // The placeable key, then the metafile header after 22 bytes.
    ASSERT_TRUE(image.startsWith(QByteArray("\xD7\xCD\xC6\x9A", 4)));

    const QByteArray doc = rtfDocument({image}, 0, 500, 500, 1300000000);
    const qsizetype start = doc.indexOf("1300000000}\r\n") + 13;
    const qsizetype end = doc.indexOf("}}{\\insrsid13835495", start);
    ASSERT_GT(end, start);
    QByteArray hex = doc.mid(start, end - start);
    hex.replace("\r\n", "");
    EXPECT_EQ(QByteArray::fromHex(hex), image.mid(22));
}

// ---------------------------------------------------------------------------
// Writing the file

class RtfFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(RtfFile, WritesTheDocumentOfThePageFilesWithADrawnTag) {
    ASSERT_TRUE(writeAll(path("371.wmf"), page(bytesFrom(7, 3))));
    ASSERT_TRUE(writeAll(path("372.wmf"), page(bytesFrom(0, 64))));
    FixedRandom random({1234512345});
    const RtfResult result = writeRtfDocument(path("37.RTF"), {path("371.wmf"), path("372.wmf")}, 0, 500, 500, random);
    EXPECT_EQ(codeOf(result), rtf::Done);
    ASSERT_EQ(random.ranges.size(), 1);
    EXPECT_EQ(random.ranges.front(), qMakePair(qint64(1111111111), qint64(1410065407)));
    const QByteArray expected = rtfDocument({page(bytesFrom(7, 3)), page(bytesFrom(0, 64))}, 0, 500, 500, 1234512345);
    EXPECT_EQ(readAll(path("37.RTF")), expected);
    EXPECT_EQ(documentOf(result), expected);
}

TEST_F(RtfFile, ScaleAndMarginsReachTheFile) {
    ASSERT_TRUE(writeAll(path("1.wmf"), page("x")));
    FixedRandom random({1111111111});
    ASSERT_EQ(yq::codeOr(writeRtfDocument(path("d.RTF"), {path("1.wmf")}, 75, 720, 360, random), rtf::Done), rtf::Done);
    const QByteArray doc = readAll(path("d.RTF"));
    EXPECT_TRUE(doc.contains("\\picscalex75\\picscaley75\\piccropl0"));
    EXPECT_TRUE(doc.contains("\\margl720\\margt360\\widowctrl"));
}

TEST_F(RtfFile, NoPageWritesNothing) {
    FixedRandom random({});
    const RtfResult result = writeRtfDocument(path("37.RTF"), {}, 0, 500, 500, random);
    EXPECT_EQ(codeOf(result), rtf::NotWritten);
    EXPECT_FALSE(errorOf(result).isEmpty());
    EXPECT_FALSE(QFile::exists(path("37.RTF")));
    EXPECT_TRUE(random.ranges.isEmpty());
}

TEST_F(RtfFile, FileThatCannotBeCreatedIsNotWritten) {
    ASSERT_TRUE(writeAll(path("1.wmf"), page("x")));
    FixedRandom random({});
    const RtfResult result = writeRtfDocument(path("no-such-folder/37.RTF"), {path("1.wmf")}, 0, 500, 500, random);
    EXPECT_EQ(codeOf(result), rtf::NotWritten);
    EXPECT_FALSE(errorOf(result).isEmpty());
}

TEST_F(RtfFile, UnreadablePageStopsTheDocumentThere) {
    ASSERT_TRUE(writeAll(path("1.wmf"), page("\x11")));
    FixedRandom random({1111111111});
    const RtfResult result = writeRtfDocument(path("37.RTF"), {path("1.wmf"), path("2.wmf")}, 0, 500, 500, random);
    EXPECT_EQ(codeOf(result), rtf::PageUnreadable);
    EXPECT_TRUE(errorOf(result).contains(QStringLiteral("2.wmf")));
    const QByteArray doc = readAll(path("37.RTF"));
    EXPECT_EQ(doc.count("{\\pict"), 2);
    EXPECT_FALSE(doc.endsWith("\\par }}"));
}

TEST_F(RtfFile, PageImageWithoutPictureOrCutShortIsRefusedAndNeverBecomesABlankPage) {
    const QByteArray real = makeMetafile(path("real.wmf"));
    ASSERT_GT(real.size(), 100);
    const struct {
        const char* name;
        QByteArray image;
        const char* why;  // empty: a whole page
    } cases[] = {
        {"empty", {}, "no picture"},
        {"header only", page({}), "no picture"},
        {"cut short", real.left(real.size() / 2), "cut short"},
        {"one byte short", real.left(real.size() - 2), "cut short"},
        {"whole", real, ""},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(writeAll(path("1.wmf"), c.image));
        FixedRandom random({1111111111});
        const RtfResult result = writeRtfDocument(path("37.RTF"), {path("1.wmf")}, 0, 500, 500, random);
        if (*c.why == '\0') {
            EXPECT_EQ(codeOf(result), rtf::Done) << c.name << ": " << errorOf(result).toStdString();
            continue;
        }
        EXPECT_EQ(codeOf(result), rtf::PageUnreadable) << c.name;
        EXPECT_TRUE(errorOf(result).contains(QLatin1String(c.why))) << c.name << ": " << errorOf(result).toStdString();
        EXPECT_TRUE(documentOf(result).isEmpty()) << c.name;
    }
}

TEST_F(RtfFile, LinkAtTheDocumentIsReplacedNotWrittenThrough) {
    ASSERT_TRUE(writeAll(path("elsewhere.txt"), "someone else's file"));
    ASSERT_TRUE(QFile::link(path("elsewhere.txt"), path("37.RTF")));
    ASSERT_TRUE(writeAll(path("1.wmf"), page("\x22")));
    FixedRandom random({1111111111});
    ASSERT_EQ(yq::codeOr(writeRtfDocument(path("37.RTF"), {path("1.wmf")}, 0, 500, 500, random), rtf::Done), rtf::Done);
    EXPECT_EQ(readAll(path("elsewhere.txt")), "someone else's file");
    EXPECT_FALSE(QFileInfo(path("37.RTF")).isSymLink());
    EXPECT_TRUE(readAll(path("37.RTF")).endsWith("\\par }}"));
}

TEST_F(RtfFile, ReplacesAnEarlierFileAsAWhole) {
    ASSERT_TRUE(writeAll(path("37.RTF"), QByteArray(200000, 'Z')));
    ASSERT_TRUE(writeAll(path("1.wmf"), page("\x22")));
    FixedRandom random({1111111111});
    ASSERT_EQ(yq::codeOr(writeRtfDocument(path("37.RTF"), {path("1.wmf")}, 0, 500, 500, random), rtf::Done), rtf::Done);
    const QByteArray doc = readAll(path("37.RTF"));
    EXPECT_FALSE(doc.contains('Z'));
    EXPECT_TRUE(doc.endsWith("\\par }}"));
}

}  // namespace
