#include "sim/Comparison.h"
#include "sim/Model.h"
#include "sim/Study.h"
#include "sim/SimTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace yq::sim {
namespace {

class Study : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (findProgram("nec2c").empty()) return;
        auto r = runStudy(test::forty());
        ASSERT_TRUE(r.ok()) << r.problem().text();
        study_ = new StudyResult(std::move(*r));
    }
    static void TearDownTestSuite() { delete study_; }
    void SetUp() override {
        YQ_NEEDS_NEC2C();
        ASSERT_NE(study_, nullptr);
    }
    static StudyResult* study_;
};
StudyResult* Study::study_ = nullptr;

TEST_F(Study, FindsTheSeriesResonanceWhereXRisesThroughZeroBetweenTheCoarsePoints) {
    const StudyResult& s = *study_;
    ASSERT_EQ(s.coarse.size(), 85u);
    EXPECT_DOUBLE_EQ(s.coarse.front().hz, 0.4 * 7.15e6);
    EXPECT_NEAR(s.coarse.back().hz, 2.5 * 7.15e6, 1e-3);
    ASSERT_TRUE(s.asDesigned.resonanceHz);
    const double f0 = *s.asDesigned.resonanceHz;
    // Between the two coarse points where X changes sign, and not on either.
    std::size_t i = 1;
    while (i < s.coarse.size() && !(s.coarse[i - 1].z.imag() < 0 && s.coarse[i].z.imag() >= 0)) ++i;
    ASSERT_LT(i, s.coarse.size());
    EXPECT_GT(f0, s.coarse[i - 1].hz);
    EXPECT_LT(f0, s.coarse[i].hz);
    EXPECT_NE(f0, s.coarse[i - 1].hz + (s.coarse[i].hz - s.coarse[i - 1].hz) / 2);
    // The fine sweep crosses zero at f0 to a part in 10^5.
    const auto& fine = s.asDesigned.fine;
    for (std::size_t k = 1; k < fine.size(); ++k)
        if (fine[k - 1].z.imag() < 0 && fine[k].z.imag() >= 0) {
            const double cross = fine[k - 1].hz + (fine[k].hz - fine[k - 1].hz) * -fine[k - 1].z.imag() /
                                                      (fine[k].z.imag() - fine[k - 1].z.imag());
            EXPECT_NEAR(cross / f0, 1, 1e-5);
        }
}

TEST_F(Study, ReSizesTheCoilSoThatTheModelResonatesAtTheDesignFrequency) {
    const StudyResult& s = *study_;
    ASSERT_TRUE(s.tuned.resonanceHz);
    EXPECT_NEAR(*s.tuned.resonanceHz / 7.15e6, 1, 1e-6);
    ASSERT_TRUE(s.tuned.zAtF);
    EXPECT_LT(std::abs(s.tuned.zAtF->imag()), 0.01 * std::abs(s.asDesigned.zAtF->imag()));
    // The coil change is what moves X at F: w dL = -X(F), the rest of the
    // load unchanged, within the 5 significant digits nec2c prints X with.
    const double w = 2 * std::numbers::pi * 7.15e6;
    const double x = s.asDesigned.zAtF->imag();
    EXPECT_NEAR((s.tuned.tuningCoilH - s.asDesigned.tuningCoilH) * w, -x, 5e-5 * std::abs(x));
    ASSERT_TRUE(s.tunedTurns);
    EXPECT_NEAR(tuningCoilInductance(test::forty(), *s.tunedTurns), s.tuned.tuningCoilH, 1e-12);
}

