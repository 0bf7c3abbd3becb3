// The Measurement tab offscreen: a sweep opened, its findings and tuning
// beside what yq-calc tune prints for the same files, the NEC-2 model
// overlaid (nec2c itself), Apply through the fit, a damaged file told, and
// the tab's place in the real design window.
#include "design/Calculation.h"
#include "design/DesignTools.h"
#include "files/DesignFile.h"
#include "sim/Nec2cRunner.h"
#include "support/RecordingMessages.h"
#include "support/RunProcess.h"
#include "support/WidgetApplication.h"
#include "files/ProgramState.h"
#include "windows/DesignWindow.h"
#include "windows/UnitSystemDescription.h"
#include "windows/FrequencyPlot.h"
#include "windows/MeasurementTab.h"
#include "windows/SmithChart.h"

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

namespace yq {
namespace {

constexpr double kPi = std::numbers::pi;

struct MeasuringWindow {
    explicit MeasuringWindow(UnitSystem system) : record(system) {}
    DesignRecord record;
    QStringList log;
    test::RecordingMessages messages{test::RecordingMessages::Mode::Record};

    MeasurementHost host() {
        MeasurementHost h;
        h.record = [this]() -> const DesignRecord& { return record; };
        h.takeEntries = [this] {
            log << QStringLiteral("take entries");
            return true;
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
        return h;
    }
};

QString measuredDesignFile() { return QStringLiteral(YQ_TEST_DATA "/report/726.ini"); }

// An analyser's sweep of a built antenna: a series R-L-C resonating at
// 11.9 MHz with 2.2 ohm, a little noise, as "# Hz S RI R 50".
std::string analyserSweepText() {
    const double f0 = 11.9e6, l = 21e-6, c = 1 / (std::pow(2 * kPi * f0, 2) * l);
    std::string text = "! sweep of the finished antenna at the feed\n# Hz S RI R 50\n";
    unsigned noise = 12345;
    for (int i = 0; i < 201; ++i) {
        const double f = 10.5e6 + 3e6 * i / 200;
        const double w = 2 * kPi * f;
        noise = noise * 1103515245u + 12345u;
        const double jitter = ((noise >> 16) % 1000) / 1000.0 - 0.5;
        const std::complex<double> z(2.2 + 0.05 * f / 1e6 + 0.1 * jitter, w * l - 1 / (w * c) + 0.3 * jitter);
        const std::complex<double> s = (z - 50.0) / (z + 50.0);
        char line[96];
        std::snprintf(line, sizeof line, "%.0f %.9f %.9f\n", f, s.real(), s.imag());
        text += line;
    }
    return text;
}

void writeMeasurement(const QString& path, const std::string& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), static_cast<qsizetype>(text.size()));
}

// Screenshots for a person to look at, when asked for (never in the tree).
void keepTabPicture(QWidget& w, const char* name) {
    const QByteArray folder = qgetenv("YQ_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    w.grab().save(QString::fromUtf8(folder) + "/" + name);
}

TEST(SmithChart, PlacesImpedancesByTheirReflectionOnTheChartsReference) {
    test::widgetApplication();
    SmithChart chart;
    chart.setReference(50);
    const QRectF circle(0, 0, 200, 200);
    const struct {
        std::complex<double> z;
        QPointF at;
    } cases[] = {{{50, 0}, {100, 100}},      // the centre
                 {{0, 0}, {0, 100}},         // a short: the left end
                 {{25, 0}, {66.6667, 100}},  // -1/3
                 {{0, 50}, {100, 0}},        // +j50: the top
                 {{0, -50}, {100, 200}}};    // -j50: the bottom
    for (const auto& c : cases) {
        const QPointF p = SmithChart::place(chart.reflection(c.z), circle);
        EXPECT_NEAR(p.x(), c.at.x(), 1e-3) << c.z.real() << " " << c.z.imag();
        EXPECT_NEAR(p.y(), c.at.y(), 1e-3) << c.z.real() << " " << c.z.imag();
    }
    chart.setReference(75);  // a 75 ohm sweep: 75 ohm is the centre
    EXPECT_NEAR(std::abs(chart.reflection({75, 0})), 0, 1e-12);
    chart.setSeries({{QStringLiteral("measured"), {7.0, 7.1}, {{75, 0}, {25, 0}}, {}}});
    EXPECT_EQ(chart.pointsTable(),
              QStringLiteral("Series\tFrequency (MHz)\tR (ohm)\tX (ohm)\tReflection (re)\tReflection "
                             "(im)\nmeasured\t7\t75\t0\t0.000000\t0.000000\nmeasured\t7.1\t25\t0\t"
                             "-0.500000\t0.000000\n"));
}

class MeasurementTabTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::widgetApplication();
        (void)readDesignFile(measuredDesignFile(), window.record);
        reCalc(window.record, false);
    }
    MeasuringWindow window{UnitSystem::Imperial};
    QTemporaryDir dir;
};

