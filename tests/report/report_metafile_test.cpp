#include "report/MetafileRenderer.h"
#include "ReportTestSupport.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QSet>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numeric>
#include <optional>

namespace yq::report {
namespace {

using test::ensureGuiApp;
using test::reportData;
using test::UserFolder;

// Record functions of the metafile format.
constexpr quint16 kSetMapMode = 0x0103;
constexpr quint16 kSetWindowOrg = 0x020B;
constexpr quint16 kSetWindowExt = 0x020C;
constexpr quint16 kSetTextAlign = 0x012E;
constexpr quint16 kExtTextOut = 0x0A32;
constexpr quint16 kRectangle = 0x041B;
constexpr quint16 kCreateFont = 0x02FB;
constexpr quint16 kStretchDib = 0x0F43;
constexpr quint16 kEof = 0x0000;

quint16 u16(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }
qint16 s16(const QByteArray& b, qsizetype at) { return qFromLittleEndian<qint16>(b.constData() + at); }
quint32 u32(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }

struct Record {
    quint16 function;
    QByteArray params;  // the parameters after the 6-byte record head
    qint16 param(int i) const { return s16(params, 2 * i); }
};

// Walks the records after the placeable and the metafile headers; fails the
// test when a size does not add up.
QList<Record> records(const QByteArray& wmf) {
    QList<Record> out;
    qsizetype at = 22 + 18;
    while (at < wmf.size()) {
        EXPECT_LE(at + 6, wmf.size());
        if (at + 6 > wmf.size()) break;
        const quint32 words = u32(wmf, at);
        EXPECT_GE(words, 3u);
        EXPECT_LE(at + qsizetype(words) * 2, wmf.size());
        if (words < 3 || at + qsizetype(words) * 2 > wmf.size()) break;
        out.append({u16(wmf, at + 4), wmf.mid(at + 6, qsizetype(words) * 2 - 6)});
        at += qsizetype(words) * 2;
    }
    EXPECT_EQ(at, wmf.size());
    return out;
}

// EXTTEXTOUT: y, x, length, options, a rectangle when the options ask for
// one, the string (padded to even), then one advance per byte.
struct Text {
    QByteArray text;
    int x, y;
    QList<int> dx;
    int width() const { return std::accumulate(dx.begin(), dx.end(), 0); }
};
Text textOf(const Record& r) {
    const int length = r.param(2);
    const int options = r.param(3);
    const int stringAt = 8 + ((options & 0x0006) ? 8 : 0);
    Text t{r.params.mid(stringAt, length), r.param(1), r.param(0), {}};
    const int dxAt = stringAt + ((length + 1) & ~1);
    for (int i = 0; i < length && dxAt + 2 * i + 2 <= r.params.size(); ++i) t.dx.append(s16(r.params, dxAt + 2 * i));
    return t;
}

std::optional<Text> findText(const QList<Record>& recs, const QByteArray& text, int* index = nullptr) {
    for (int i = 0; i < recs.size(); ++i) {
        if (recs[i].function != kExtTextOut) continue;
        const Text t = textOf(recs[i]);
        if (t.text == text) {
            if (index) *index = i;
            return t;
        }
    }
    return std::nullopt;
}

QList<Record> bitmapRecords(const QList<Record>& recs) {
    QList<Record> dibs;
    for (const Record& r : recs) {
        if (r.function == kStretchDib) dibs.append(r);
    }
    return dibs;
}

// Reads a bitmap (header, colour table, pixels) as a reader of the format
// does: 24-bit and 8-bit rows padded to 4 bytes, or 8-bit run-length
// encoded. Fails the test on anything malformed; pixels the data leaves
// unset stay transparent, which no comparison with an opaque image passes.
QImage decodeBitmap(const QByteArray& bmi) {
    if (bmi.size() < 40) {
        ADD_FAILURE() << "no bitmap header";
        return {};
    }
    const int headerSize = int(u32(bmi, 0));
    const int width = int(u32(bmi, 4));
    const int height = int(u32(bmi, 8));
    const int bits = u16(bmi, 14);
    const quint32 compression = u32(bmi, 16);
    const quint32 used = u32(bmi, 32);
    const int colours = bits <= 8 ? int(used ? used : 1u << bits) : 0;
    EXPECT_LE(colours, 256);
    const qsizetype pixelsAt = headerSize + 4 * colours;
    if (width <= 0 || height <= 0 || pixelsAt > bmi.size()) {
        ADD_FAILURE() << "bad bitmap header";
        return {};
    }
    QList<QRgb> palette;
    for (int i = 0; i < colours; ++i) {
        const qsizetype at = headerSize + 4 * i;
        palette.append(qRgb(quint8(bmi[at + 2]), quint8(bmi[at + 1]), quint8(bmi[at])));
    }
    // The record may pad the pixels to whole 32-bit words.
    const QByteArray data = bmi.mid(pixelsAt, qsizetype(u32(bmi, 20)));
    EXPECT_EQ(data.size(), qsizetype(u32(bmi, 20))) << "image size";
    EXPECT_LT(bmi.size() - pixelsAt - data.size(), 4);
    EXPECT_EQ(bmi.mid(pixelsAt + data.size()), QByteArray(bmi.size() - pixelsAt - data.size(), '\0'));
    QImage img(width, height, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    auto put = [&](int x, int row, int index) {  // row 0 is the bottom row
        if (x >= width || row >= height || index >= palette.size()) {
            ADD_FAILURE() << "pixel " << x << "," << row << " index " << index << " outside the bitmap";
            return false;
        }
        img.setPixel(x, height - 1 - row, palette[index]);
        return true;
    };
    if (compression == 0 && (bits == 24 || bits == 8)) {
        const int stride = (width * bits / 8 + 3) & ~3;
        EXPECT_EQ(data.size(), qsizetype(stride) * height);
        if (data.size() < qsizetype(stride) * height) return img;
        for (int row = 0; row < height; ++row) {
            const char* line = data.constData() + qsizetype(row) * stride;
            for (int x = 0; x < width; ++x) {
                if (bits == 8) {
                    put(x, row, quint8(line[x]));
                } else {
                    img.setPixel(x, height - 1 - row,
                                 qRgb(quint8(line[3 * x + 2]), quint8(line[3 * x + 1]), quint8(line[3 * x])));
                }
            }
        }
        return img;
    }
    if (compression != 1 || bits != 8) {
        ADD_FAILURE() << "unexpected bitmap format " << bits << " bits, compression " << compression;
        return img;
    }
    int x = 0, row = 0;
    qsizetype at = 0;
    while (true) {
        if (at + 2 > data.size()) {
            ADD_FAILURE() << "run-length data ends without end of bitmap";
            return img;
        }
        const int first = quint8(data[at]), second = quint8(data[at + 1]);
        at += 2;
        if (first > 0) {
            for (int k = 0; k < first; ++k) {
                if (!put(x++, row, second)) return img;
            }
        } else if (second == 0) {
            x = 0;
            ++row;
        } else if (second == 1) {
            break;
        } else if (second == 2) {
            ADD_FAILURE() << "delta";
            return img;
        } else {
            if (at + second > data.size()) {
                ADD_FAILURE() << "absolute block past the end";
                return img;
            }
            for (int k = 0; k < second; ++k) {
                if (!put(x++, row, quint8(data[at + k]))) return img;
            }
            at += (second + 1) & ~1;
        }
    }
    EXPECT_EQ(at, data.size()) << "data after the end of bitmap";
    return img;
}

QImage overWhite(const QImage& source) {
    QImage img(source.size(), QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.drawImage(0, 0, source);
    return img;
}

// Pixels of `a` whose colour differs from `b` by more than `tolerance`
// levels in some channel (or in opacity).
int differingPixels(const QImage& a, const QImage& b, int tolerance) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size()) return -1;
    int count = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            if (std::abs(qRed(p) - qRed(q)) > tolerance || std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                std::abs(qBlue(p) - qBlue(q)) > tolerance || qAlpha(p) != qAlpha(q))
                ++count;
        }
    }
    return count;
}

