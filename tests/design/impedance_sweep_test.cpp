// The sweep analysis on series R-L-C sweeps the test writes from known
// parts, against closed forms the test works out itself; and the tuning
// computed from a measured resonance.
#include "design/Calculation.h"
#include "design/ImpedanceSweep.h"
#include "design/Tuning.h"

#include "DesignInputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace yq {
namespace {

using cplx = std::complex<double>;
constexpr double kPi = std::numbers::pi;

struct Rlc {
    double r, l, c;
    cplx z(double hz) const {
        const double w = 2 * kPi * hz;
        return {r, w * l - 1 / (w * c)};
    }
    double resonance() const { return 1 / (2 * kPi * std::sqrt(l * c)); }
};

std::vector<ReflectionPoint> sweepOf(auto impedance, double from, double to, int points, double z0) {
    std::vector<ReflectionPoint> s;
    for (int i = 0; i < points; ++i) {
        const double hz = from + (to - from) * i / (points - 1);
        const cplx z = impedance(hz);
        s.push_back({hz, (z - z0) / (z + z0)});
    }
    return s;
}

TEST(SweepAnalysis, FindsTheSeriesResonanceAndTheTwoToOneBandwidthOfAnRlc) {
    const struct {
        Rlc part;
        double z0;
        int points;
        double span;  // sweep from f0 / span to f0 * span
    } cases[] = {
        {{40, 10e-6, 50e-12}, 50, 401, 1.15}, {{40, 10e-6, 50e-12}, 50, 61, 1.15},  // coarse: interpolation carries it
        {{60, 2e-6, 100e-12}, 75, 201, 1.3},                                        // R 75 reference
        {{30, 25e-6, 20e-12}, 50, 301, 1.08}, {{65, 1e-6, 30e-12}, 50, 151, 1.5},   // above 50 ohm at resonance
    };
    for (const auto& c : cases) {
        const double f0 = c.part.resonance();
        SCOPED_TRACE(f0);
        const auto sweep = sweepOf([&](double hz) { return c.part.z(hz); }, f0 / c.span, f0 * c.span, c.points, c.z0);
        const auto f = analyseSweep(sweep, c.z0);
        ASSERT_TRUE(f.ok()) << f.problem().text();
        ASSERT_EQ(f->resonancesHz.size(), 1u);
        EXPECT_NEAR(f->resonancesHz[0], f0, f0 * 0.0005);
        EXPECT_EQ(f->tuningPoint, TuningPoint::Resonance);
        EXPECT_DOUBLE_EQ(f->tuningHz, f->resonancesHz[0]);
        // SWR 2 where |gamma| = 1/3: 8 X^2 = (R + Z0)^2 - 9 (R - Z0)^2, and
        // w L - 1 / (w C) = +-X gives a width of X / (2 pi L).
        const double r = c.part.r, z0 = c.z0;
        const double x = std::sqrt(((r + z0) * (r + z0) - 9 * (r - z0) * (r - z0)) / 8);
        const double width = x / (2 * kPi * c.part.l);
        ASSERT_TRUE(f->swr2.has_value());
        EXPECT_FALSE(f->swr2->lowOpen || f->swr2->highOpen);
        EXPECT_NEAR(f->swr2->widthHz(), width, width * 0.01);
        // Least SWR: R / Z0 or Z0 / R at resonance, the sweep's point nearest it.
        const double best = r > z0 ? r / z0 : z0 / r;
        EXPECT_GE(f->leastSwr().swr, best - 1e-9);
        EXPECT_LT(f->leastSwr().swr, best * 1.02);
        const double best50 = r > 50 ? r / 50 : 50 / r;
        EXPECT_LT(f->leastSwr50().swr50, best50 * 1.02);
        EXPECT_NEAR(f->leastSwr().returnLossDb, -20 * std::log10((f->leastSwr().swr - 1) / (f->leastSwr().swr + 1)),
                    1e-9);
        // The impedance read back from the reflection.
        const auto& p = f->points[static_cast<std::size_t>(c.points / 3)];
        EXPECT_NEAR(std::abs(p.z - c.part.z(p.hz)), 0, 1e-6);
    }
}

TEST(SweepAnalysis, WithoutAResonanceTunesFromTheLeastSwrAndSaysSo) {
    const Rlc part{2, 20e-6, 25e-12};
    const double f0 = part.resonance();
    // Below resonance only: X stays negative.
    const auto sweep = sweepOf([&](double hz) { return part.z(hz); }, f0 * 0.6, f0 * 0.9, 101, 50);
    const auto f = analyseSweep(sweep, 50);
    ASSERT_TRUE(f.ok());
    EXPECT_TRUE(f->resonancesHz.empty());
    EXPECT_EQ(f->tuningPoint, TuningPoint::LeastSwr);
    EXPECT_DOUBLE_EQ(f->tuningHz, f->leastSwr().hz);
    EXPECT_DOUBLE_EQ(f->tuningHz, sweep.back().hz);  // nearest to the resonance above the sweep
    EXPECT_FALSE(f->swr2.has_value());               // R of 2 ohm never comes to SWR 2
}

TEST(SweepAnalysis, ListsTwoResonancesAndTunesFromTheOneNearestTheLeastSwr) {
    // Two series R-L-C branches in parallel: each branch shorts the pair at
    // its own resonance; between them the pair resonates in parallel.
    const Rlc a{0.5, 10e-6, 50e-12}, b{30, 6e-6, 30e-12};
    auto pair = [&](double hz) { return 1.0 / (1.0 / a.z(hz) + 1.0 / b.z(hz)); };
    const auto sweep = sweepOf(pair, 5e6, 13e6, 801, 50);
    const auto f = analyseSweep(sweep, 50);
    ASSERT_TRUE(f.ok());
    ASSERT_EQ(f->resonancesHz.size(), 2u);
    EXPECT_NEAR(f->resonancesHz[0], a.resonance(), a.resonance() * 0.005);
    EXPECT_NEAR(f->resonancesHz[1], b.resonance(), b.resonance() * 0.01);
    EXPECT_DOUBLE_EQ(f->tuningHz, f->resonancesHz[1]);  // 30 ohm is the better match
}

TEST(SweepAnalysis, RefusesASweepOfFewerThanTwoPoints) {
    for (const auto& sweep : {std::vector<ReflectionPoint>{}, std::vector<ReflectionPoint>{{7e6, {0.1, 0.2}}}}) {
        const auto f = analyseSweep(sweep, 50);
        ASSERT_FALSE(f.ok());
        EXPECT_NE(f.problem().text().find("no usable sweep"), std::string::npos);
    }
}

DesignRecord design40m(UnitSystem system = UnitSystem::Imperial) {
    DesignRecord d =
        system == UnitSystem::Imperial
            ? test::design(system,
                           {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}})
            : test::design(
                  system,
                  {{"F", "7.15"}, {"CD", "50.8"}, {"LD", "6"}, {"WD", "1.016"}, {"SP", "2.032"}, {"CCD", "50.8"}});
    reCalc(d, false);
    return d;
}