TEST_F(MeasurementTabTest, ShowsTheFindingsAndTuningThatYqCalcTunePrintsAndTheModelBesideThem) {
    const QString path = dir.filePath("antenna.s1p");
    writeMeasurement(path, analyserSweepText());
    MeasurementTab tab(UnitSystem::Imperial, window.host());
    tab.setFileChooser([&] { return path; });
    tab.resize(1100, 560);
    tab.show();
    QSignalSpy modelDone(&tab, &MeasurementTab::modelFinished);
    QTest::mouseClick(tab.openButton(), Qt::LeftButton);
    ASSERT_TRUE(tab.findings().has_value());
    ASSERT_EQ(tab.findings()->resonancesHz.size(), 1u);
    EXPECT_NEAR(tab.findings()->resonancesHz[0], 11.9e6, 11.9e6 * 0.002);
    EXPECT_EQ(tab.woundEntry()->text(), "21.96");  // the coil as the design has it when measured
    ASSERT_TRUE(tab.tuning().has_value());

    // Every row of the tab is a line of yq-calc tune for the same files.
    const auto run = test::runProcess(test::calcProgram(), {"tune", measuredDesignFile(), path, "--wound", "21.96"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const FindingRow& r : tab.rows()) {
        EXPECT_NE(run.out.find(r.value), std::string::npos) << r.label << ": " << r.value;
        EXPECT_TRUE(tab.findingsView()->toPlainText().contains(QString::fromStdString(r.value))) << r.value;
    }
    EXPECT_TRUE(tab.findingsView()->toPlainText().contains(
        QStringLiteral("wind %1 turns (now 21.96)").arg(QString::fromStdString(tab.tuning()->turns.toFixed(2)))));

    // The model of the same design over the same range, overlaid and named.
    if (sim::findProgram("nec2c").empty()) GTEST_SKIP() << "nec2c is not installed (scripts/setup.sh installs it)";
    ASSERT_TRUE(modelDone.wait(20000)) << tab.modelStatus().toStdString();
    ASSERT_FALSE(tab.modelStatus().startsWith("No NEC-2 model")) << tab.modelStatus().toStdString();
    for (FrequencyPlot* p : {tab.swrPlot(), tab.resistancePlot(), tab.reactancePlot()}) {
        ASSERT_EQ(p->series().size(), 2);
        EXPECT_EQ(p->series()[0].name, kMeasuredSeries);
        EXPECT_EQ(p->series()[1].name, kModelSeries);
        EXPECT_DOUBLE_EQ(p->series()[1].frequencyMHz.front(), 10.5);
        EXPECT_DOUBLE_EQ(p->series()[1].frequencyMHz.back(), 13.5);
    }
    ASSERT_EQ(tab.smithChart()->series().size(), 2);
    EXPECT_EQ(tab.smithChart()->series()[1].name, kModelSeries);
    // The chart's table holds the measured impedances as the R plot has them.
    const QString table = tab.smithChart()->pointsTable();
    EXPECT_TRUE(table.startsWith("Series\tFrequency (MHz)\tR (ohm)"));
    EXPECT_EQ(table.count('\n'), 1 + 201 + 121);
    EXPECT_NEAR(tab.smithChart()->series()[0].impedance[50].real(), tab.resistancePlot()->series()[0].values[50], 1e-9);
    keepTabPicture(tab, "measurement-tab.png");
    tab.smithChart()->resize(520, 560);
    keepTabPicture(*tab.smithChart(), "smith-chart.png");

    // Apply: the FAC of the fit, then ReCalc; the turns wound stay.
    const Decimal fac = tab.tuning()->fit.value;
    EXPECT_TRUE(tab.applyButton()->isEnabled());
    EXPECT_EQ(tab.applyButton()->text(), QStringLiteral("Apply FAC %1").arg(QString::fromStdString(fac.toFixed(2))));
    QTest::mouseClick(tab.applyButton(), Qt::LeftButton);
    EXPECT_EQ(window.log.last().toStdString(), "apply FAC=" + fac.toString());
    EXPECT_EQ(window.record.FAC.value(), fac);
    EXPECT_EQ(tab.woundEntry()->text(), "21.96");
    EXPECT_TRUE(window.messages.messages.empty());
    modelDone.wait(20000);
}

TEST_F(MeasurementTabTest, ADamagedOrEmptyFileIsToldAndNothingIsPlotted) {
    MeasurementTab tab(UnitSystem::Imperial, window.host());
    const struct {
        const char* name;
        const char* text;
        const char* message;
    } cases[] = {
        {"letter.s1p", "# MHz S RI R 50\n7 0.1 0.2\n7.1 0.1 0.2x\n", "line 3: \"0.2x\" is not a number"},
        {"empty.s1p", "", "holds no usable sweep: it has no frequency points"},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        writeMeasurement(path, c.text);
        EXPECT_FALSE(tab.openMeasurement(path));
        ASSERT_FALSE(window.messages.messages.empty());
        EXPECT_TRUE(window.messages.messages.back().text.contains(c.message))
            << window.messages.messages.back().text.toStdString();
        EXPECT_FALSE(tab.findings().has_value());
        EXPECT_TRUE(tab.swrPlot()->series().isEmpty());
        EXPECT_FALSE(tab.applyButton()->isEnabled());
    }
}

TEST_F(MeasurementTabTest, IsTheLastTabOfBothDesignWindows) {
    for (UnitSystem system : {UnitSystem::Imperial, UnitSystem::Metric}) {
        // The window as the program makes it (its constructor takes the
        // program state it shares with the other windows).
        ProgramState state;
        test::RecordingMessages messages{test::RecordingMessages::Mode::Record};
        DesignWindowServices services;
        services.chooseFile = [](const QString&, const QString&, const QString&) { return QString(); };
        services.messages = &messages;
        DesignWindow w(UnitSystemDescription::of(system), services, state);
        QTabWidget* tabs = w.tabs();
        const int index = tabs->count() - 1;
        EXPECT_EQ(tabs->tabText(index), QString::fromLatin1(kMeasurementTabCaption));
        EXPECT_NE(qobject_cast<MeasurementTab*>(tabs->widget(index)), nullptr);
        EXPECT_GT(index, tabs->indexOf(tabs->findChild<QWidget*>(QStringLiteral("BuildSheetTab"))));
    }
}

TEST_F(MeasurementTabTest, AppliesTheTuningInTheRealWindow) {
    // A design opened in the Imperial window, its sweep opened on the tab.
    const QString sweep = dir.filePath("antenna.s1p");
    writeMeasurement(sweep, analyserSweepText());
    const QString design = dir.filePath("726.ini");
    ASSERT_TRUE(QFile::copy(measuredDesignFile(), design));
    ProgramState state;
    test::RecordingMessages messages{test::RecordingMessages::Mode::Record};
    DesignWindowServices services;
    services.chooseFile = [design](const QString&, const QString&, const QString&) { return design; };
    services.messages = &messages;
    DesignWindow w(UnitSystemDescription::of(UnitSystem::Imperial), services, state);
    w.open();
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    w.show();
    auto* tab = qobject_cast<MeasurementTab*>(w.tabs()->widget(w.tabs()->count() - 1));
    ASSERT_NE(tab, nullptr);
    w.tabs()->setCurrentWidget(tab);
    QSignalSpy modelDone(tab, &MeasurementTab::modelFinished);
    ASSERT_TRUE(tab->openMeasurement(sweep));
    ASSERT_TRUE(modelDone.wait(20000));
    keepTabPicture(w, "design-window-measurement.png");
    ASSERT_TRUE(tab->tuning().has_value());
    const Decimal fac = tab->tuning()->fit.value;
    const Decimal turns = tab->tuning()->fit.turns;
    tab->applyButton()->click();
    // The window's own fields now show the fitted FAC and the turns its ReCalc gives.
    QLineEdit* facEdit = w.entry(QStringLiteral("FAC"));
    QLineEdit* ntEdit = w.entry(QStringLiteral("NT"));
    ASSERT_NE(facEdit, nullptr);
    ASSERT_NE(ntEdit, nullptr);
    EXPECT_EQ(facEdit->text().trimmed().toStdString(), fac.toFixed(2));
    EXPECT_EQ(ntEdit->text().trimmed().toStdString(), turns.toFixed(2));
    modelDone.wait(20000);
}

}  // namespace
}  // namespace yq
