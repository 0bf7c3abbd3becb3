#include "report/PainterRenderer.h"
#include "ReportTestSupport.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace yq::report {
namespace {

using test::ensureGuiApp;
using test::reportData;
using test::UserFolder;

// Solid stand-ins for the two images, so the test can see where they land.
ImageSource solidImages(QList<std::pair<QString, QSize>>* asked = nullptr) {
    return [asked](const QString& name, const QSize& size) {
        if (asked) asked->append({name, size});
        QImage img(size, QImage::Format_ARGB32);
        img.fill(name == QLatin1String("starYQ.bmp") ? QColor(Qt::blue) : QColor(Qt::red));
        return img;
    };
}

PageModel samplePages(const QStringList& users) {
    UserFolder folder(users);
    const ReportRecord r = loadReportRecord(reportData("726.ini"), folder.path(), [] { return QDate(2025, 3, 14); });
    return buildPageModel(r, QLocale(QLocale::English, QLocale::UnitedKingdom));
}

// Dark pixels inside a rectangle given in thousandths of an inch.
int darkPixels(const QImage& img, const QRect& thousandths, int dpi) {
    const QRect px(qFloor(thousandths.x() * dpi / 1000.0), qFloor(thousandths.y() * dpi / 1000.0),
                   qCeil(thousandths.width() * dpi / 1000.0), qCeil(thousandths.height() * dpi / 1000.0));
    int dark = 0;
    for (int y = px.top(); y <= px.bottom() && y < img.height(); ++y) {
        for (int x = px.left(); x <= px.right() && x < img.width(); ++x) dark += qGray(img.pixel(x, y)) < 128;
    }
    return dark;
}

class PainterRendererTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureGuiApp(); }
};

TEST_F(PainterRendererTest, EveryTextAndValueIsDrawnAtItsPlace) {
    const int dpi = 150;
    const PageModel model = samplePages({"Amy VK2ABC"});
    const QImage img = PainterRenderer(solidImages()).renderPageToImage(model, 0, dpi);
    ASSERT_EQ(img.size(), QSize(1200, 1753));  // 8.000 x 11.689 in at 150 dpi

    for (const PageItem& item : model.pages.front().items) {
        if (item.kind != ItemKind::Text && item.kind != ItemKind::Value) continue;
        ASSERT_FALSE(item.text.isEmpty()) << item.name.toStdString();
        // Left-aligned texts start at x; right-aligned values end at the
        // right edge of their box. Look at a strip one line high there.
        const int lineHigh = lineHeight(item.font.points);
        QRect strip = item.align == HAlign::Right
                          ? QRect(item.rect.x() + item.rect.width() - 150, item.rect.y(), 150, lineHigh)
                          : QRect(item.rect.x(), item.rect.y(), 150, lineHigh);
        EXPECT_GT(darkPixels(img, strip, dpi), 10) << item.name.toStdString();
        // Aligned to the side it belongs to: nothing just beyond that edge.
        const QRect beyond = item.align == HAlign::Right
                                 ? QRect(item.rect.x() + item.rect.width() + 5, item.rect.y(), 40, lineHigh)
                                 : QRect(item.rect.x() - 45, item.rect.y(), 40, lineHigh);
        EXPECT_EQ(darkPixels(img, beyond, dpi), 0) << item.name.toStdString();
    }
    // The margins are empty.
    EXPECT_EQ(darkPixels(img, QRect(0, 0, 8000, 1000), dpi), 0);
    EXPECT_EQ(darkPixels(img, QRect(0, 0, 480, 11689), dpi), 0);
    EXPECT_EQ(darkPixels(img, QRect(0, 10000, 8000, 1689), dpi), 0);
}

// A designer's name of the user file's 40 characters, drawn in the size
// and length the page model fitted it to, ends inside its box (3698 to 6458)
// and never runs off the paper.
TEST_F(PainterRendererTest, LongDesignerEndsInsideItsBox) {
    const int dpi = 150;
    for (const QString& name :
         {QStringLiteral("Maximilian W. Wettstein-Hohenberg DL1WWW"), QString(40, QLatin1Char('W'))}) {
        const PageModel model = samplePages({name});
        const QImage img = PainterRenderer(solidImages()).renderPageToImage(model, 0, dpi);
        EXPECT_GT(darkPixels(img, QRect(3698, 9667, 2760, 208), dpi), 100) << name.toStdString();
        EXPECT_EQ(darkPixels(img, QRect(6470, 9600, 8000 - 6470, 350), dpi), 0) << name.toStdString();
    }
}