// Root-mean-square difference in colour levels over all channels.
double rmsError(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int row = 0; row < a.height(); ++row) {
        for (int col = 0; col < a.width(); ++col) {
            const QRgb p = a.pixel(col, row), q = b.pixel(col, row);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) sum += double(d) * d;
        }
    }
    return std::sqrt(sum / (3.0 * a.width() * a.height()));
}

// By hand: page positions (thousandths of an inch) times 1.44, rounded.
int units(double thousandths) { return qRound(thousandths * 1.44); }

class MetafileTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureGuiApp(); }

    static PageModel pages(const QStringList& users, const char* design = "726.ini") {
        UserFolder folder(users);
        const ReportRecord r = loadReportRecord(reportData(design), folder.path(), [] { return QDate(2025, 3, 14); });
        return buildPageModel(r, QLocale(QLocale::English, QLocale::UnitedKingdom));
    }
    static ImageSource solid() {
        return [](const QString&, const QSize& size) {
            QImage img(size, QImage::Format_RGB32);
            img.fill(QColor(10, 20, 30));
            return img;
        };
    }
};

TEST_F(MetafileTest, PlaceableHeaderFramesThePage) {
    const QByteArray wmf = MetafileRenderer(solid()).renderPage(pages({"Amy"}).pages.front());
    ASSERT_GT(wmf.size(), 22 + 18);
    EXPECT_EQ(u32(wmf, 0), 0x9AC6CDD7u);  // key
    EXPECT_EQ(u16(wmf, 4), 0);            // handle
    EXPECT_EQ(s16(wmf, 6), 0);            // left
    EXPECT_EQ(s16(wmf, 8), 0);            // top
    EXPECT_EQ(s16(wmf, 10), 11520);       // right: 8.000 in at 1440 per inch
    EXPECT_EQ(s16(wmf, 12), 16832);       // bottom: 11.689 in
    EXPECT_EQ(u16(wmf, 14), 1440);        // units per inch
    EXPECT_EQ(u32(wmf, 16), 0u);          // reserved
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i) checksum ^= u16(wmf, 2 * i);
    EXPECT_EQ(u16(wmf, 20), checksum);
}

