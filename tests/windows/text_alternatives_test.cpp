// Every picture-only surface carries a text alternative for screen readers:
// the plotted points as a table, the build sheet's cut list, always those
// of what is drawn now.
#include "design/Calculation.h"
#include "report/BuildSheet.h"
#include "support/WidgetApplication.h"
#include "windows/BuildSheetTab.h"
#include "windows/FrequencyPlot.h"
#include "windows/SmithChart.h"

#include <QAccessible>

#include <gtest/gtest.h>

namespace yq {
namespace {

QString description(QWidget& w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&w);
    return a ? a->text(QAccessible::Description) : QString();
}

TEST(TextAlternatives, EachPictureIsReadAsTheTableOfWhatItDraws) {
    test::widgetApplication();
    FrequencyPlot plot;
    plot.setQuantity(QStringLiteral("SWR"), QString());
    plot.setSeries({{QStringLiteral("measured"), {7.0, 7.1}, {3.5, 1.25}, {}, Qt::SolidLine}});
    EXPECT_EQ(description(plot), plot.pointsTable());
    EXPECT_TRUE(description(plot).contains(QStringLiteral("7.1\t1.25"))) << description(plot).toStdString();
    plot.removeSeries(QStringLiteral("measured"));
    EXPECT_FALSE(description(plot).contains(QStringLiteral("1.25")));

    PolarPlot pattern;
    pattern.setPattern({{0, 1.76}, {45, -1.25}}, QStringLiteral("Pattern at 7.15 MHz"), 30, 10);
    EXPECT_EQ(description(pattern), pattern.pointsTable());
    EXPECT_TRUE(description(pattern).contains(QStringLiteral("1.76")));

    SmithChart smith;
    smith.setSeries({{QStringLiteral("measured"), {7.0, 7.1}, {{12.5, -30}, {50, 0}}, {}}});
    EXPECT_EQ(description(smith), smith.pointsTable());
    EXPECT_TRUE(description(smith).contains(QStringLiteral("12.5")));

    DesignRecord design(UnitSystem::Imperial);
    for (auto [key, value] :
         {std::pair{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}})
        *design.field(key) = Decimal::of(value);
    reCalc(design, false);
    const report::BuildSheet sheet = report::buildBuildSheet(design);
    BuildSheetView view;
    view.setSheet(&sheet);
    ASSERT_FALSE(sheet.cutList.isEmpty());
    const QString cutList = description(view);
    for (const report::CutListRow& row : sheet.cutList) {
        EXPECT_TRUE(cutList.contains(row.part)) << row.part.toStdString();
        EXPECT_TRUE(cutList.contains(row.length)) << row.length.toStdString();
    }
}

}  // namespace
}  // namespace yq
