#include "design/Calculation.h"
#include "design/DesignTools.h"
#include "files/DesignFile.h"
#include "support/RecordingMessages.h"
#include "support/RunProcess.h"
#include "support/WidgetApplication.h"
#include "windows/DesignToolsTab.h"
#include "windows/DesignWindow.h"
#include "windows/SweepPlot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace yq {
namespace {

// A window's part of the bargain: its record, its ReCalc on apply, and a
// log of what the tab asked for.
struct FakeWindow {
    explicit FakeWindow(UnitSystem system) : record(system) {}
    DesignRecord record;
    QStringList log;
    test::RecordingMessages messages{test::RecordingMessages::Mode::Record};
    bool entriesAccepted = true;

    DesignToolsHost host() {
        DesignToolsHost h;
        h.record = [this]() -> const DesignRecord& { return record; };
        h.takeEntries = [this] {
            log << QStringLiteral("take entries");
            return entriesAccepted;
        };
        h.metricFlag = [] { return false; };
        h.apply = [this](std::string_view key, const Decimal& value) {
            *record.field(key) = value;
            reCalc(record, false);
            log << QStringLiteral("apply %1=%2")
                       .arg(QString::fromLatin1(key.data(), qsizetype(key.size())),
                            QString::fromStdString(value.toString()));
        };
        h.messages = &messages;
        messages.observer = [this](const test::RecordingMessages::Message& m) {
            log << QStringLiteral("message [%1] %2").arg(m.caption, m.text);
        };
        return h;
    }
};

void setInputs(DesignRecord& r, std::initializer_list<std::pair<const char*, const char*>> inputs) {
    for (const auto& [key, value] : inputs) *r.field(key) = Decimal::of(value);
    reCalc(r, false);
}

class DesignToolsTabTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::widgetApplication();
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    QTemporaryDir folder;
    QString previous;
};

TEST_F(DesignToolsTabTest, FindsAFitAndAppliesItToTheWindow) {
    FakeWindow window(UnitSystem::Imperial);
    setInputs(window.record, {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}});
    DesignToolsTab tab(UnitSystem::Imperial, window.host());
    tab.resize(800, 450);
    tab.show();

    EXPECT_FALSE(tab.applyButton()->isEnabled());
    QTest::keyClicks(tab.turnsEntry(), "31");
    QTest::mouseClick(tab.findChild<QPushButton*>("FitFind"), Qt::LeftButton);
    ASSERT_TRUE(tab.lastFit());
    const FitOutcome expected = fitDesign(window.record, false, FitField::Fac, Decimal(31));
    EXPECT_EQ(tab.lastFit()->value, expected.value);
    const QString value = QString::fromStdString(expected.value.toString());
    EXPECT_TRUE(tab.fitResult()->text().contains("FAC = ")) << tab.fitResult()->text().toStdString();
    EXPECT_TRUE(tab.fitResult()->text().contains("Also changes: ")) << tab.fitResult()->text().toStdString();
    EXPECT_TRUE(tab.fitResult()->text().contains("ECC 5.34 &rarr; ")) << tab.fitResult()->text().toStdString();
    EXPECT_TRUE(tab.applyButton()->isEnabled());
    // Finding changes nothing in the window.
    EXPECT_EQ(window.record.FAC.text(), "2.00");

    QTest::mouseClick(tab.applyButton(), Qt::LeftButton);
    EXPECT_EQ(window.record.FAC.value(), expected.value);
    EXPECT_EQ(window.record.NT.value(), expected.turns);
    EXPECT_EQ(window.log.last().toStdString(), "apply FAC=" + expected.value.toString());
    EXPECT_FALSE(tab.applyButton()->isEnabled());
    EXPECT_TRUE(tab.fitResult()->text().contains("Applied"));
}