TEST_F(MetafileTest, MetafileHeaderCountsTheMetafileOnly) {
    const QByteArray wmf = MetafileRenderer(solid()).renderPage(pages({"Amy"}).pages.front());
    const qsizetype h = 22;
    EXPECT_EQ(u16(wmf, h), 1);           // in a file
    EXPECT_EQ(u16(wmf, h + 2), 9);       // header words
    EXPECT_EQ(u16(wmf, h + 4), 0x0300);  // version
    EXPECT_EQ(u32(wmf, h + 6), quint32((wmf.size() - 22) / 2));
    const QList<Record> recs = records(wmf);
    ASSERT_FALSE(recs.isEmpty());
    quint32 largest = 0;
    for (const Record& r : recs) largest = std::max<quint32>(largest, quint32(r.params.size() + 6) / 2);
    EXPECT_EQ(u32(wmf, h + 12), largest);
    EXPECT_GE(u16(wmf, h + 10), 3);  // pen, brush and a font at least
    EXPECT_EQ(recs.back().function, kEof);
}

TEST_F(MetafileTest, AnisotropicMappingWithThePageAsWindow) {
    const QList<Record> recs = records(MetafileRenderer(solid()).renderPage(pages({}).pages.front()));
    ASSERT_GE(recs.size(), 3);
    EXPECT_EQ(recs[0].function, kSetMapMode);
    EXPECT_EQ(recs[0].param(0), 8);  // anisotropic
    EXPECT_EQ(recs[1].function, kSetWindowOrg);
    EXPECT_EQ(recs[1].param(0), 0);
    EXPECT_EQ(recs[1].param(1), 0);
    EXPECT_EQ(recs[2].function, kSetWindowExt);
    EXPECT_EQ(recs[2].param(0), 16832);  // y first
    EXPECT_EQ(recs[2].param(1), 11520);
}