// Wheeler's single-layer coil, d and s in inches, uH: the test's own.
double wheeler(double d, double n, double s) { return d * d * n * n / (18 * d + 40 * n * s); }

TEST(Tuning, TurnsFromTheMeasuredResonanceGiveTheInductanceForTheDesignFrequency) {
    const struct {
        UnitSystem system;
        double ratio;  // measured / F
        std::optional<double> wound;
        std::optional<double> otherMicrohenries;  // in series besides the tuning coil
    } cases[] = {
        {UnitSystem::Imperial, 1.05, {}, {}}, {UnitSystem::Imperial, 0.93, 25.0, {}},
        {UnitSystem::Imperial, 1.6, {}, 6.5}, {UnitSystem::Metric, 1.1, {}, 3.0},
        {UnitSystem::Metric, 0.97, 30.0, {}},
    };
    for (const auto& c : cases) {
        const DesignRecord d = design40m(c.system);
        const double inches = c.system == UnitSystem::Metric ? 1 / 25.4 : 1.0;
        const double ccd = d.CCD.value().toReal() * inches, sp = d.SP.value().toReal() * inches;
        const double f = 7.15e6;
        const double tuningNow = c.wound ? wheeler(ccd, *c.wound, sp) : d.CI.value().toReal();
        const double other = c.otherMicrohenries.value_or(0);
        TuningInput in;
        in.measuredHz = f * c.ratio;
        if (c.wound) in.woundTurns = Decimal::fromReal(*c.wound);
        if (c.otherMicrohenries) in.seriesHenries = (tuningNow + other) * 1e-6;
        const auto t = computeTuning(d, false, in);
        ASSERT_TRUE(t.ok()) << t.problem().text();
        const double series = (tuningNow + other) * 1e-6;
        EXPECT_NEAR(t->effectiveFarads, 1 / std::pow(2 * kPi * f * c.ratio, 2) / series, 1e-18);
        const double wanted = (tuningNow + other) * c.ratio * c.ratio - other;
        EXPECT_NEAR(t->neededTuningHenries * 1e6, wanted, wanted * 1e-9);
        // The turns wound give the wanted inductance (to the turn's two places).
        const double n = t->turns.toReal();
        EXPECT_NEAR(wheeler(ccd, n, sp), wanted, wanted * 0.001) << n;
        EXPECT_NEAR(t->coilLength.toReal(), n * d.SP.value().toReal(), 0.006);
        EXPECT_NEAR(t->wireLength.toReal(), n * d.CCD.value().toReal() * kPi, 0.006);
        EXPECT_EQ(t->nowTurns.toReal(), c.wound.value_or(d.NT.value().toReal()));
        EXPECT_TRUE(t->trusted);
        // The fitted FAC's own ReCalc winds N turns, when the fit reaches them.
        if (t->fit.withinHalfTurn) {
            EXPECT_NEAR(t->fit.design.NT.value().toReal(), n, 0.5);
        }
    }
}