TEST_F(DesignToolsTabTest, ApplyAfterTheDesignChangedFindsAgainFirst) {
    FakeWindow window(UnitSystem::Imperial);
    setInputs(window.record, {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}});
    DesignToolsTab tab(UnitSystem::Imperial, window.host());
    tab.turnsEntry()->setText("31");
    tab.findFit();
    const Decimal first = tab.lastFit()->value;
    setInputs(window.record, {{"F", "7.05"}});  // typed on the Specifications tab meanwhile
    tab.applyFit();
    EXPECT_FALSE(window.log.join(' ').contains("apply")) << window.log.join(' ').toStdString();
    EXPECT_TRUE(tab.fitResult()->text().contains("changed since the last Find"));
    const FitOutcome now = fitDesign(window.record, false, FitField::Fac, Decimal(31));
    EXPECT_EQ(tab.lastFit()->value, now.value);
    EXPECT_NE(now.value, first);
    tab.applyFit();
    EXPECT_EQ(window.record.FAC.value(), now.value);
}

TEST_F(DesignToolsTabTest, SaysWhenNoValueComesWithinHalfATurnAndOffersTheNearest) {
    FakeWindow window(UnitSystem::Imperial);
    setInputs(window.record, {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}});
    DesignToolsTab tab(UnitSystem::Imperial, window.host());
    tab.fitFieldBox()->setCurrentIndex(1);  // DPS from the source coil
    tab.turnsEntry()->setText("400");
    tab.findFit();
    ASSERT_TRUE(tab.lastFit());
    EXPECT_FALSE(tab.lastFit()->withinHalfTurn);
    EXPECT_TRUE(tab.fitResult()->text().contains("No DPS from 0.01 to 90.00 gives SCT within half a turn of 400"))
        << tab.fitResult()->text().toStdString();
    EXPECT_TRUE(tab.applyButton()->isEnabled());
    EXPECT_TRUE(tab.applyButton()->text().startsWith("Apply DPS = "));

    // Turns that are not a number: nothing to apply.
    tab.turnsEntry()->setText("");
    tab.findFit();
    EXPECT_FALSE(tab.lastFit());
    EXPECT_FALSE(tab.applyButton()->isEnabled());

    // An entry the window refuses (the factor message) stops the tool.
    window.entriesAccepted = false;
    tab.turnsEntry()->setText("5");
    tab.findFit();
    EXPECT_FALSE(tab.lastFit());
}

TEST_F(DesignToolsTabTest, SweepsPlotsTabulatesAndSavesCsv) {
    FakeWindow window(UnitSystem::Imperial);
    setInputs(window.record, {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}});
    DesignToolsTab tab(UnitSystem::Imperial, window.host());
    tab.resize(800, 450);
    tab.show();
    // The frequency's range starts as the band the design is in.
    EXPECT_EQ(tab.fromEntry()->text(), "7");
    EXPECT_EQ(tab.toEntry()->text(), "7.3");

    tab.stepEntry()->setText("0.01");
    QTest::mouseClick(tab.findChild<QPushButton*>("SweepRun"), Qt::LeftButton);
    ASSERT_EQ(tab.lastSweep().size(), 31u);
    EXPECT_EQ(tab.lastSweep().back().F.text(), "7.3000");
    EXPECT_EQ(tab.plot()->seriesCount(), 3);
    EXPECT_EQ(tab.plot()->shadedBands(), QStringList{"40 m"});
    ASSERT_TRUE(tab.plot()->marker());
    EXPECT_DOUBLE_EQ(*tab.plot()->marker(), 7.15);
    EXPECT_EQ(tab.table()->model()->rowCount(), 31);
    EXPECT_EQ(tab.table()->model()->headerData(0, Qt::Horizontal).toString(), "F (MHz)");
    EXPECT_EQ(tab.table()->model()->headerData(1, Qt::Horizontal).toString(), "NT (turns)");
    // Row 16 is 7.15 MHz: the window's own design.
    EXPECT_EQ(tab.table()->model()->index(15, 1).data().toString().toStdString(), window.record.NT.text());

    // The plot shows the band and the curves.
    const QImage shot = tab.plot()->grab().toImage();
    bool band = false;
    for (int y = 0; y < shot.height() && !band; ++y)
        for (int x = 0; x < shot.width() && !band; ++x) band = shot.pixelColor(x, y) == QColor(255, 236, 179);
    EXPECT_TRUE(band);

    tab.outputBox("NT")->setChecked(false);
    tab.outputBox("SCT")->setChecked(true);
    EXPECT_EQ(tab.plot()->seriesCount(), 3);
    EXPECT_EQ(tab.table()->model()->headerData(3, Qt::Horizontal).toString(), "SCT (turns)");

    const QString csvPath = QDir(folder.path()).filePath("sweep.csv");
    QString suggested;
    tab.setCsvFileChooser([&](const QString& s) {
        suggested = s;
        return csvPath;
    });
    QTest::mouseClick(tab.findChild<QPushButton*>("SweepSave"), Qt::LeftButton);
    EXPECT_EQ(QFileInfo(suggested).fileName(), "sweep-F.csv");
    QFile csv(csvPath);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const std::string expected = sweepCsv(tab.lastSweep());
    EXPECT_EQ(csv.readAll().toStdString(), expected);
    EXPECT_EQ(expected.substr(0, 10), "F,RFR,AF,R");

    // A folder that is not there: the user is told, nothing else happens.
    tab.setCsvFileChooser([&](const QString&) { return QDir(folder.path()).filePath("no/such/sweep.csv"); });
    tab.saveSweepCsv();
    EXPECT_TRUE(window.log.last().startsWith("message [YQ Error Message] The sweep could not be saved"))
        << window.log.last().toStdString();

    // A range it refuses leaves the last sweep as it was.
    tab.stepEntry()->setText("-0.01");
    tab.runSweepNow();
    EXPECT_TRUE(tab.sweepStatus()->text().contains("runs away")) << tab.sweepStatus()->text().toStdString();
    EXPECT_EQ(tab.lastSweep().size(), 31u);
    tab.stepEntry()->setText("0.00001");
    tab.runSweepNow();
    EXPECT_TRUE(tab.sweepStatus()->text().contains("more places than F holds (4)"));
}