TEST_F(MetafileTest, TextsAtTheirPlaces) {
    const QList<Record> recs = records(MetafileRenderer(solid()).renderPage(pages({"Amy VK2ABC"}).pages.front()));
    const struct {
        const char* text;
        double x, y;  // left-aligned: left edge; right-aligned: right edge
    } texts[] = {
        {"YQ *Star* Antenna designed for", 813, 1198},
        {"Cylinder Diameter", 5240, 1886},
        {"Source Coil Wire Length", 4844, 7261},
        {"inches", 3125, 1740},
        {"Follow the instructions in Brannoc's Book on setting up for maximum radiation and minimum VSWR.", 792, 9156},
        {"Print Date:", 781, 9667},
        {"14/03/2025", 1604, 9667},
        {"Amy VK2ABC", 3698, 9667},
        {"7.1500", 5011 + 1448, 1198},  // right-aligned in its 1448 box
        {"24.00", 6407 + 772, 7261},    // SCWL: 10 digits of Arial 10 = 772
        {"1,587.69", 6407 + 772, 2823},
    };
    for (const auto& t : texts) {
        const auto found = findText(recs, t.text);
        ASSERT_TRUE(found.has_value()) << t.text;
        EXPECT_NEAR(found->x, units(t.x), 1) << t.text;
        EXPECT_NEAR(found->y, units(t.y), 1) << t.text;
    }
}

TEST_F(MetafileTest, ValuesAreRightAlignedLabelsLeftAligned) {
    const QList<Record> recs = records(MetafileRenderer(solid()).renderPage(pages({}).pages.front()));
    auto alignBefore = [&](const QByteArray& text) {
        int index = -1;
        EXPECT_TRUE(findText(recs, text, &index).has_value()) << text.constData();
        int align = 0;  // the initial alignment (left, top)
        for (int i = 0; i < index; ++i) {
            if (recs[i].function == kSetTextAlign) align = recs[i].param(0);
        }
        return align;
    };
    EXPECT_EQ(alignBefore("7.1500") & 0x06, 0x02);  // right
    EXPECT_EQ(alignBefore("2.50") & 0x06, 0x02);
    EXPECT_EQ(alignBefore("Cylinder Diameter") & 0x06, 0x00);  // left
    EXPECT_EQ(alignBefore("Cylinder Diameter") & 0x18, 0x00);  // top
}

TEST_F(MetafileTest, FrameAndGroupBoxesAreRectangles) {
    const QList<Record> recs = records(MetafileRenderer(solid()).renderPage(pages({}).pages.front()));
    QList<QRect> rects;  // RECTANGLE: bottom, right, top, left
    for (const Record& r : recs) {
        if (r.function == kRectangle)
            rects.append(QRect(QPoint(r.param(3), r.param(2)), QPoint(r.param(1), r.param(0))));
    }
    ASSERT_EQ(rects.size(), 5);
    // The title frame: (605, 1052) to (7345, 1646).
    EXPECT_EQ(rects[0].left(), units(605));
    EXPECT_EQ(rects[0].top(), units(1052));
    EXPECT_EQ(rects[0].right(), units(7345));
    EXPECT_EQ(rects[0].bottom(), units(1646));
    // The group boxes hang from half a caption line below their top, down
    // to their bottom: Cylinders (4563, 1698) 2781 x 2052.
    EXPECT_EQ(rects[1].left(), units(4563));
    EXPECT_EQ(rects[1].right(), units(4563 + 2781));
    EXPECT_EQ(rects[1].bottom(), units(1698 + 2052));
    EXPECT_GT(rects[1].top(), units(1698));
    EXPECT_LT(rects[1].top(), units(1698 + 160));
    // Source Coil (4563, 6625) 2781 x 896.
    EXPECT_EQ(rects[4].bottom(), units(6625 + 896));
    // Captions are written over the box's top line.
    const auto caption = findText(recs, " Tuning Coil ");
    ASSERT_TRUE(caption.has_value());
    EXPECT_EQ(caption->y, units(4177));
}

