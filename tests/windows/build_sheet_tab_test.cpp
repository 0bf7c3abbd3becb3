#include "windows/BuildSheetTab.h"
#include "support/QtPrinters.h"

#include "design/Calculation.h"
#include "files/DesignFile.h"
#include "support/RecordingMessages.h"
#include "support/WidgetApplication.h"
#include "windows/DesignWindow.h"

#include "DesignWindowOnFile.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
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
    const QRect onScreen =
        QRectF(page.left() + upper.left() * k, page.top() + upper.top() * k, upper.width() * k, upper.height() * k)
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

// The tab in the design window: what it draws is what the window shows,
// after every ReCalc.
class BuildSheetInWindowTest : public test::DesignWindowOnFile {
protected:
    DesignWindow& open(UnitSystem system, const std::vector<std::pair<const char*, const char*>>& inputs,
                       const char* metricText) {
        DesignWindow& w = DesignWindowOnFile::open(system, inputs, metricText);
        test::settle();
        return w;
    }
    // The number the sheet shows after `label`, as the window would show it.
    static QString sheetValue(BuildSheetTab& tab, const QString& label) {
        for (const QString& t : tab.sheet().texts()) {
            if (t.startsWith(label + u' ')) return t.mid(label.size() + 1).section(u' ', 0, 0);
        }
        ADD_FAILURE() << "no text " << label.toStdString();
        return {};
    }
};

TEST_F(BuildSheetInWindowTest, TabFollowsTheOtherTabsAndShowsWhatTheWindowShows) {
    DesignWindow& w =
        open(UnitSystem::Imperial,
             {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}}, "0");
    QTabWidget* tabs = w.tabs();
    const int index = tabs->indexOf(w.buildSheetTab());
    ASSERT_GE(index, 2) << "after Specifications and Help";
    EXPECT_EQ(tabs->tabText(index), "   Build Sheet");
    EXPECT_EQ(tabs->tabText(0), "   Specifications");
    BuildSheetTab& tab = *w.buildSheetTab();
    EXPECT_EQ(tab.buildCount(), 0) << "nothing is drawn while the tab is behind";
    tabs->setCurrentIndex(index);
    EXPECT_EQ(tab.buildCount(), 1);
    const std::pair<const char*, const char*> shown[] = {{"Upper cylinder CCL", "CCL"}, {"Tuning coil CL", "CL"},
                                                         {"Overall TL", "TL"},          {"Source coil SCL", "SCL"},
                                                         {"Cylinder CD", "CD"},         {"Tuning coil CCD", "CCD"},
                                                         {"Phasing coil PCCD", "PCCD"}};
    for (const auto& [label, key] : shown) EXPECT_EQ(sheetValue(tab, label), w.entry(key)->text().trimmed()) << key;
    EXPECT_TRUE(tab.sheet().texts().contains("Design: design.ini"));

    // A new cylinder diameter and ReCalc: the shown tab redraws at once.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QLineEdit* cd = w.entry("CD");
    cd->setFocus();
    cd->selectAll();
    QTest::keyClicks(cd, "2.5");
    QTest::keyClick(w.windowHandle(), Qt::Key_F3);
    test::settle();
    EXPECT_GE(tab.buildCount(), 2);
    EXPECT_EQ(sheetValue(tab, "Cylinder spacing CD"), "2.50");
    for (const auto& [label, key] : shown) EXPECT_EQ(sheetValue(tab, label), w.entry(key)->text().trimmed()) << key;
    if (const QByteArray dump = qgetenv("YQ_BUILD_SHEET_DUMP"); !dump.isEmpty())
        w.grab().save(QString::fromLocal8Bit(dump) + QStringLiteral("/window-tab.png"));
}

TEST_F(BuildSheetInWindowTest, MetricWindowDrawsInMillimetresWithItsPictures) {
    DesignWindow& w = open(UnitSystem::Metric,
                           {{"F", "14.2"}, {"CD", "50"}, {"LD", "6"}, {"WD", "1"}, {"SP", "1.5"}, {"CCD", "40"}}, "1");
    w.tabs()->setCurrentWidget(w.buildSheetTab());
    const QStringList texts = w.buildSheetTab()->sheet().texts();
    EXPECT_TRUE(texts.contains("Upper cylinder CCL 300.0 mm")) << texts.join(u'\n').toStdString();
    EXPECT_TRUE(texts.contains("All linear measurements are in mm"));
    EXPECT_EQ(sheetValue(*w.buildSheetTab(), "Tuning coil CL"), w.entry("CL")->text().trimmed());
}

}  // namespace
}  // namespace yq
