// yq-calc tune through the program itself: a sweep the test writes from a
// series R-L-C that resonates where it chooses, the turns it must answer,
// worked out here from the coil formula, and the exit statuses of bad files.
#include "sim/Study.h"
#include "support/RunProcess.h"

#include "design/Calculation.h"
#include "design/DesignTools.h"
#include "design/ImpedanceSweep.h"
#include "design/Tuning.h"
#include "files/Touchstone.h"
#include "sim/Comparison.h"
#include "sim/Nec2cRunner.h"
#include "files/DesignFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <regex>
#include <string>

namespace yq {
namespace {

using test::calcProgram;
using test::runProcess;

constexpr double kPi = std::numbers::pi;

QString designFile() { return QStringLiteral(YQ_TEST_DATA "/report/726.ini"); }

void writeText(const QString& path, const std::string& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), static_cast<qsizetype>(text.size()));
}

// A series R-L-C resonating at `hz` with `r` ohms, swept +-20 % in 201
// points, as "# MHz S RI R 50".
std::string rlcSweep(double hz, double r) {
    const double l = 30e-6, c = 1 / (std::pow(2 * kPi * hz, 2) * l);
    std::string text = "! test sweep\n# MHz S RI R 50\n";
    for (int i = 0; i < 201; ++i) {
        const double f = hz * (0.8 + 0.4 * i / 200);
        const double w = 2 * kPi * f;
        const std::complex<double> z(r, w * l - 1 / (w * c));
        const std::complex<double> s = (z - 50.0) / (z + 50.0);
        char line[96];
        std::snprintf(line, sizeof line, "%.9f %.12f %.12f\n", f / 1e6, s.real(), s.imag());
        text += line;
    }
    return text;
}

double numberAfter(const std::string& text, const std::string& pattern) {
    std::smatch m;
    const std::regex re(pattern + "([0-9.]+)");
    if (!std::regex_search(text, m, re)) return -1;
    return std::stod(m[1]);
}

TEST(TuneCommand, GivesTheTurnsThatResonateTheModelsSeriesInductanceAtF) {
    QTemporaryDir dir;
    DesignRecord design(UnitSystem::Imperial);
    (void)readDesignFile(designFile(), design);
    reCalcAs(design, false);
    const double f = 7.15e6;
    const struct {
        double ratio;
        const char* wound;
    } cases[] = {{1.2, nullptr}, {0.9, "25"}, {1.75, "21.96"}};
    for (const auto& c : cases) {
        const QString path = dir.filePath("antenna.s1p");
        writeText(path, rlcSweep(f * c.ratio, 1.5));
        QStringList args{"tune", designFile(), path};
        if (c.wound) args << "--wound" << c.wound;
        const auto run = runProcess(calcProgram(), args);
        SCOPED_TRACE(run.out + run.err);
        ASSERT_EQ(run.exitCode, 0);
        EXPECT_NEAR(numberAfter(run.out, "Series resonance +"), f * c.ratio / 1e6, f * c.ratio / 1e6 * 0.0005);
        // The series inductance the model puts at the feed for the turns
        // wound; what it must become for F; the tuning coil takes it all.
        const std::optional<double> wound = c.wound ? std::optional(std::stod(c.wound)) : std::nullopt;
        const double series = sim::feedSeriesInductance(design, wound);
        const double coil = wound ? sim::tuningCoilInductance(design, *wound) : design.CI.value().toReal() * 1e-6;
        const double wanted = series * c.ratio * c.ratio - (series - coil);
        const double d = design.CCD.value().toReal(), sp = design.SP.value().toReal();
        const double n = numberAfter(run.out, "wind ");
        EXPECT_NEAR(d * d * n * n / (18 * d + 40 * n * sp) * 1e-6, wanted, wanted * 0.001) << n;
        EXPECT_NEAR(numberAfter(run.out, "\\(now "), wound.value_or(design.NT.value().toReal()), 0.005);
        EXPECT_NEAR(numberAfter(run.out, "Coil length +"), n * sp, 0.006);
        EXPECT_EQ(run.out.find("cannot be trusted") == std::string::npos, c.ratio <= 2.0);
    }
}

