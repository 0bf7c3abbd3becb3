#include "design/AmateurBands.h"
#include "design/DesignInputs.h"
#include "design/Calculation.h"
#include "design/DesignTools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

namespace yq {
namespace {

using test::design;
using test::Inputs;

const Inputs kImperial = {{"F", "7.15"},  {"CD", "2"},  {"LD", "6"},  {"WD", "0.04"},
                          {"SP", "0.08"}, {"CCD", "2"}, {"MBW", "35"}};
// Larger cylinders on 80 m, a source coil of its own.
const Inputs kImperialBig = {{"F", "3.6"},   {"CD", "4.5"},   {"LD", "7.25"}, {"WD", "0.0641"},
                             {"SP", "0.09"}, {"CCD", "3.25"}, {"SCD", "2.5"}, {"DPS", "9"}};
const Inputs kMetric = {{"F", "14.2"},  {"CD", "50.8"}, {"LD", "6"},   {"WD", "1.02"},
                        {"SP", "2.03"}, {"CCD", "45"},  {"PCCD", "40"}};

struct Best {
    long long hundredths = -1;
    Decimal turns;
};

// The plain search, one ReCalc per value, written out here without the
// tools' shortcut: nearest turns, the first (smallest) value on a tie.
Best bruteForce(const DesignRecord& start, const char* valueKey, const char* turnsKey, long long first, long long last,
                const Decimal& wanted) {
    Best best;
    Decimal bestDistance;
    for (long long n = first; n <= last; ++n) {
        DesignRecord r = start;
        *r.field(valueKey) = Decimal::scaled(n, 2);
        reCalc(r, false);
        const Decimal turns = r.field(turnsKey)->value();
        Decimal distance = turns - wanted;
        if (distance < Decimal(0)) distance = -distance;
        if (best.hundredths < 0 || distance < bestDistance) {
            best = {n, turns};
            bestDistance = distance;
        }
    }
    return best;
}

Decimal turnsAt(DesignRecord r, const char* valueKey, const char* turnsKey, const char* value) {
    *r.field(valueKey) = Decimal::of(value);
    reCalc(r, false);
    return r.field(turnsKey)->value();
}

TEST(Fit, MatchesTheExhaustiveLoopForEveryKindOfTarget) {
    struct Case {
        const char* name;
        DesignRecord start;
        FitField field;
        const char* wanted;
    };
    const DesignRecord imperial = design(UnitSystem::Imperial, kImperial);
    const DesignRecord big = design(UnitSystem::Imperial, kImperialBig);
    const DesignRecord metric = design(UnitSystem::Metric, kMetric);
    const Case cases[] = {
        {"imperial FAC, turns the default gives", imperial, FitField::Fac, nullptr},  // filled in below from FAC 2
        {"imperial FAC, a count between two", imperial, FitField::Fac, "31.337"},
        {"80 m FAC", big, FitField::Fac, "20"},
        {"metric FAC", metric, FitField::Fac, "11.5"},
        {"imperial DPS", big, FitField::Dps, "3"},
        {"metric DPS", metric, FitField::Dps, "1.25"},
    };
    for (const Case& c : cases) {
        const char* valueKey = c.field == FitField::Fac ? "FAC" : "DPS";
        const char* turnsKey = c.field == FitField::Fac ? "NT" : "SCT";
        const Decimal wanted = c.wanted ? Decimal::of(c.wanted) : turnsAt(c.start, valueKey, turnsKey, "2");
        const Best expected = c.field == FitField::Fac ? bruteForce(c.start, valueKey, turnsKey, 100, 9999, wanted)
                                                       : bruteForce(c.start, valueKey, turnsKey, 1, 9000, wanted);
        const FitOutcome got = fitDesign(c.start, false, c.field, wanted);
        EXPECT_EQ(got.value, Decimal::scaled(expected.hundredths, 2)) << c.name;
        EXPECT_EQ(got.turns, expected.turns) << c.name;
        EXPECT_EQ(got.design.field(turnsKey)->value(), expected.turns) << c.name;
        EXPECT_EQ(got.design.field(valueKey)->value(), got.value) << c.name;
        EXPECT_TRUE(got.withinHalfTurn) << c.name;
    }
}

TEST(Fit, TiesGoToTheSmallerValue) {
    const DesignRecord start = design(UnitSystem::Imperial, kImperial);
    // Many factors give the turns of FAC 2; the first of them wins.
    const Decimal plateau = turnsAt(start, "FAC", "NT", "2");
    const FitOutcome same = fitDesign(start, false, FitField::Fac, plateau);
    EXPECT_EQ(same.turns, plateau);
    EXPECT_LE(same.value, Decimal(2));
    EXPECT_NE(turnsAt(start, "FAC", "NT", (same.value - Decimal::of("0.01")).toString().c_str()), plateau);

    // Halfway between the turns of two neighbouring factors: both are as
    // near, the smaller factor (the fewer turns) wins.
    Decimal lower = turnsAt(start, "FAC", "NT", "3.00");
    Decimal upper = lower;
    long long n = 301;
    for (; upper == lower; ++n) upper = turnsAt(start, "FAC", "NT", Decimal::scaled(n, 2).toString().c_str());
    ASSERT_LT(lower, upper);
    const Decimal halfway = (lower + upper) / Decimal(2);
    const FitOutcome tie = fitDesign(start, false, FitField::Fac, halfway);
    EXPECT_EQ(tie.turns, lower);
    EXPECT_LT(tie.value, Decimal::scaled(n - 1, 2));
}

TEST(Fit, NoValueWithinHalfATurnStillGivesTheNearest) {
    const DesignRecord start = design(UnitSystem::Imperial, kImperial);
    const FitOutcome far = fitDesign(start, false, FitField::Fac, Decimal(500));
    EXPECT_FALSE(far.withinHalfTurn);
    const Best expected = bruteForce(start, "FAC", "NT", 100, 9999, Decimal(500));
    EXPECT_EQ(far.value, Decimal::scaled(expected.hundredths, 2));
    EXPECT_EQ(far.turns, expected.turns);
    EXPECT_LT(far.turns, Decimal(400));

    // Just inside half a turn counts as within.
    const Decimal top = far.turns;
    EXPECT_TRUE(fitDesign(start, false, FitField::Fac, top + Decimal::of("0.5")).withinHalfTurn);
    EXPECT_FALSE(fitDesign(start, false, FitField::Fac, top + Decimal::of("0.51")).withinHalfTurn);
}

TEST(Fit, ReportsTheFieldsTheFittedValueChanges) {
    const DesignRecord start = design(UnitSystem::Imperial, kImperial);
    const FitOutcome fit = fitDesign(start, false, FitField::Fac, turnsAt(start, "FAC", "NT", "4.5"));
    auto has = [&](const char* key) {
        return std::find(fit.changed.begin(), fit.changed.end(), std::string_view(key)) != fit.changed.end();
    };
    for (const char* key : {"FAC", "ECC", "CI", "NT", "CL", "LW", "SCI", "SCT"}) EXPECT_TRUE(has(key)) << key;
    for (const char* key : {"F", "CD", "LD", "C", "XC", "BW", "RR", "EWC", "DPS", "LPW"}) EXPECT_FALSE(has(key)) << key;
}

TEST(Sweep, PointsRunFromStartTowardsEndWithinTheLimit) {
    struct Case {
        const char* text;
        int points;  // 0: refused
        const char* reason;
    } const cases[] = {
        {"F=7:7.3:0.1", 4, ""},
        {"F=7.3:7:-0.1", 4, ""},
        {"F=7:7.35:0.1", 4, ""},  // the end is not passed
        {"cd=2:2:0.5", 1, ""},
        {"F=1:10000:1", 10000, ""},
        {"F=1:10001:1", 0, "10001 points"},
        {"F=7:7.3:0", 0, "step '0' is 0"},
        {"F=7:7.3:-0.1", 0, "runs away"},
        {"CD=2:3:0.001", 0, "'0.001' has more places than CD holds (2)"},
        {"NT=1:2:1", 0, "'NT' is not an input"},
        {"F=7:x:1", 0, "'x' in 'F=7:x:1'"},
        {"F=7:8", 0, "expected KEY=FROM:TO:STEP"},
        {"F=1:100000000:1", 0, "does not fit the field F"},
    };
    for (const Case& c : cases) {
        const auto range = parseSweepRange(c.text, UnitSystem::Imperial);
        if (c.points == 0) {
            ASSERT_FALSE(range) << c.text;
            const std::string error = range.problem().text();
            EXPECT_NE(error.find(c.reason), std::string::npos) << c.text << ": " << error;
        } else {
            ASSERT_TRUE(range) << c.text << ": " << range.problem().text();
            EXPECT_EQ(range->points, c.points) << c.text;
        }
    }
    // Metric wire diameters hold four places too, the ratio two.
    EXPECT_TRUE(parseSweepRange("WD=1:1.5:0.0001", UnitSystem::Metric));
    EXPECT_FALSE(parseSweepRange("LD=5:6:0.001", UnitSystem::Metric));
}

TEST(Sweep, EachPointIsTheDesignRecalculatedWithThatInput) {
    const DesignRecord start = design(UnitSystem::Imperial, kImperial);
    const auto range = parseSweepRange("F=7.3:7:-0.15", UnitSystem::Imperial);
    ASSERT_TRUE(range) << range.problem().text();
    const auto points = runSweep(start, false, *range);
    ASSERT_EQ(points.size(), 3u);
    const char* expected[] = {"7.3000", "7.1500", "7.0000"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(points[i].F.text(), expected[i]);
        DesignRecord single = start;
        single.F = Decimal::of(expected[i]);
        reCalc(single, false);
        for (const KeyInfo& info : keyTable())
            EXPECT_EQ((points[i].*info.member).text(), (single.*info.member).text()) << info.key;
    }
    // 7.15 MHz is the design itself.
    DesignRecord itself = start;
    reCalc(itself, false);
    EXPECT_EQ(points[1].NT.text(), itself.NT.text());

    const std::string csv = sweepCsv(points);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "F,RFR,AF,RR,MRR,CD,LD,C,XC,BW,Q,TL,MBW,V,WD,SP,TPI,EWC,ECC,CI,NT,CL,LW,CCL,CCD,PWL,LPW,PCCD,PCNT,"
              "PCWD,RAT,FAC,AE,DBL,SCT,SCL,SCI,SCD,SCWL,SCWD,XSC,DPS,WR,UF,NTE");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4);
    EXPECT_NE(csv.find("\r\n7.3000,0.00,0.00,"), std::string::npos);
}