TEST_F(DesignToolsTabTest, ConvertsAndSavesUnderTheOtherWindowsName) {
    FakeWindow window(UnitSystem::Imperial);
    setInputs(window.record, {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}});
    DesignToolsTab tab(UnitSystem::Imperial, window.host());
    QTest::mouseClick(tab.findChild<QPushButton*>("ConvertRun"), Qt::LeftButton);
    const QString path = QDir(folder.path()).filePath("M7506.ini");
    EXPECT_EQ(tab.lastConvertedPath(), path);
    DesignRecord metric(UnitSystem::Metric);
    EXPECT_EQ(readDesignFile(path, metric).value(), 1);
    EXPECT_EQ(metric.CD.text(), "50.80");
    EXPECT_EQ(metric.WD.text(), "1.0160");
    EXPECT_TRUE(tab.convertResult()->text().contains("M7506.ini"));
    // The window's design is untouched.
    EXPECT_EQ(window.record.CD.text(), "2.00");

    // Back again from a Metric window's tab.
    FakeWindow metricWindow(UnitSystem::Metric);
    (void)readDesignFile(path, metricWindow.record);
    reCalc(metricWindow.record, true);
    DesignToolsTab metricTab(UnitSystem::Metric, metricWindow.host());
    metricTab.convertNow();
    EXPECT_EQ(metricTab.lastConvertedPath(), QDir(folder.path()).filePath("726.ini"));
    DesignRecord back(UnitSystem::Imperial);
    EXPECT_EQ(readDesignFile(metricTab.lastConvertedPath(), back).value(), 0);
    for (const char* key : {"F", "CD", "LD", "WD", "SP", "CCD", "FAC", "DPS", "NT"})
        EXPECT_EQ(back.field(key)->text(), window.record.field(key)->text()) << key;
}

