#include "windows/BuildSheetTab.h"

#include "design/Calculation.h"
#include "support/WidgetApplication.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace yq {
namespace {

DesignRecord design(const char* cd) {
    DesignRecord r(UnitSystem::Imperial);
    for (auto [k, v] : {std::pair{"F", "7.15"}, {"CD", cd}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}})
        *r.field(k) = Decimal::of(v);
    reCalcImperial(r, false);
    return r;
}

int darkPixels(const QImage& img, const QRect& r) {
    int dark = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) dark += qGray(img.pixel(x, y)) < 128 ? 1 : 0;
    return dark;
}

class BuildSheetTabTest : public ::testing::Test {
protected:
    void SetUp() override { test::widgetApplication(); }
};

TEST_F(BuildSheetTabTest, HiddenTabBuildsWhenShownAndAShownTabAtOnce) {
    BuildSheetTab tab;
    tab.resize(500, 700);
    tab.setDesign(design("2"), QStringLiteral("726.ini"));
    tab.setDesign(design("2.5"));
    EXPECT_EQ(tab.buildCount(), 0) << "a hidden tab draws nothing";
    tab.show();
    EXPECT_EQ(tab.buildCount(), 1);
    EXPECT_TRUE(tab.sheet().texts().contains("Cylinder spacing CD 2.50 in"));
    tab.setDesign(design("3"));
    EXPECT_EQ(tab.buildCount(), 2);
    EXPECT_TRUE(tab.sheet().texts().contains("Cylinder spacing CD 3.00 in"));
    EXPECT_FALSE(tab.sheet().texts().contains("Cylinder spacing CD 2.50 in"));
}

TEST_F(BuildSheetTabTest, ViewPaintsThePageAndTheParts) {
    BuildSheetTab tab;
    tab.resize(500, 760);
    tab.setDesign(design("2"));
    tab.show();
    QApplication::processEvents();
    const QImage shot = tab.view()->grab().toImage();
    const QRectF page = tab.view()->pageRect();
    ASSERT_GT(page.width(), 100);
    // The upper cylinder, mapped from the sheet to the widget.
    const QRectF upper = tab.sheet().find(report::SheetItemKind::Cylinder, "upper cylinder")->rect;
    const double k = page.width() / tab.sheet().size.width();
    const QRect onScreen = QRectF(page.left() + upper.left() * k, page.top() + upper.top() * k, upper.width() * k,
                                  upper.height() * k)
                               .toAlignedRect()
                               .adjusted(-2, -2, 2, 2)
                               .intersected(shot.rect());
    EXPECT_GT(darkPixels(shot, onScreen), 20);
    EXPECT_EQ(shot.pixelColor(page.toAlignedRect().center().x(), int(page.top()) + 3), QColor(Qt::white));
}

TEST_F(BuildSheetTabTest, PrintButtonShowsTheCurrentSheet) {
    BuildSheetTab tab;
    tab.setDesign(design("2"));
    QStringList shown;
    tab.setPreview([&](const report::BuildSheet& sheet, QWidget*) { shown = sheet.texts(); });
    tab.setDesign(design("2.5"));
    tab.printButton()->click();
    EXPECT_TRUE(shown.contains("Cylinder spacing CD 2.50 in"));
}

TEST_F(BuildSheetTabTest, PrintPreviewHasOnePageUnderItsJobName) {
    BuildSheetTab tab;
    tab.setDesign(design("2"));
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Print build sheet from queue");
        EXPECT_EQ(dialog->printer()->docName(), "Print build sheet from queue");
        EXPECT_EQ(dialog->printer()->pageLayout().pageSize().id(), QPageSize::A4);
        EXPECT_EQ(dialog->printer()->pageLayout().orientation(), QPageLayout::Portrait);
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->pageCount(), 1);
        EXPECT_DOUBLE_EQ(preview->zoomFactor(), 1.0);
        checked = true;
        dialog->reject();
    });
    tab.printButton()->click();
    EXPECT_TRUE(checked);
}

}  // namespace
}  // namespace yq