std::string inputsOf(const DesignRecord& r) {
    std::string out;
    for (const char* key : {"F", "CD", "LD", "WD", "SP", "CCD", "PCCD", "SCD", "MBW", "FAC", "DPS", "RFR", "AF"})
        out += std::string(key) + "=" + r.field(key)->text() + " ";
    return out;
}

// The suggested sweep ranges: the band of F, the rules of MBW and FAC, 20 %
// either side of anything else, in the key's places.
TEST(Sweep, SuggestedRangesFollowTheRulesOfEachInput) {
    DesignRecord r(UnitSystem::Imperial);
    *r.field("F") = Decimal::of("7.15");
    *r.field("FAC") = Decimal::of("1.5");
    *r.field("CD") = Decimal::of("2");
    const struct {
        const char* key;
        const char* from;
        const char* to;
        const char* step;
    } cases[] = {
        {"F", "7.0000", "7.3000", "0.0020"},  // the 40 m band
        {"MBW", "10.00", "100.00", "0.60"},   // 0: a bandwidth's usual span
        {"FAC", "1.00", "4.00", "0.02"},      // from 1 to at least 4
        {"CD", "1.60", "2.40", "0.01"},       // 20 % either side, one hundredth at least
        {"SCD", "0.00", "1.00", "0.01"},      // 0 and no rule of its own
    };
    for (const auto& c : cases) {
        const SuggestedRange range = suggestedSweepRange(r, c.key);
        EXPECT_EQ(range.from.toFixed(range.places), c.from) << c.key;
        EXPECT_EQ(range.to.toFixed(range.places), c.to) << c.key;
        EXPECT_EQ(range.step.toFixed(range.places), c.step) << c.key;
    }
}