TEST_F(Study, FiguresAgreeWithEachOther) {
    for (const ModelFigures* m : {&study_->asDesigned, &study_->tuned}) {
        ASSERT_TRUE(m->q && m->halfPowerBandwidthHz && m->efficiency && m->radiationResistance && m->maxGainDbi);
        // Q from the slope of X and Q from the width of |X| <= R: two ways to one figure.
        EXPECT_NEAR(*m->q * *m->halfPowerBandwidthHz / *m->resonanceHz, 1, 0.03);
        // A short dipole's directivity times the efficiency.
        EXPECT_NEAR(*m->maxGainDbi, 10 * std::log10(1.5 * *m->efficiency), 0.1);
        EXPECT_DOUBLE_EQ(*m->radiationResistance, *m->resistanceAtResonance * *m->efficiency);
        // On 50 ohm the best SWR is that of R at resonance against 50 ohm.
        ASSERT_TRUE(m->minSwr50);
        EXPECT_NEAR(*m->minSwr50, 50 / *m->resistanceAtResonance, 0.02 * *m->minSwr50);
        // The pattern is an elevation cut round the whole circle, 5 degrees apart, deepest along the axis.
        ASSERT_EQ(m->pattern.size(), 74u);
    }
    EXPECT_EQ(study_->ruleBreaks.size(),
              1u);  // the coarse sweep's lowest frequency is below 0.001 wavelength a segment
    EXPECT_EQ(study_->ruleBreaks.front().rule, "segment length");
}

TEST_F(Study, TheTableTheCommandAndTheFilesShowTheStudysOwnNumbers) {
    const DesignRecord d = test::forty();
    const auto rows = comparisonRows(d, *study_);
    auto row = [&](const std::string& key) {
        for (const auto& r : rows)
            if (r.key == key) return r;
        ADD_FAILURE() << key;
        return ComparisonRow{};
    };
    EXPECT_EQ(row("resonance").calculator, "7.1500");
    char text[40];
    std::snprintf(text, sizeof text, "%.4f", *study_->asDesigned.resonanceHz / 1e6);
    EXPECT_EQ(row("resonance").asDesigned, text);
    EXPECT_EQ(row("tuning_coil").calculator, "24.35");
    EXPECT_EQ(row("q").calculator, "17.38");
    EXPECT_EQ(row("max_gain").calculator, "-");
    EXPECT_EQ(row("swr2_bw_50").asDesigned, "none");  // no 2:1 on 50 ohm at these resistances

    const std::string csv = sweepCsv(*study_);
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "case,frequency (MHz),R (ohm),X (ohm),SWR on 50 ohm");
    const std::string s1p = sweepTouchstone(*study_);
    EXPECT_NE(s1p.find("\n# MHz S RI R 50\n"), std::string::npos);
    // Each Touchstone line is S11 of the sweep's impedance against 50 ohm.
    const auto points = mergedSweep(*study_);
    std::istringstream lines(s1p.substr(s1p.find("# MHz")));
    std::string option;
    std::getline(lines, option);
    double f, re, im;
    std::size_t n = 0;
    while (lines >> f >> re >> im) {
        ASSERT_LT(n, points.size());
        const std::complex<double> z =
            50.0 * (1.0 + std::complex<double>(re, im)) / (1.0 - std::complex<double>(re, im));
        EXPECT_NEAR(f, points[n].hz / 1e6, 1e-8);
        EXPECT_NEAR(z.real(), points[n].z.real(), 1e-6 * std::abs(points[n].z) + 1e-6);
        EXPECT_NEAR(z.imag(), points[n].z.imag(), 1e-6 * std::abs(points[n].z) + 1e-6);
        ++n;
    }
    EXPECT_EQ(n, points.size());
}

TEST(StudyFailures, SaysWhatKeepsTheStudyFromRunning) {
    StudyOptions missing;
    missing.program = "/nonexistent/nec2c";
    auto r = runStudy(test::forty(), missing);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.problem().text(), "The simulation needs nec2c, which is not at /nonexistent/nec2c.");
    auto empty = runStudy(DesignRecord(UnitSystem::Imperial));
    ASSERT_FALSE(empty.ok());
    EXPECT_EQ(empty.problem().text(), "The design has no frequency: F is 0");
}

}  // namespace
}  // namespace yq::sim
