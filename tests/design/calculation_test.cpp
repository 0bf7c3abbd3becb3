#include "design/Calculation.h"
#include "design/DesignInputs.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace yq {
namespace {

using test::design;
using test::Inputs;

// A small Imperial design: 7.15 MHz, 2 in cylinders of ratio 6.
const Inputs kSample = {{"F", "7.15"},  {"CD", "2"},  {"LD", "6"}, {"WD", "0.04"},
                        {"SP", "0.08"}, {"CCD", "2"}, {"FAC", "2"}};

std::string text(const DesignRecord& r, const char* key) { return r.field(key)->text(); }

TEST(ReCalc, CapacitanceFactorDefaultsOnlyBelowOne) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", "2.00"}, {"0.5", "2.00"}, {"0.99", "2.00"}, {"1", "1.00"}, {"150", "150.00"}};
    for (const auto& [fac, expected] : cases) {
        DesignRecord r = design(UnitSystem::Imperial, kSample);
        *r.field("FAC") = Decimal::of(fac);
        reCalcImperial(r, false);
        EXPECT_EQ(text(r, "FAC"), expected) << "FAC=" << fac;
        // ECC is C / FAC with the factor actually used.
        DecimalField ecc({9, 2});
        ecc = r.C / r.FAC;
        EXPECT_EQ(r.ECC.text(), ecc.text()) << "FAC=" << fac;
    }
}