TEST(Convert, ImperialToMetricAndBackReturnsTheInputs) {
    const Inputs designs[] = {
        kImperial,
        kImperialBig,
        {{"F", "0.475"},
         {"CD", "0.75"},
         {"LD", "8"},
         {"WD", "0.0253"},
         {"SP", "0.0253"},
         {"CCD", "0.63"},
         {"PCCD", "0.57"},
         {"SCD", "0.49"},
         {"MBW", "12"},
         {"FAC", "3.17"},
         {"DPS", "7.5"},
         {"RFR", "1.5"}},
        {{"F", "28.5"},
         {"CD", "1.01"},
         {"LD", "5.55"},
         {"WD", "0.0001"},
         {"SP", "0.0999"},
         {"CCD", "0.99"},
         {"PCCD", "99999.99"},
         {"SCD", "99999.99"},
         {"FAC", "99.99"},
         {"DPS", "0.01"}},
    };
    for (const Inputs& inputs : designs) {
        DesignRecord imperial = design(UnitSystem::Imperial, inputs);
        reCalc(imperial, false);  // its defaults, as the window shows it
        const Result<DesignRecord> metric = convertDesign(imperial, UnitSystem::Metric);
        ASSERT_TRUE(metric) << metric.problem().text();
        EXPECT_EQ(metric->unitSystem(), UnitSystem::Metric);
        EXPECT_EQ(metric->CD.text(), (imperial.CD.value() * Decimal::of("25.4")).toFixed(2));
        const Result<DesignRecord> back = convertDesign(*metric, UnitSystem::Imperial);
        ASSERT_TRUE(back) << back.problem().text();
        EXPECT_EQ(inputsOf(*back), inputsOf(imperial));
        for (const KeyInfo& info : designFileKeys())
            EXPECT_EQ(((*back).*info.member).text(), (imperial.*info.member).text()) << info.key;
    }
}

