#include "design/Decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace yq {
namespace {

Decimal d(const char* text) { return Decimal::of(text); }

struct RoundCase {
    const char* value;
    int places;
    const char* expected;
};

TEST(DecimalRounding, HalfAwayFromZero) {
    const RoundCase cases[] = {
        {"2.345", 2, "2.35"},   {"-2.345", 2, "-2.35"}, {"2.3449", 2, "2.34"},
        {"0.005", 2, "0.01"},   {"-0.005", 2, "-0.01"}, {"0.0049", 2, "0.00"},
        {"7.15", 4, "7.1500"},  {"12.5", 0, "13"},      {"-12.5", 0, "-13"},
        {"14.285714", 2, "14.29"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(d(c.value).toFixed(c.places), c.expected) << c.value << " to " << c.places;
    }
}

TEST(DecimalArithmetic, SumsDifferencesAndProductsAreExact) {
    EXPECT_EQ((d("0.1") + d("0.2")).toString(), "0.3");
    EXPECT_EQ((d("1.0000001") - d("1")).toString(), "0.0000001");
    EXPECT_EQ((d("0.546") * d("6.5") + d("2.06")).toString(), "5.6090");
    EXPECT_EQ(d("1.5").pow(3).toString(), "3.375");
    EXPECT_EQ(d("-0.5").pow(2).toString(), "0.25");
    EXPECT_EQ(d("7").pow(0).toString(), "1");
}

TEST(DecimalArithmetic, QuotientsCarry31PlacesRoundedHalfAwayFromZero) {
    EXPECT_EQ((d("1") / d("3")).toString(), "0." + std::string(31, '3'));
    EXPECT_EQ((d("2") / d("3")).toString(), "0." + std::string(30, '6') + "7");
    EXPECT_EQ((d("-2") / d("3")).toString(), "-0." + std::string(30, '6') + "7");
    EXPECT_EQ((d("2") / d("-3")).toString(), "-0." + std::string(30, '6') + "7");
    // Exactly half a unit of the 31st place rounds away from zero.
    EXPECT_EQ((d("1") / d("20000000000000000000000000000000")).toString(), "0." + std::string(30, '0') + "1");
    EXPECT_EQ((d("-1") / d("20000000000000000000000000000000")).toString(), "-0." + std::string(30, '0') + "1");
    // Operands with more places than the quotient keeps.
    EXPECT_EQ((d("0.00000000000000000000000000000000006") / d("0.00000000000000000000000000000000002")).toFixed(2), "3.00");
    // The quotient is rounded at the 31st place before any later store.
    EXPECT_EQ((d("1") / d("3") * 3).toString(), "0." + std::string(31, '9'));
}

TEST(DecimalArithmetic, QuotientByZeroOrOfZeroIsZero) {
    EXPECT_TRUE((d("5") / d("0")).isZero());
    EXPECT_TRUE((d("-5") / d("0.00")).isZero());
    EXPECT_TRUE((d("0") / d("7")).isZero());
}

TEST(DecimalField, StoreRoundsToItsPlaces) {
    DecimalField tpi({7, 2});
    tpi = d("1") / d("0.05");
    EXPECT_EQ(tpi.text(), "20.00");
    tpi = d("1") / d("0.07");
    EXPECT_EQ(tpi.text(), "14.29");
    DecimalField wd({7, 4});
    wd = d("-0.03");
    EXPECT_EQ(wd.text(), "-0.0300");
    DecimalField pcwd({7, 3});
    pcwd = d("0.0325");
    EXPECT_EQ(pcwd.text(), "0.033");
}

TEST(DecimalField, OverflowIsLimitedToTheLargestValueWithItsSign) {
    struct Case {
        Storage storage;
        const char* value;
        const char* expected;
    };
    const Case cases[] = {
        {{9, 2}, "12345678.9", "9999999.99"},
        {{9, 2}, "-12345678.9", "-9999999.99"},
        {{9, 4}, "312320.709", "99999.9999"},
        {{7, 2}, "99999.995", "99999.99"},  // rounds up past the limit
        {{7, 2}, "99999.994", "99999.99"},
    };
    for (const auto& c : cases) {
        DecimalField f(c.storage);
        const auto value = Decimal::parse(c.value);
        if (value) f = *value;
        EXPECT_EQ(f.text(), c.expected) << c.value;
    }
}

TEST(DecimalField, StoredZeroIsNeverNegative) {
    DecimalField f({9, 2});
    f = d("-0.004");
    EXPECT_EQ(f.text(), "0.00");
    EXPECT_EQ(f.mantissa(), 0);
    f = d("0") - d("0.001");
    EXPECT_EQ(f.text(), "0.00");
}

TEST(DecimalReal, ConversionToDoubleIsCorrectlyRounded) {
    const char* texts[] = {"0.1", "7.15", "-2.345", "3.1415926535898",
                           "0.3333333333333333333333333333333", "123456789.1234567890123456789",
                           "0.0000000000000000000000000000001"};
    for (const char* text : texts) {
        EXPECT_EQ(d(text).toReal(), std::strtod(text, nullptr)) << text;
    }
}

TEST(DecimalReal, BackFromDoubleThroughFifteenSignificantDigits) {
    EXPECT_EQ(Decimal::fromReal(1.0 / 3.0).toString(), "0.333333333333333");
    EXPECT_EQ(Decimal::fromReal(2.0 / 3.0).toString(), "0.666666666666667");
    EXPECT_EQ(Decimal::fromReal(-123456.789012345678).toString(), "-123456.789012346");
    EXPECT_EQ(Decimal::fromReal(1.5e20).toString(), "150000000000000000000");
    EXPECT_EQ(Decimal::fromReal(0.0).toString(), "0");
    EXPECT_TRUE(Decimal::fromReal(std::numeric_limits<double>::infinity()).isZero());
    EXPECT_TRUE(Decimal::fromReal(std::numeric_limits<double>::quiet_NaN()).isZero());
    // 15 significant digits first, then the store's rounding: 0.004999999999999999
    // comes back as 0.005 and is stored as 0.01.
    DecimalField f({9, 2});
    f = Decimal::fromReal(0.004999999999999999);
    EXPECT_EQ(f.text(), "0.01");
}

TEST(DecimalReal, OutOfRangeStepsGiveZero) {
    EXPECT_EQ(realLog10(0.0), 0.0);
    EXPECT_EQ(realLog10(-10.0), 0.0);
    EXPECT_EQ(realLog10(100.0), 2.0);
    EXPECT_EQ(realSqrt(-4.0), 0.0);
    EXPECT_EQ(realSqrt(16.0), 4.0);
    EXPECT_EQ(realDiv(1.0, 0.0), 0.0);
    EXPECT_EQ(realDiv(1.0, 1e-320), 0.0);  // overflows to infinity
    EXPECT_EQ(realDiv(6.0, 3.0), 2.0);
}

TEST(DecimalParse, AcceptsOnlyPlainDecimalText) {
    EXPECT_EQ(Decimal::parse("-12.50")->toString(), "-12.50");
    EXPECT_EQ(Decimal::parse(".5")->toString(), "0.5");
    EXPECT_EQ(Decimal::parse("7.")->toString(), "7");
    for (const char* bad : {"", "-", ".", "1e3", "1,5", "abc", "7.15abc", "1.2.3", " 7"}) {
        EXPECT_FALSE(Decimal::parse(bad).has_value()) << bad;
    }
}

}  // namespace
}  // namespace yq