TEST_F(PainterRendererTest, ImagesFillTheirBoxes) {
    const int dpi = 100;
    QList<std::pair<QString, QSize>> asked;
    const PageModel model = samplePages({});
    const QImage img = PainterRenderer(solidImages(&asked)).renderPageToImage(model, 0, dpi);
    // Logo at (1917, 2011) 958 x 1510; antenna at (782, 3531) 3302 x 3333.
    EXPECT_EQ(img.pixelColor(qRound(1917 + 958 / 2.0) / 10, qRound(2011 + 1510 / 2.0) / 10), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(194, 203), QColor(Qt::red));  // just inside the logo's top-left corner
    EXPECT_EQ(img.pixelColor(188, 203), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(200, 500), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(80, 356), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(80, 350), QColor(Qt::white));
    // Rasterised at the output's resolution.
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0], std::make_pair(QStringLiteral("YQ_logo_small.gif"), QSize(96, 151)));
    EXPECT_EQ(asked[1], std::make_pair(QStringLiteral("starYQ.bmp"), QSize(330, 333)));
}

TEST_F(PainterRendererTest, ProgramImagesAreFound) {
    // The program's own images exist under the names the layout uses.
    const ImageSource images = embeddedImages();
    for (const char* name : {"YQ_logo_small.gif", "starYQ.bmp"}) {
        const QImage img = images(QString::fromLatin1(name), QSize(100, 120));
        EXPECT_FALSE(img.isNull()) << name;
        EXPECT_EQ(img.size(), QSize(100, 120)) << name;
    }
}

int pdfPageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

TEST_F(PainterRendererTest, PdfHasOnePagePerReportPage) {
    QTemporaryDir dir;
    for (int users : {1, 2}) {
        const QStringList names = users == 1 ? QStringList{"Amy VK2ABC"} : QStringList{"Amy VK2ABC", "Zed ZL1AAA"};
        const QString path = dir.filePath(QStringLiteral("report%1.pdf").arg(users));
        const Result<> written = PainterRenderer(solidImages()).renderToPdf(samplePages(names), path);
        ASSERT_TRUE(written) << written.problem().text();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        EXPECT_TRUE(pdf.startsWith("%PDF-"));
        EXPECT_GT(pdf.size(), 2000);
        EXPECT_EQ(pdfPageCount(pdf), users);
        // A4 portrait: 595 x 842 points.
        EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595") || pdf.contains("/MediaBox [0 0 594")) << users;
    }
}

TEST_F(PainterRendererTest, PdfIntoAMissingFolderFails) {
    QTemporaryDir dir;
    const Result<> written = PainterRenderer(solidImages())
                                 .renderToPdf(samplePages({}), dir.filePath(QStringLiteral("no/such/folder/r.pdf")));
    ASSERT_FALSE(written);
    EXPECT_FALSE(written.problem().text().empty());
}

TEST_F(PainterRendererTest, ChosenPagesOnly) {
    QTemporaryDir dir;
    const PageModel model = samplePages({"A", "B", "C"});
    const QString path = dir.filePath(QStringLiteral("some.pdf"));
    {
        QPdfWriter writer(path);
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        ASSERT_TRUE(PainterRenderer(solidImages()).drawPages(writer, model, {2, 0}));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdfPageCount(file.readAll()), 2);
}

TEST_F(PainterRendererTest, OutOfRangePageGivesNoImage) {
    const PageModel model = samplePages({});
    EXPECT_TRUE(PainterRenderer(solidImages()).renderPageToImage(model, 1, 96).isNull());
    EXPECT_TRUE(PainterRenderer(solidImages()).renderPageToImage(model, -1, 96).isNull());
}

}  // namespace
}  // namespace yq::report
