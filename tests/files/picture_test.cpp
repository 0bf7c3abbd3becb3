#include "files/Picture.h"

#include <gtest/gtest.h>

namespace yq {
namespace {

TEST(NumericPicture, ParsesWidthPlacesAndSign) {
    const struct {
        const char* text;
        int width, places;
        bool minus;
    } good[] = {{"n-10.2", 10, 2, true}, {"n11.3", 11, 3, false}, {"n10", 10, 0, false},
                {"n-10", 10, 0, true},   {"N-9.4", 9, 4, true},   {"n-4.1", 4, 1, true}};
    for (const auto& g : good) {
        const auto p = parseNumericPicture(g.text);
        ASSERT_TRUE(p.has_value()) << g.text;
        EXPECT_EQ(p->width, g.width) << g.text;
        EXPECT_EQ(p->places, g.places) << g.text;
        EXPECT_EQ(p->minus, g.minus) << g.text;
    }
    for (const char* bad : {"", "s40", "d17", "n", "n-", "n-.2", "n5.5", "n10.", "nx", "n-10.2x"}) {
        EXPECT_FALSE(parseNumericPicture(bad).has_value()) << bad;
    }
}

TEST(NumericPicture, FormatsRoundedGroupedAndSigned) {
    const struct {
        const char* value;
        const char* picture;
        const char* shown;
    } cases[] = {
        {"12.50", "n-10", "13"},  // no places: half away from zero
        {"-12.50", "n-10", "-13"},
        {"540.41", "n-10", "540"},
        {"2.345", "n-7.2", "2.35"},
        {"7.15", "n-12.4", "7.1500"},
        {"26.647", "n-10.2", "26.65"},
        {"0.064", "n-9.4", "0.0640"},
        {"1587.69", "n-10.2", "1,587.69"},  // thousands grouped
        {"99999.99", "n-10.2", "99,999.99"},
        {"-99999.99", "n-10.2", "-99,999.99"},   // exactly the width
        {"1234567.89", "n-10.2", "##########"},  // wider than the picture
        {"-0.004", "n-10.2", "0.00"},            // rounds to zero: no sign
        {"0", "n-10.2", "0.00"},
        {"0", "n-10", "0"},
        {"-3.456", "n-10.2", "-3.46"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatNumeric(Decimal::of(c.value), c.picture).toStdString(), c.shown) << c.value << " " << c.picture;
    }
}

}  // namespace
}  // namespace yq