TEST(TuneCommand, JsonCarriesTheSameFindingsAsTheTable) {
    QTemporaryDir dir;
    const QString path = dir.filePath("antenna.s1p");
    writeText(path, rlcSweep(9e6, 40));
    const auto table = runProcess(calcProgram(), {"tune", designFile(), path});
    const auto json = runProcess(calcProgram(), {"tune", designFile(), path, "--format", "json"});
    ASSERT_EQ(table.exitCode, 0);
    ASSERT_EQ(json.exitCode, 0) << json.err;
    for (const char* key : {"resonances", "least_swr", "swr2_bandwidth", "turns", "fac"}) {
        std::smatch m;
        ASSERT_TRUE(std::regex_search(json.out, m, std::regex(std::string("\"") + key + "\":\"([^\"]*)\""))) << key;
        EXPECT_NE(table.out.find(m[1].str()), std::string::npos) << key << ": " << m[1];
    }
    EXPECT_NE(json.out.find("\"wind_turns\":"), std::string::npos);
    EXPECT_NE(table.out.find("2:1 SWR bandwidth (R 50)  "), std::string::npos);
}

TEST(TuneCommand, ExitsTwoForADamagedFileAndThreeWithoutAUsableSweep) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        std::string text;
        int status;
        const char* message;
    } cases[] = {
        {"letter.s1p", "# MHz S RI R 50\n7 0.1 0.2\n7.1 0.1x 0.2\n", 2, "line 3: \"0.1x\" is not a number"},
        {"falling.s1p", "# MHz S RI R 50\n7.2 0.1 0.2\n7.1 0.1 0.2\n", 2, "line 3: the frequency 7.1 MHz"},
        {"junk.s1p",
         std::string("\x7f"
                     "ELF\x02\x01\x01\0\0\0",
                     10),
         2, "line 1: a control character"},
        {"zero.s1p", "# MHz S RI R 0\n7 0.1 0.2\n", 2, "line 1: the reference impedance 0 ohm"},
        {"empty.s1p", "", 3, "holds no usable sweep: it has no frequency points"},
        {"one.csv", "Frequency (Hz),Re,Im\n7000000,0.1,0.2\n", 3, "holds no usable sweep: it has one"},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        writeText(path, c.text);
        const auto run = runProcess(calcProgram(), {"tune", designFile(), path});
        EXPECT_EQ(run.exitCode, c.status) << c.name << run.err;
        EXPECT_TRUE(run.out.empty()) << c.name;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(c.name), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_EQ(runProcess(calcProgram(), {"tune", designFile(), dir.filePath("missing.s1p")}).exitCode, 2);
    // A design without a tuning coil's diameter: the findings, then why it cannot be tuned.
    const QString sweep = dir.filePath("antenna.s1p");
    writeText(sweep, rlcSweep(9e6, 20));
    const auto untunable = runProcess(calcProgram(), {"tune", QStringLiteral(YQ_TEST_DATA "/report/M7506.ini"), sweep});
    EXPECT_EQ(untunable.exitCode, 1);
    EXPECT_NE(untunable.out.find("Series resonance"), std::string::npos);
    EXPECT_NE(untunable.out.find("no tuning-coil diameter"), std::string::npos);
    EXPECT_EQ(runProcess(calcProgram(), {"tune", designFile()}).exitCode, 2);
    EXPECT_EQ(runProcess(calcProgram(), {"tune", designFile(), dir.filePath("letter.s1p"), "--wound", "x"}).exitCode,
              2);
}

}  // namespace
}  // namespace yq