TEST_F(MetafileTest, FontsNameTheLayoutsFaces) {
    const QList<Record> recs = records(MetafileRenderer(solid()).renderPage(pages({}).pages.front()));
    QSet<QString> fonts;
    for (const Record& r : recs) {
        if (r.function != kCreateFont) continue;
        // Height, width, escapement, orientation, weight, 8 bytes, face.
        const QByteArray face = r.params.mid(18);
        fonts.insert(QStringLiteral("%1 %2 %3")
                         .arg(QString::fromLatin1(face.left(face.indexOf('\0'))))
                         .arg(r.param(0))
                         .arg(r.param(4)));
    }
    // 10 pt = 200 units (1440 per inch), 18 pt = 360, 8 pt = 160.
    EXPECT_TRUE(fonts.contains("Arial -200 400")) << fonts.values().join(", ").toStdString();
    EXPECT_TRUE(fonts.contains("Arial -200 700"));
    EXPECT_TRUE(fonts.contains("Arial -160 700"));
    EXPECT_TRUE(fonts.contains("Arial Rounded MT Bold -360 700"));
}

TEST_F(MetafileTest, ImagesAreStretchedBitmaps) {
    const QList<Record> recs = records(MetafileRenderer(solid(), 120).renderPage(pages({}).pages.front()));
    const QList<Record> dibs = bitmapRecords(recs);
    ASSERT_EQ(dibs.size(), 2);
    // rop (2 words), usage, source height, width, y, x, destination height,
    // width, y, x, then the bitmap header.
    const Record& logo = dibs[0];
    EXPECT_EQ(u32(logo.params, 0), 0x00CC0020u);  // copy
    EXPECT_EQ(logo.param(2), 0);                  // colours are RGB values, not palette indices
    EXPECT_EQ(logo.param(3), 181);                // 1510 thousandths at 120 dpi
    EXPECT_EQ(logo.param(4), 115);                // 958 thousandths
    EXPECT_EQ(logo.param(7), units(1510));
    EXPECT_EQ(logo.param(8), units(958));
    EXPECT_EQ(logo.param(9), units(2011));
    EXPECT_EQ(logo.param(10), units(1917));
    const QByteArray bmi = logo.params.mid(22);
    EXPECT_EQ(u32(bmi, 0), 40u);   // header size
    EXPECT_EQ(u32(bmi, 4), 115u);  // width
    EXPECT_EQ(u32(bmi, 8), 181u);  // height, bottom-up
    // One colour: an 8-bit bitmap of a one-entry palette (blue, green, red),
    // run-length encoded: per row a run of 115, then end of line, the last
    // row ending the bitmap instead.
    EXPECT_EQ(u16(bmi, 14), 8);
    EXPECT_EQ(u32(bmi, 16), 1u);  // RLE8
    EXPECT_EQ(u32(bmi, 32), 1u);  // colours used
    EXPECT_EQ(quint8(bmi[40]), 30);
    EXPECT_EQ(quint8(bmi[41]), 20);
    EXPECT_EQ(quint8(bmi[42]), 10);
    EXPECT_EQ(u32(bmi, 20), 4u * 181);  // image size
    EXPECT_EQ(bmi.size(), 44 + 4 * 181);
    EXPECT_EQ(bmi.mid(44, 4), QByteArray("\x73\x00\x00\x00", 4));
    EXPECT_EQ(bmi.right(4), QByteArray("\x73\x00\x00\x01", 4));
    const QImage decoded = decodeBitmap(bmi);
    ASSERT_EQ(decoded.size(), QSize(115, 181));
    EXPECT_EQ(differingPixels(decoded, solid()(QString(), QSize(115, 181)), 0), 0);
}