// The tab on a real design window: the window's entries go into the tools,
// Apply lands in the window's fields, the converted design opens in the
// other window.
TEST_F(DesignToolsTabTest, DrivesTheDesignWindowsThirdTab) {
    const auto saved = test::runProcess(test::calcProgram(),
                                        {"save", "F=7.15", "CD=2", "LD=6", "WD=0.04", "SP=0.08", "CCD=2", "MBW=35"}, {},
                                        folder.path());
    ASSERT_EQ(saved.exitCode, 0) << saved.err.c_str();
    ProgramState state;
    test::RecordingMessages messages;  // no message expected
    QString answer = QDir(folder.path()).filePath("726.ini");
    DesignWindowServices services;
    services.chooseFile = [&](const QString&, const QString&, const QString&) { return answer; };
    services.messages = &messages;
    DesignWindow window(UnitSystemDescription::imperial(), services, state);
    window.open();
    test::settle();
    ASSERT_EQ(window.tabs()->count(), 6);
    EXPECT_EQ(window.tabs()->tabText(0), "   Specifications");
    EXPECT_EQ(window.tabs()->tabText(1), "   Help");
    EXPECT_EQ(window.tabs()->tabText(2), "   Design Tools");
    EXPECT_EQ(window.tabs()->tabText(3), "   Build Sheet");
    EXPECT_EQ(window.tabs()->tabText(4), "   Simulation");
    EXPECT_EQ(window.tabs()->tabText(5), "   Measurement");
    auto* tab = qobject_cast<DesignToolsTab*>(window.tabs()->widget(2));
    ASSERT_TRUE(tab);

    // A frequency typed but not yet left counts, as for every command.
    QLineEdit* f = window.entry("F");
    f->setFocus();
    f->selectAll();
    QTest::keyClicks(f, "7.05");
    window.tabs()->setCurrentWidget(tab);
    tab->turnsEntry()->setText("29");
    tab->findFit();
    ASSERT_TRUE(tab->lastFit());
    DesignRecord typed(UnitSystem::Imperial);
    (void)readDesignFile(answer, typed);
    typed.F = Decimal::of("7.05");
    const FitOutcome expected = fitDesign(typed, false, FitField::Fac, Decimal(29));
    EXPECT_EQ(tab->lastFit()->value, expected.value);
    EXPECT_EQ(window.record().F.text(), "7.0500");

    tab->applyFit();
    test::settle();
    EXPECT_EQ(window.record().FAC.value(), expected.value);
    EXPECT_EQ(window.entry("FAC")->text().toStdString(), expected.value.toFixed(2));
    EXPECT_EQ(window.entry("NT")->text().toStdString(), expected.turns.toFixed(2));

    // The sweep starts from the window's design as it now is.
    tab->sweepInputBox()->setCurrentIndex(tab->sweepInputBox()->findData("FAC"));
    tab->fromEntry()->setText("1");
    tab->toEntry()->setText("5");
    tab->stepEntry()->setText("0.5");
    tab->runSweepNow();
    ASSERT_EQ(tab->lastSweep().size(), 9u);
    EXPECT_EQ(tab->lastSweep()[2].F.text(), "7.0500");
    EXPECT_DOUBLE_EQ(*tab->plot()->marker(), expected.value.toReal());
    EXPECT_TRUE(tab->plot()->shadedBands().isEmpty());  // not a frequency axis

    tab->convertNow();
    test::settle();
    const QString metricPath = QDir(folder.path()).filePath("M7506.ini");  // 7.05 MHz, 50.8 mm, 6
    ASSERT_EQ(tab->lastConvertedPath(), metricPath);

    // The Metric window opens it as one of its own.
    ProgramState metricState;
    answer = metricPath;
    DesignWindow metricWindow(UnitSystemDescription::metric(), services, metricState);
    metricWindow.open();
    test::settle();
    EXPECT_EQ(metricWindow.unitNotice()->text(), "All measurements are in mm");
    EXPECT_EQ(metricWindow.record().CD.text(), "50.80");
    EXPECT_EQ(metricWindow.record().WD.text(), "1.0160");
    EXPECT_EQ(metricWindow.record().FAC.value(), expected.value);
    EXPECT_EQ(metricWindow.record().F.text(), "7.0500");
    EXPECT_TRUE(messages.messages.empty());
}

TEST(SweepPlotTicks, StepsOfOneTwoOrFiveNearTheWantedCount) {
    struct Case {
        double low, high;
        int wanted;
        QVector<double> ticks;
    } const cases[] = {
        {7.0, 7.3, 6, {7.0, 7.05, 7.1, 7.15, 7.2, 7.25, 7.3}},
        {0, 95, 4, {0, 20, 40, 60, 80}},
        {-3.2, 1.1, 4, {-3, -2, -1, 0, 1}},
        {5, 5, 4, {}},
    };
    for (const Case& c : cases) {
        const QVector<double> got = SweepPlot::niceTicks(c.low, c.high, c.wanted);
        ASSERT_EQ(got.size(), c.ticks.size()) << c.low << ".." << c.high;
        for (qsizetype i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], c.ticks[i], 1e-9) << c.low << ".." << c.high;
    }
}

}  // namespace
}  // namespace yq