namespace yq {
namespace {

// The closed loop without an analyser: the NEC-2 model's sweep saved as a
// Touchstone file is a measurement of the model; the turns tuned from it,
// wound on the model's tuning coil, must bring the model's resonance to F.
// (The Capacitance Factor cannot carry a coil this far from the calculated
// one: its fit reaches at most 35 % more inductance; the loop winds the
// turns on the model itself.)
TEST(TuneClosedLoop, TurnsTunedFromTheModelsOwnSweepResonateTheModelAtF) {
    if (sim::findProgram("nec2c").empty()) GTEST_SKIP() << "nec2c is not installed (scripts/setup.sh installs it)";
    DesignRecord from726(UnitSystem::Imperial);
    (void)readDesignFile(designFile(), from726);
    DesignRecord twenty(UnitSystem::Imperial);
    for (const auto& [k, v] :
         {std::pair{"F", "14.2"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}})
        *twenty.field(k) = Decimal::of(v);
    DesignRecord metric(UnitSystem::Metric);
    for (const auto& [k, v] :
         {std::pair{"F", "7.15"}, {"CD", "50.8"}, {"LD", "6"}, {"WD", "1.016"}, {"SP", "2.032"}, {"CCD", "50.8"}})
        *metric.field(k) = Decimal::of(v);
    for (DesignRecord design : {from726, twenty, metric}) {
        reCalcAs(design, false);
        const double f = design.F.value().toReal() * 1e6;
        SCOPED_TRACE(f);
        const auto study = sim::runStudy(design);
        ASSERT_TRUE(study.ok()) << study.problem().text();
        // Saved as the simulation saves it, read as a measurement.
        const auto measured = parseMeasurement(sim::sweepTouchstone(*study), "model.s1p");
        ASSERT_TRUE(measured.ok()) << measured.problem().text();
        std::vector<ReflectionPoint> points;
        for (const MeasuredPoint& p : measured->points) points.push_back({p.hz, p.s11});
        const auto findings = analyseSweep(points, measured->referenceOhms);
        ASSERT_TRUE(findings.ok());
        ASSERT_EQ(findings->tuningPoint, TuningPoint::Resonance);
        EXPECT_NEAR(findings->tuningHz, *study->asDesigned.resonanceHz, f * 0.002);
        TuningInput input;
        input.measuredHz = findings->tuningHz;
        input.seriesHenries = sim::feedSeriesInductance(design);
        const auto tuning = computeTuning(design, false, input);
        ASSERT_TRUE(tuning.ok()) << tuning.problem().text();

        // Wound on the model: the tuning coil of N turns, the other coils as they were.
        double error = 0;
        Tuning current = *tuning;
        for (int step = 1; step <= 2; ++step) {
            const double n = current.turns.toReal();
            DesignRecord wound = design;
            wound.CI = Decimal::fromReal(sim::tuningCoilInductance(design, n) * 1e6);
            wound.NT = current.turns;
            runPartial(wound, PartialRecalc::CoilFromTurns);
            const auto again = sim::runStudy(wound);
            ASSERT_TRUE(again.ok()) << again.problem().text();
            ASSERT_TRUE(again->asDesigned.resonanceHz.has_value());
            error = std::abs(*again->asDesigned.resonanceHz / f - 1);
            std::printf(
                "  %.4f MHz design, step %d: wind %.2f turns (calculated %.2f), model resonates at %.4f MHz "
                "(%.3f %% off)\n",
                f / 1e6, step, n, design.NT.value().toReal(), *again->asDesigned.resonanceHz / 1e6, error * 100);
            if (step == 1) {
                EXPECT_LT(error, 0.01);
            }
            // The second measurement, of the rewound model, refines it.
            TuningInput second;
            second.measuredHz = *again->asDesigned.resonanceHz;
            second.woundTurns = current.turns;
            second.seriesHenries = sim::feedSeriesInductance(design, n);
            auto refined = computeTuning(design, false, second);
            ASSERT_TRUE(refined.ok());
            current = *refined;
        }
        EXPECT_LT(error, 0.002);
    }
}

}  // namespace
}  // namespace yq