// The program's own pictures on a real page: what the bitmap records hold
// decodes to the picture as drawn, and the page stays small. The pictures
// are drawings with more than 256 colours (anti-aliased edges, gradients),
// so they are reduced to a palette: the mean error stays near one colour
// level (of 255), and no pixel is more than 16 levels off in any channel.
TEST_F(MetafileTest, PicturesDecodeToWhatWasDrawn) {
    const MetafileRenderer renderer;
    const QByteArray wmf = renderer.renderPage(pages({"Amy VK2ABC"}).pages.front());
    const QList<Record> dibs = bitmapRecords(records(wmf));
    ASSERT_EQ(dibs.size(), 2);
    const struct {
        const char* name;
        QSize size;  // the place on the page (958 x 1510, 3302 x 3333 thousandths) at 100 dpi
    } pictures[] = {{"YQ_logo_small.gif", {96, 151}}, {"starYQ.bmp", {330, 333}}};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(pictures[i].name);
        const QByteArray bmi = dibs[i].params.mid(22);
        EXPECT_EQ(u16(bmi, 14), 8);
        const QImage decoded = decodeBitmap(bmi);
        const QImage drawn = overWhite(embeddedImages()(QString::fromLatin1(pictures[i].name), pictures[i].size));
        ASSERT_EQ(decoded.size(), pictures[i].size);
        EXPECT_LE(rmsError(decoded, drawn), 1.5);
        EXPECT_EQ(differingPixels(decoded, drawn, 16), 0);
    }
    // A page held 375 KB with 24-bit pictures at this resolution; now about 41 KB.
    EXPECT_LE(wmf.size(), 48 * 1024);
    // Every page of a report carries the same pictures.
    const QList<QByteArray> two = renderer.renderPages(pages({"Amy VK2ABC", "Zed ZL1AAA"}));
    ASSERT_EQ(two.size(), 2);
    EXPECT_EQ(bitmapRecords(records(two[0]))[1].params, dibs[1].params);
    EXPECT_EQ(bitmapRecords(records(two[1]))[1].params, dibs[1].params);
}

// Images of each kind the encoder tells apart decode back exactly (they fit
// a palette, or are kept at 24 bits); odd widths test the row padding.
TEST_F(MetafileTest, BitmapsDecodeExactly) {
    auto image = [](int width, int height, const std::function<QRgb(int, int)>& colour) {
        QImage img(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) img.setPixel(x, y, colour(x, y));
        }
        return img;
    };
    const struct {
        const char* what;
        QImage img;
        int bits;
        quint32 compression;
    } cases[] = {
        // 256 grey levels in runs of three, with single pixels and a stretch
        // without runs between them; rows longer than one run of 255
        {"runs and stretches",
         image(601, 7,
               [](int x, int y) {
                   if (x < 300 + y) return qRgb(250, 250, 250);
                   if (x < 330) return x % 2 ? qRgb(0, 0, 0) : qRgb(0, 0, 255);
                   if (x < 331) return qRgb(1, 2, 3);
                   const int v = ((x - 331) / 3 + y) % 256;
                   return qRgb(v, v, v);
               }),
         8, 1},
        // no two neighbours alike: run-length encoding would be larger
        {"few colours, no runs", image(13, 5, [](int x, int y) { return qRgb(((x + y) % 4) * 60, 0, 0); }), 8, 0},
        // every pixel its own colour
        {"noise",
         image(37, 11,
               [](int x, int y) {
                   const quint32 h = quint32(x * 2654435761u) ^ quint32(y * 40503u + 17);
                   return qRgb(int(h & 0xFF), int((h >> 8) & 0xFF), int((h >> 16) & 0xFF));
               }),
         24, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QImage source = c.img;
        const ImageSource images = [&source](const QString&, const QSize&) { return source; };
        const QList<Record> dibs = bitmapRecords(records(MetafileRenderer(images).renderPage(pages({}).pages.front())));
        ASSERT_EQ(dibs.size(), 2);
        const QByteArray bmi = dibs[0].params.mid(22);
        EXPECT_EQ(u16(bmi, 14), c.bits);
        EXPECT_EQ(u32(bmi, 16), c.compression);
        EXPECT_EQ(dibs[0].param(3), source.height());
        EXPECT_EQ(dibs[0].param(4), source.width());
        const QImage decoded = decodeBitmap(bmi);
        ASSERT_EQ(decoded.size(), source.size());
        EXPECT_EQ(differingPixels(decoded, source, 0), 0);
    }
}