TEST(ReCalc, SpacingIsRaisedToTheWireDiameterBeforeTurnsPerInch) {
    DesignRecord r = design(UnitSystem::Imperial,
                            {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.03"}, {"CCD", "2"}});
    reCalcImperial(r, false);
    EXPECT_EQ(r.SP.text(), "0.0400");
    EXPECT_EQ(r.TPI.text(), "25.00");
    EXPECT_EQ(r.PCWD.text(), "0.040");
    EXPECT_EQ(r.SCWD.text(), "0.040");
}

TEST(ReCalc, RatioUsesTheEstimatedCoilLength) {
    DesignRecord r = design(UnitSystem::Imperial, kSample);
    reCalcImperial(r, false);
    // Step 9's estimate, SP x NTE, divided by the cylinder length.
    DecimalField estimate({9, 2});
    estimate = r.SP * r.NTE;
    DecimalField ratio({9, 2});
    ratio = estimate / r.CCL;
    EXPECT_EQ(r.RAT.text(), ratio.text());
    EXPECT_NE(r.CL.text(), estimate.text());
}

TEST(ReCalc, ImperialRunTwiceGivesTheSameRecord) {
    DesignRecord once = design(UnitSystem::Imperial, kSample);
    reCalcImperial(once, false);
    DesignRecord twice = once;
    reCalcImperial(twice, false);
    for (const KeyInfo& info : keyTable()) {
        EXPECT_EQ((once.*info.member).text(), (twice.*info.member).text()) << info.key;
    }
}

TEST(ReCalc, MetricSecondRunChangesOnlyTheRatio) {
    DesignRecord first = design(UnitSystem::Metric,
                                {{"F", "7.15"}, {"CD", "50.8"}, {"LD", "6"}, {"WD", "1"}, {"SP", "2"}, {"CCD", "50"}});
    reCalcMetric(first);
    EXPECT_EQ(first.RAT.text(), "0.00");  // CL was still 0
    DesignRecord second = first;
    reCalcMetric(second);
    DecimalField ratio({7, 2});
    ratio = first.CL / first.CCL;
    EXPECT_EQ(second.RAT.text(), ratio.text());
    EXPECT_NE(second.RAT.text(), "0.00");
    for (const KeyInfo& info : keyTable()) {
        if (info.key == "RAT") continue;
        EXPECT_EQ((first.*info.member).text(), (second.*info.member).text()) << info.key;
    }
}

TEST(ReCalc, UnmeasuredBandwidthKeepsTheLoadedMeasuredResistance) {
    DesignRecord r = design(UnitSystem::Imperial, kSample);
    r.MRR = Decimal::of("42.125");
    reCalcImperial(r, false);
    EXPECT_EQ(r.MRR.text(), "42.125");
    r.MBW = Decimal::of("30");
    reCalcImperial(r, false);
    EXPECT_NE(r.MRR.text(), "42.125");
}

TEST(ReCalc, ZeroFrequencyGivesZeroesWithoutFailing) {
    for (UnitSystem system : {UnitSystem::Imperial, UnitSystem::Metric}) {
        DesignRecord r = design(system, {{"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"CCD", "2"}});
        reCalc(r, system == UnitSystem::Metric);
        for (const char* key : {"NTE", "XC", "BW", "RR", "Q", "LPW", "CI", "NT", "PWL"}) {
            EXPECT_EQ(r.field(key)->mantissa(), 0) << key;
        }
    }
}

TEST(ReCalc, EmptyDesignTakesItsDefaults) {
    DesignRecord r(UnitSystem::Imperial);
    reCalcImperial(r, false);
    EXPECT_EQ(r.FAC.text(), "2.00");
    EXPECT_EQ(r.DPS.text(), "6.00");
    EXPECT_EQ(r.DBL.text(), "0.0000");  // AE = 0: log of 0 gives 0
}

TEST(ReCalcMetric, MillimetreFiguresMatchTheirInchCounterparts) {
    DesignRecord metric = design(UnitSystem::Metric, {{"F", "7.15"}, {"CD", "50.8"}, {"LD", "6"}});
    DesignRecord imperial = design(UnitSystem::Imperial, {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}});
    reCalcMetric(metric);
    reCalcImperial(imperial, false);
    EXPECT_EQ(metric.C.text(), imperial.C.text());
    EXPECT_EQ(metric.LPW.text(), "699.30");
    EXPECT_EQ(metric.UF.text(), "25.40");
}

TEST(ReCalcMetric, VarianceIsMeasuredFrom120Ohms) {
    // With a measured bandwidth, V = (MRR - 120) / 120 x 100 whatever RR is.
    DesignRecord r =
        design(UnitSystem::Metric,
               {{"F", "7.15"}, {"CD", "50.8"}, {"LD", "6"}, {"WD", "1"}, {"SP", "2"}, {"CCD", "50"}, {"MBW", "100"}});
    reCalcMetric(r);
    DecimalField v({9, 4});
    v = (r.MRR - Decimal(120)) / 120 * 100;
    EXPECT_EQ(r.V.text(), v.text());
}

TEST(Partial, EachUpdatesOnlyItsFields) {
    DesignRecord base = design(UnitSystem::Imperial, kSample);
    *base.field("CCD") = Decimal::of("3");  // coil diameter differs from the cylinder's
    reCalcImperial(base, false);

    struct Case {
        PartialRecalc which;
        std::initializer_list<const char*> changed;
    };
    const Case cases[] = {
        {PartialRecalc::CoilFromEstimatedCapacitance, {"NT", "CL", "LW"}},
        {PartialRecalc::TurnsFromInductance, {"NT", "LW"}},
    };
    for (const auto& c : cases) {
        DesignRecord r = base;
        runPartial(r, c.which);
        for (const KeyInfo& info : keyTable()) {
            bool expectChange = false;
            for (const char* key : c.changed) expectChange |= info.key == key;
            if (expectChange)
                EXPECT_NE((r.*info.member).text(), (base.*info.member).text()) << info.key;
            else
                EXPECT_EQ((r.*info.member).text(), (base.*info.member).text()) << info.key;
        }
        // The turns use the cylinder diameter; the wire length the coil diameter.
        DecimalField lw({9, 2});
        lw = r.NT * r.CCD * pi();
        EXPECT_EQ(r.LW.text(), lw.text());
    }
}

TEST(Partial, LengthToDiameterFromCylinderLength) {
    DesignRecord r = design(UnitSystem::Imperial, {{"CD", "2"}, {"CCL", "13"}});
    runPartial(r, PartialRecalc::LdFromCylinderLength);
    EXPECT_EQ(r.LD.text(), "6.50");
    DesignRecord m = design(UnitSystem::Metric, {{"CD", "50"}, {"CCL", "400"}});
    runPartial(m, PartialRecalc::LdFromCylinderLength);
    EXPECT_EQ(m.LD.text(), "8.00");
    EXPECT_EQ(partialFromName("ld-from-cylinder-length"), PartialRecalc::LdFromCylinderLength);
    EXPECT_FALSE(partialFromName("LD").has_value());
}

}  // namespace
}  // namespace yq
