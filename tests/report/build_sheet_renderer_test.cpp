#include "report/BuildSheetRenderer.h"
#include "support/FileBytes.h"
#include "ReportTestSupport.h"

#include "design/Calculation.h"

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace yq::report {
namespace {

BuildSheet sampleSheet(UnitSystem unit = UnitSystem::Imperial) {
    test::ensureGuiApp();
    DesignRecord r(unit);
    const bool metric = unit == UnitSystem::Metric;
    for (auto [k, v] : {std::pair{"F", metric ? "14.2" : "7.15"},
                        {"CD", metric ? "50" : "2"},
                        {"LD", "6"},
                        {"WD", metric ? "1" : "0.04"},
                        {"SP", metric ? "1.5" : "0.08"},
                        {"CCD", metric ? "40" : "2"}})
        *r.field(k) = Decimal::of(v);
    reCalc(r, metric);
    return buildBuildSheet(r);
}

// Dark pixels inside a rectangle given in thousandths of an inch.
int darkPixels(const QImage& img, const QRectF& r, int dpi) {
    const QRect px =
        QRectF(r.x() * dpi / 1000.0, r.y() * dpi / 1000.0, r.width() * dpi / 1000.0, r.height() * dpi / 1000.0)
            .toAlignedRect()
            .intersected(img.rect());
    int dark = 0;
    for (int y = px.top(); y <= px.bottom(); ++y)
        for (int x = px.left(); x <= px.right(); ++x) dark += qGray(img.pixel(x, y)) < 160 ? 1 : 0;
    return dark;
}

using test::readAll;

TEST(BuildSheetRenderer, ImageDrawsThePartsAndTheTexts) {
    const BuildSheet sheet = sampleSheet();
    const int dpi = 100;
    const QImage img = renderBuildSheetImage(sheet, dpi);
    ASSERT_EQ(img.size(), QSize(800, 1169));
    const QRectF upper = sheet.find(SheetItemKind::Cylinder, "upper cylinder")->rect;
    // The outline shows; the tube's light fill does not count as dark.
    EXPECT_GT(darkPixels(img, upper.adjusted(-10, -10, 10, 10), dpi), 50);
    const SheetItem* title = sheet.find(SheetItemKind::Text, "title");
    ASSERT_NE(title, nullptr);
    EXPECT_GT(darkPixels(img, title->rect, dpi), 200);
    // A bare stretch of margin stays white.
    EXPECT_EQ(darkPixels(img, QRectF(0, 0, 400, 11689), dpi), 0);
}

TEST(BuildSheetRenderer, SvgKeepsTextAsTextAndDrawsAsTheImageDoes) {
    const BuildSheet sheet = sampleSheet(UnitSystem::Metric);
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.svg");
    const Result<> written = writeBuildSheetSvg(sheet, path);
    ASSERT_TRUE(written) << written.problem().text();
    const QByteArray svg = readAll(path);
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 8000 11689\""));
    for (const SheetDimension& d : sheet.dimensions) {
        const QString label = sheet.items.at(d.labelItem).text;
        EXPECT_TRUE(svg.contains(">" + label.toUtf8() + "</text>")) << label.toStdString();
    }
    EXPECT_TRUE(svg.contains(">Cut list</text>"));
    // Read back by an SVG renderer: the parts land where the model has them.
    QSvgRenderer renderer{svg};
    ASSERT_TRUE(renderer.isValid());
    const int dpi = 100;
    QImage img(QSize(800, 1169), QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        renderer.render(&p, QRectF(0, 0, 800, 1169));
    }
    const QRectF lower = sheet.find(SheetItemKind::Cylinder, "lower cylinder")->rect;
    EXPECT_GT(darkPixels(img, lower.adjusted(-10, -10, 10, 10), dpi), 50);
    EXPECT_EQ(darkPixels(img, QRectF(0, 0, 400, 11689), dpi), 0);
    if (const QByteArray dump = qgetenv("YQ_BUILD_SHEET_DUMP"); !dump.isEmpty()) img.save(dump + "/svg-metric.png");
}

TEST(BuildSheetRenderer, PdfIsOnePageWithSearchableText) {
    const BuildSheet sheet = sampleSheet();
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.pdf");
    const Result<> written = writeBuildSheetPdf(sheet, path);
    ASSERT_TRUE(written) << written.problem().text();
    const QByteArray pdf = readAll(path);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);
    EXPECT_TRUE(pdf.contains("/FontFile")) << "fonts are embedded: the text is text";
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext not installed: text extraction not checked";
    QProcess p;
    p.start(pdftotext, {path, "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* expected : {"Upper cylinder CCL 12.000 in", "Cut list", "AWG 18: 0.0403 in", "Total wire"})
        EXPECT_TRUE(text.contains(expected)) << expected;
}

TEST(BuildSheetRenderer, WritesPngAndRefusesAMissingFolder) {
    const BuildSheet sheet = sampleSheet();
    QTemporaryDir dir;
    const Result<> png = writeBuildSheetPng(sheet, dir.filePath("sheet.png"), 72);
    ASSERT_TRUE(png) << png.problem().text();
    const QImage back(dir.filePath("sheet.png"));
    EXPECT_EQ(back.size(), QSize(576, 842));
    for (auto write : {&writeBuildSheetPdf, &writeBuildSheetSvg}) {
        const Result<> written = write(sheet, dir.filePath("no/such/folder/sheet"));
        ASSERT_FALSE(written);
        EXPECT_FALSE(written.problem().text().empty());
    }
    const Result<> lost = writeBuildSheetPng(sheet, dir.filePath("no/such/folder/sheet.png"), 72);
    ASSERT_FALSE(lost);
    EXPECT_FALSE(lost.problem().text().empty());
}

}  // namespace
}  // namespace yq::report
