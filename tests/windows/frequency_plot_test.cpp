#include "design/AmateurBands.h"
#include "support/WidgetApplication.h"
#include "windows/FrequencyPlot.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace yq {
namespace {

// Pixels of exactly one colour in an image.
int pixelsOf(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

QImage draw(const auto& plot) {
    QImage image(480, 280, QImage::Format_RGB32);
    QPainter painter(&image);
    plot.render(painter, image.rect());
    return image;
}

TEST(FrequencyPlot, TablesEveryFrequencyOfEverySeriesRisingWithEmptyCellsWhereOneHasNone) {
    test::widgetApplication();
    FrequencyPlot plot;
    plot.setQuantity(QStringLiteral("R"), QStringLiteral("ohm"));
    plot.setSeries({{QStringLiteral("NEC-2 model"), {7.0, 7.1}, {0.5, 0.25}, {}, Qt::SolidLine},
                    {QStringLiteral("measured"), {7.05, 7.1}, {3, 4}, {}, Qt::SolidLine}});
    EXPECT_EQ(plot.pointsTable(),
              "Frequency (MHz)\tNEC-2 model R (ohm)\tmeasured R (ohm)\n"
              "7\t0.5\t\n7.05\t\t3\n7.1\t0.25\t4\n");
    // putSeries replaces a series of the same name and keeps the others.
    plot.putSeries({QStringLiteral("measured"), {7.2}, {9}, {}, Qt::SolidLine});
    ASSERT_EQ(plot.series().size(), 2);
    EXPECT_EQ(plot.series()[1].values, QVector<double>{9});
    plot.removeSeries(QStringLiteral("NEC-2 model"));
    EXPECT_EQ(plot.pointsTable(), "Frequency (MHz)\tmeasured R (ohm)\n7.2\t9\n");
}

TEST(FrequencyPlot, DrawsEachSeriesInItsColourOnPaperWithTheBandShaded) {
    test::widgetApplication();
    FrequencyPlot plot;
    plot.setQuantity(QStringLiteral("SWR"), {});
    const QColor red(178, 34, 34), green(0, 120, 60);
    plot.setSeries({{QStringLiteral("model"), {6.5, 7.5, 8.0}, {9, 1, 5}, red, Qt::SolidLine}});
    QImage plain = draw(plot);
    EXPECT_GT(pixelsOf(plain, QColor(255, 255, 255)), 480 * 280 / 2);  // light paper
    EXPECT_GT(pixelsOf(plain, red), 50);
    EXPECT_EQ(pixelsOf(plain, QColor(255, 236, 179)), 0);
    plot.setBandAt(7.15);
    ASSERT_NE(plot.band(), nullptr);
    EXPECT_EQ(plot.band()->name, "40 m");
    plot.putSeries({QStringLiteral("measured"), {6.6, 7.9}, {2, 3}, green, Qt::SolidLine});
    const QImage shaded = draw(plot);
    EXPECT_GT(pixelsOf(shaded, QColor(255, 236, 179)), 1000);
    EXPECT_GT(pixelsOf(shaded, green), 50);  // the second series and its legend
    // A band outside the plotted range shades nothing.
    plot.setBandAt(14.1);
    EXPECT_EQ(pixelsOf(draw(plot), QColor(255, 236, 179)), 0);
}

TEST(PolarPlot, TablesItsPointsAndDrawsTheCut) {
    test::widgetApplication();
    PolarPlot plot;
    QVector<PolarPoint> cut;
    for (int a = 0; a < 360; a += 5)
        cut << PolarPoint{double(a), 1.76 + 10 * std::log10(std::max(1e-6, std::pow(std::cos(a * M_PI / 180), 2)))};
    plot.setPattern(cut, QStringLiteral("Elevation pattern"));
    EXPECT_TRUE(plot.pointsTable().startsWith("Elevation (deg)\tGain (dBi)\n0\t1.76\n5\t"));
    EXPECT_EQ(plot.pointsTable().count('\n'), 73);
    const QImage image = draw(plot);
    EXPECT_GT(pixelsOf(image, QColor(0, 0, 128)), 100);
}

}  // namespace
}  // namespace yq