TEST(Tuning, TheCalculatorsTurnsStepIsTheTuningTurnsFormula) {
    for (UnitSystem system : {UnitSystem::Imperial, UnitSystem::Metric}) {
        const DesignRecord d = design40m(system);
        EXPECT_EQ(tuningCoilTurns(d, d.CI.value()).rounded(2).toFixed(2), d.NT.value().toFixed(2));
    }
}

TEST(Tuning, SaysWhenOneStepCannotBeTrustedAndRefusesTheImpossible) {
    const DesignRecord d = design40m();
    TuningInput far;
    far.measuredHz = 7.15e6 * 2.5;
    const auto t = computeTuning(d, false, far);
    ASSERT_TRUE(t.ok());
    EXPECT_FALSE(t->trusted);
    EXPECT_NE(t->notes.front().find("cannot be trusted"), std::string::npos);

    TuningInput crowded;  // the other coils alone more than F needs
    crowded.measuredHz = 7.15e6 * 0.5;
    crowded.seriesHenries = d.CI.value().toReal() * 1e-6 + 100e-6;
    const auto none = computeTuning(d, false, crowded);
    ASSERT_FALSE(none.ok());
    EXPECT_NE(none.problem().text().find("already hold more inductance"), std::string::npos);

    TuningInput zero;
    EXPECT_FALSE(computeTuning(d, false, zero).ok());

    DesignRecord noCoil = d;  // a hand-edited file without the coil's diameter
    noCoil.CCD = Decimal(0);
    reCalc(noCoil, false);
    const auto without = computeTuning(noCoil, false, far);
    ASSERT_FALSE(without.ok());
    EXPECT_NE(without.problem().text().find("no tuning-coil diameter"), std::string::npos);
}

}  // namespace
}  // namespace yq