TEST(Convert, MillimetresThatNoHundredthOfAnInchHoldsDoNotComeBack) {
    // The inch fields hold hundredths (0.254 mm), so a Metric diameter of
    // 54.11 mm becomes 2.13 in and comes back as 54.10 mm; the wire fields
    // hold four places in both and round trip.
    DesignRecord metric =
        design(UnitSystem::Metric,
               {{"F", "7.1"}, {"CD", "54.11"}, {"LD", "6"}, {"WD", "1.0236"}, {"SP", "2.0001"}, {"CCD", "50.8"}});
    reCalc(metric, false);
    const Result<DesignRecord> imperial = convertDesign(metric, UnitSystem::Imperial);
    ASSERT_TRUE(imperial);
    EXPECT_EQ(imperial->CD.text(), "2.13");
    const Result<DesignRecord> back = convertDesign(*imperial, UnitSystem::Metric);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->CD.text(), "54.10");
    EXPECT_EQ(back->CCD.text(), "50.80");
    EXPECT_EQ(back->WD.text(), "1.0236");
    // 2.0001 mm is 0.0787 in; four places of an inch step by 0.00254 mm.
    EXPECT_EQ(back->SP.text(), "1.9990");
}

TEST(Convert, GivesTheMetricWindowsOwnCalculationOfTheSameAntenna) {
    DesignRecord imperial =
        design(UnitSystem::Imperial,
               {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.05"}, {"SP", "0.1"}, {"CCD", "2.5"}, {"MBW", "35"}});
    reCalc(imperial, false);
    const Result<DesignRecord> converted = convertDesign(imperial, UnitSystem::Metric);
    ASSERT_TRUE(converted);
    // Typed into a Metric window: 50.8, 1.27, 2.54, 63.5 mm; ReCalc twice so
    // that the ratio has a coil length to work with.
    DesignRecord typed = design(
        UnitSystem::Metric,
        {{"F", "7.15"}, {"CD", "50.8"}, {"LD", "6"}, {"WD", "1.27"}, {"SP", "2.54"}, {"CCD", "63.5"}, {"MBW", "35"}});
    reCalc(typed, false);
    reCalc(typed, false);
    for (const KeyInfo& info : keyTable())
        EXPECT_EQ(((*converted).*info.member).text(), (typed.*info.member).text()) << info.key;
    // The Imperial record's cylinder capacitance is the Metric one.
    EXPECT_EQ(converted->C.text(), imperial.C.text());
}

TEST(Convert, RefusesALengthTheOtherFieldCannotHold) {
    DesignRecord imperial = design(UnitSystem::Imperial, {{"F", "7"}, {"CD", "9999999.99"}, {"LD", "6"}});
    const Result<DesignRecord> out = convertDesign(imperial, UnitSystem::Metric);
    ASSERT_FALSE(out);
    EXPECT_NE(out.problem().text().find("CD = 9999999.99 in"), std::string::npos) << out.problem().text();
}

TEST(AmateurBands, OneTableOfEdges) {
    ASSERT_NE(bandAt(7.15), nullptr);
    EXPECT_EQ(bandAt(7.15)->name, "40 m");
    EXPECT_EQ(bandAt(7.3)->name, "40 m");
    EXPECT_EQ(bandAt(0.475)->name, "630 m");
    EXPECT_EQ(bandAt(7.31), nullptr);
    const auto bands = amateurBands();
    for (std::size_t i = 0; i < bands.size(); ++i) {
        EXPECT_LT(bands[i].lowMHz, bands[i].highMHz) << bands[i].name;
        if (i > 0) {
            EXPECT_LT(bands[i - 1].highMHz, bands[i].lowMHz) << bands[i].name;
        }
    }
}

}  // namespace
}  // namespace yq
