// The wire gauge tables against their published diameters, and the nearest
// gauge to a wire in either unit system.
#include "design/WireGauges.h"

#include <gtest/gtest.h>

#include <cstring>

namespace yq {
namespace {

TEST(WireGauges, TablesMatchPublishedDiameters) {
    struct Row {
        const char* gauge;
        const char* inches;
        const char* mm;
    };
    auto find = [](std::span<const WireGauge> table, const char* name) -> const WireGauge* {
        for (const WireGauge& g : table)
            if (std::string_view(g.name) == name) return &g;
        return nullptr;
    };
    const Row awg[] = {{"4/0", "0.4600", "11.684"}, {"10", "0.1019", "2.588"}, {"14", "0.0641", "1.628"},
                       {"18", "0.0403", "1.024"},   {"22", "0.0253", "0.644"}, {"30", "0.0100", "0.255"},
                       {"40", "0.0031", "0.080"}};
    for (const Row& r : awg) {
        const WireGauge* g = find(awgGauges(), r.gauge);
        ASSERT_NE(g, nullptr) << r.gauge;
        EXPECT_EQ(g->inches, Decimal::of(r.inches)) << "AWG " << r.gauge;
        EXPECT_EQ(g->millimetres, Decimal::of(r.mm)) << "AWG " << r.gauge;
    }
    EXPECT_EQ(awgGauges().size(), 44u);  // 4/0 to 40
    const Row swg[] = {{"7/0", "0.500", "12.700"}, {"10", "0.128", "3.251"}, {"14", "0.080", "2.032"},
                       {"19", "0.040", "1.016"},   {"22", "0.028", "0.711"}, {"30", "0.0124", "0.315"},
                       {"40", "0.0048", "0.122"},  {"50", "0.0010", "0.025"}};
    for (const Row& r : swg) {
        const WireGauge* g = find(swgGauges(), r.gauge);
        ASSERT_NE(g, nullptr) << r.gauge;
        EXPECT_EQ(g->inches, Decimal::of(r.inches)) << "SWG " << r.gauge;
        EXPECT_EQ(g->millimetres, Decimal::of(r.mm)) << "SWG " << r.gauge;
    }
    EXPECT_EQ(swgGauges().size(), 57u);  // 7/0 to 50
    // Both tables run from thick to thin.
    for (auto table : {awgGauges(), swgGauges()})
        for (std::size_t i = 1; i < table.size(); ++i) EXPECT_LT(table[i].inches, table[i - 1].inches) << table[i].name;
}

TEST(WireGauges, NearestGaugeAndDifference) {
    struct Case {
        const char* diameter;
        UnitSystem unit;
        const char* awg;
        const char* awgDifference;
        const char* swg;
        const char* swgDifference;
    };
    const Case cases[] = {
        {"0.04", UnitSystem::Imperial, "18", "0.0003", "19", "0"},
        {"0.064", UnitSystem::Imperial, "14", "0.0001", "16", "0"},
        {"1", UnitSystem::Metric, "18", "0.024", "19", "0.016"},
        {"2", UnitSystem::Metric, "12", "0.053", "14", "0.032"},     // AWG 12 2.053 mm, SWG 14 2.032 mm
        {"2", UnitSystem::Imperial, "4/0", "-1.54", "7/0", "-1.5"},  // thicker than any gauge
        {"0.0001", UnitSystem::Imperial, "40", "0.003", "50", "0.0009"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.diameter);
        const Decimal d = Decimal::of(c.diameter);
        const GaugeMatch awg = nearestGauge(awgGauges(), d, c.unit);
        const GaugeMatch swg = nearestGauge(swgGauges(), d, c.unit);
        ASSERT_NE(awg.gauge, nullptr);
        ASSERT_NE(swg.gauge, nullptr);
        EXPECT_STREQ(awg.gauge->name, c.awg);
        EXPECT_STREQ(swg.gauge->name, c.swg);
        EXPECT_EQ(awg.difference, Decimal::of(c.awgDifference));
        EXPECT_EQ(swg.difference, Decimal::of(c.swgDifference));
        EXPECT_EQ(awg.diameter - d, awg.difference);
    }
    EXPECT_EQ(nearestGauge(awgGauges(), Decimal(0), UnitSystem::Imperial).gauge, nullptr);
    EXPECT_EQ(nearestGauge(swgGauges(), Decimal::of("-1"), UnitSystem::Metric).gauge, nullptr);
}

}  // namespace
}  // namespace yq