// Transparent parts of a picture show the white paper.
TEST_F(MetafileTest, TransparentPixelsBecomeWhite) {
    QImage source(9, 4, QImage::Format_ARGB32);
    source.fill(Qt::transparent);
    source.setPixel(2, 1, qRgba(255, 0, 0, 255));
    const MetafileBitmap bmp = metafileBitmap(source);
    QImage expected(9, 4, QImage::Format_RGB32);
    expected.fill(Qt::white);
    expected.setPixel(2, 1, qRgb(255, 0, 0));
    EXPECT_EQ(bmp.palette.size(), 2);
    const ImageSource images = [&source](const QString&, const QSize&) { return source; };
    const QList<Record> dibs = bitmapRecords(records(MetafileRenderer(images).renderPage(pages({}).pages.front())));
    ASSERT_FALSE(dibs.isEmpty());
    EXPECT_EQ(differingPixels(decodeBitmap(dibs[0].params.mid(22)), expected, 0), 0);
}

TEST_F(MetafileTest, NoImageWithoutAnImageSource) {
    const QList<Record> recs = records(MetafileRenderer(ImageSource()).renderPage(pages({}).pages.front()));
    for (const Record& r : recs) EXPECT_NE(r.function, kStretchDib);
}

TEST_F(MetafileTest, OnePagePerUserRecord) {
    const QList<QByteArray> wmfs = MetafileRenderer(solid()).renderPages(pages({"Amy VK2ABC", "Zed ZL1AAA"}));
    ASSERT_EQ(wmfs.size(), 2);
    EXPECT_TRUE(findText(records(wmfs[0]), "Amy VK2ABC").has_value());
    EXPECT_TRUE(findText(records(wmfs[1]), "Zed ZL1AAA").has_value());
    EXPECT_FALSE(findText(records(wmfs[1]), "Amy VK2ABC").has_value());
}

// The character set of the font selected for the record at `index`.
int charsetBefore(const QList<Record>& recs, int index) {
    for (int i = index; i >= 0; --i) {
        if (recs[i].function == kCreateFont) return quint8(recs[i].params.at(13));
    }
    return -1;
}

// Widths measured here with Qt's own metrics of the face the page is laid
// out in (Liberation Sans); the metafile's advances must add up to them.
double measured(const char* text, int points, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qRound(points * 1000.0 / 72.0));
    font.setBold(bold);
    font.setKerning(false);
    return QFontMetricsF(font).horizontalAdvance(QString::fromUtf8(text));
}

TEST_F(MetafileTest, TextsCarryTheLayoutsAdvances) {
    const QList<Record> recs = records(MetafileRenderer(solid()).renderPage(pages({"Amy VK2ABC"}).pages.front()));
    const struct {
        const char* text;
        int points;
        bool bold;
    } texts[] = {
        {"YQ *Star* Antenna designed for", 18, true},
        {"Follow the instructions in Brannoc's Book on setting up for maximum radiation and minimum VSWR.", 10, false},
        {"1,587.69", 10, true},
        {"Amy VK2ABC", 10, false},
    };
    for (const auto& t : texts) {
        const auto found = findText(recs, t.text);
        ASSERT_TRUE(found.has_value()) << t.text;
        ASSERT_EQ(found->dx.size(), found->text.size()) << t.text;
        for (int d : found->dx) EXPECT_GT(d, 0) << t.text;
        EXPECT_NEAR(found->width(), measured(t.text, t.points, t.bold) * 1.44, 2) << t.text;
    }
    // The title ends well left of the frequency's box (5011), whatever face
    // a reader draws it in.
    const auto title = findText(recs, "YQ *Star* Antenna designed for");
    EXPECT_LT(title->x + title->width(), units(5011) - 100);
}

TEST_F(MetafileTest, EachRunInAFontOfItsCharacterSet) {
    const QList<Record> recs =
        records(MetafileRenderer(solid()).renderPages(pages({"Zo\u00eb O'Brien-\u0141ukasz"})).front());
    int index = -1;
    const auto name = findText(recs, "Zo\xEB O'Brien-\xA3ukasz", &index);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(charsetBefore(recs, index), 238);
    EXPECT_EQ(name->x, units(3698));
    // The labels stay Western.
    int label = -1;
    ASSERT_TRUE(findText(recs, "Designed By:", &label).has_value());
    EXPECT_EQ(charsetBefore(recs, label), 0);

    // Two scripts: two records, the second where the layout puts it.
    const char* ivan = "\u0418\u0432\u0430\u043d & ";
    const QList<Record> mixed =
        records(MetafileRenderer(solid())
                    .renderPages(pages(
                        {QString::fromUtf8(ivan) + QString::fromUtf8("\u0393\u03b9\u03ce\u03c1\u03b3\u03bf\u03c2")}))
                    .front());
    int first = -1, second = -1;
    const auto cyrillic = findText(mixed, "\xC8\xE2\xE0\xED & ", &first);
    const auto greek = findText(mixed, "\xC3\xE9\xFE\xF1\xE3\xEF\xF2", &second);
    ASSERT_TRUE(cyrillic.has_value());
    ASSERT_TRUE(greek.has_value());
    EXPECT_EQ(charsetBefore(mixed, first), 204);
    EXPECT_EQ(charsetBefore(mixed, second), 161);
    EXPECT_EQ(cyrillic->x, units(3698));
    EXPECT_EQ(greek->x, cyrillic->x + cyrillic->width());
    EXPECT_NEAR(greek->x - cyrillic->x, measured(ivan, 10, false) * 1.44, 2);
}

TEST_F(MetafileTest, LongDesignerStaysInItsBox) {
    const QString name = QStringLiteral("Maximilian W. Wettstein-Hohenberg DL1WWW");
    ASSERT_EQ(name.size(), 40);
    const Page page = pages({name}).pages.front();
    const QList<Record> recs = records(MetafileRenderer(solid()).renderPage(page));
    int index = -1;
    const auto found = findText(recs, name.toLatin1(), &index);
    ASSERT_TRUE(found.has_value());
    EXPECT_LE(found->x + found->width(), units(3698 + 2760));
    // In the size the page model chose for it.
    const int points = page.find(ItemKind::Value, QStringLiteral("designer"))->font.points;
    EXPECT_LT(points, 10);
    for (int i = index; i >= 0; --i) {
        if (recs[i].function != kCreateFont) continue;
        EXPECT_EQ(recs[i].param(0), -units(qRound(points * 1000.0 / 72.0)));
        break;
    }
}

TEST(Windows1252, WesternTextKeepsItsCharacters) {
    EXPECT_EQ(toWindows1252(QStringLiteral("Zo\u00eb \u20ac5 \u2013 \u201cok\u201d")), QByteArray("Zo\xeb \x80"
                                                                                                  "5 \x96 \x93ok\x94"));
    EXPECT_EQ(toWindows1252(QStringLiteral("\u4e2d")), QByteArray("?"));
}

}  // namespace
}  // namespace yq::report
