#include "design/Decimal.h"

#include "design/BigInt.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

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
        {"2.345", 2, "2.35"},   {"-2.345", 2, "-2.35"},    {"2.3449", 2, "2.34"}, {"0.005", 2, "0.01"},
        {"-0.005", 2, "-0.01"}, {"0.0049", 2, "0.00"},     {"7.15", 4, "7.1500"}, {"12.5", 0, "13"},
        {"-12.5", 0, "-13"},    {"14.285714", 2, "14.29"},
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
    EXPECT_EQ((d("0.00000000000000000000000000000000006") / d("0.00000000000000000000000000000000002")).toFixed(2),
              "3.00");
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
        {{9, 2}, "12345678.9", "9999999.99"}, {{9, 2}, "-12345678.9", "-9999999.99"},
        {{9, 4}, "312320.709", "99999.9999"}, {{7, 2}, "99999.995", "99999.99"},  // rounds up past the limit
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
    const char* texts[] = {"0.1",
                           "7.15",
                           "-2.345",
                           "3.1415926535898",
                           "0.3333333333333333333333333333333",
                           "123456789.1234567890123456789",
                           "0.0000000000000000000000000000001"};
    for (const char* text : texts) {
        EXPECT_EQ(d(text).toReal(), std::strtod(text, nullptr)) << text;
    }
}

// Values at or next to a midpoint between two doubles, where a quick
// extended-precision quotient cannot decide the rounding.
TEST(DecimalReal, ConversionNearHalfwayBetweenDoublesIsCorrectlyRounded) {
    const char* texts[] = {"9007199254740993",
                           "9007199254740993.0000000000000000000001",
                           "9007199254740992.9999999999999999999999",
                           "-9007199254740993.5",
                           "1.00000000000000011102230246251565404236316680908203125",
                           "1.0000000000000001110223024625156540423",
                           "0.99999999999999994448884876874217297882",
                           "0.000000000000000000000000000000000000000000000000000123456789012345678901"};
    for (const char* text : texts) {
        EXPECT_EQ(d(text).toReal(), std::strtod(text, nullptr)) << text;
    }
}

// The mantissa and scale that the 15 significant digits of printf's
// correctly rounded "%.14e" give.
void expectFifteenDigitsOf(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", value);
    const char* p = text;
    const bool negative = *p == '-';
    if (negative) ++p;
    std::string digits;
    for (; *p && *p != 'e'; ++p) {
        if (*p != '.') digits += *p;
    }
    const int exponent = std::atoi(p + 1);
    const Decimal got = Decimal::fromReal(value);
    if (digits.find_first_not_of('0') == std::string::npos) {
        ASSERT_TRUE(got.isZero() && got.scale() == 0) << text;
        return;
    }
    BigInt want(digits);
    int scale = 14 - exponent;
    if (scale < 0) {
        want *= powerOfTen(-scale);
        scale = 0;
    }
    if (negative) want = -want;
    ASSERT_TRUE(got.mantissa() == want && got.scale() == scale)
        << text << ": got " << got.mantissa().str() << " at scale " << got.scale();
}

TEST(DecimalReal, FifteenDigitsOfDoublesAsPrintfRoundsThem) {
    // Powers of two (exact in binary: some have a 16th digit of exactly 5,
    // a tie), round decimals, and values spread over every magnitude.
    for (int n = -70; n <= 70; ++n) expectFifteenDigitsOf(std::ldexp(1.0, n));
    for (double v : {0.0, -0.0, 7.15, 0.1, 1e14, 1e-13, 999999999999999.5, 9.999999999999995, 123456789012345.6,
                     0.000000000000099999999999999})
        expectFifteenDigitsOf(v);
    std::mt19937_64 rng(20240612);
    std::uniform_real_distribution<double> exponent(-20.0, 20.0);
    for (int i = 0; i < 200000; ++i) {
        const double v = std::pow(10.0, exponent(rng)) * (rng() % 2 ? 1 : -1);
        expectFifteenDigitsOf(v);
        // Just beside it, where the 15th digit may round either way.
        expectFifteenDigitsOf(std::nextafter(v, 0.0));
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

// ---------------------------------------------------------------------------
// The inline 128-bit form against plain big-integer arithmetic: the same
// operations written directly on big mantissas, on random operands around
// the edge of 128 bits and beyond, must give the same mantissa and scale.

struct Exact {
    BigInt m;
    int scale;
};

Exact exactOf(const Decimal& d) { return {d.mantissa(), d.scale()}; }

BigInt alignedTo(const Exact& x, int scale) { return BigInt(x.m * powerOfTen(scale - x.scale)); }

BigInt roundedQuotient(const BigInt& n, const BigInt& d) {
    BigInt q = boost::multiprecision::abs(n) / boost::multiprecision::abs(d);
    const BigInt r = boost::multiprecision::abs(n) % boost::multiprecision::abs(d);
    if (BigInt(r * 2) >= boost::multiprecision::abs(d)) q += 1;
    return (n.sign() < 0) != (d.sign() < 0) ? BigInt(-q) : q;
}

Exact exactSum(const Exact& a, const Exact& b, int sign) {
    const int s = std::max(a.scale, b.scale);
    return {sign > 0 ? BigInt(alignedTo(a, s) + alignedTo(b, s)) : BigInt(alignedTo(a, s) - alignedTo(b, s)), s};
}

Exact exactQuotient(const Exact& a, const Exact& b) {
    if (a.m.is_zero() || b.m.is_zero()) return {BigInt(0), 0};
    // a / b * 10^31 = a.m * 10^(31 + b.scale - a.scale) / b.m
    const int e = kQuotientPlaces + b.scale - a.scale;
    if (e >= 0) return {roundedQuotient(BigInt(a.m * powerOfTen(e)), b.m), kQuotientPlaces};
    return {roundedQuotient(a.m, BigInt(b.m * powerOfTen(-e))), kQuotientPlaces};
}

Exact exactRounded(const Exact& a, int places) {
    if (places >= a.scale) return a;
    return {roundedQuotient(a.m, powerOfTen(a.scale - places)), places};
}

class RandomOperands {
public:
    Decimal next() {
        // Mostly the sizes of real designs, often right at the 128-bit edge
        // (38 to 40 digits), sometimes far beyond.
        const int pick = static_cast<int>(rng_() % 10);
        const int digits = pick < 5   ? 1 + static_cast<int>(rng_() % 20)
                           : pick < 8 ? 36 + static_cast<int>(rng_() % 5)
                                      : 1 + static_cast<int>(rng_() % 90);
        std::string text = rng_() % 2 ? "-" : "";
        // No leading zero: the big-integer reader takes one for octal.
        text += static_cast<char>('1' + rng_() % 9);
        for (int i = 1; i < digits; ++i) text += static_cast<char>('0' + rng_() % 10);
        if (rng_() % 7 == 0) text = "0";
        const int scale = static_cast<int>(rng_() % 45);
        return Decimal(BigInt(text), scale);
    }
    int below(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

private:
    std::mt19937_64 rng_{20240611};
};

void expectSame(const Decimal& got, const Exact& want, const char* what, const Decimal& a, const Decimal& b) {
    ASSERT_TRUE(got.mantissa() == want.m && got.scale() == want.scale)
        << what << " of " << a.toString() << " and " << b.toString() << ": got " << got.mantissa().str() << " at scale "
        << got.scale() << ", want " << want.m.str() << " at scale " << want.scale;
}

TEST(DecimalFastPath, ArithmeticMatchesTheBigIntegerPath) {
    RandomOperands random;
    for (int i = 0; i < 20000; ++i) {
        const Decimal a = random.next();
        const Decimal b = random.next();
        const Exact x = exactOf(a);
        const Exact y = exactOf(b);
        expectSame(a + b, exactSum(x, y, 1), "sum", a, b);
        expectSame(a - b, exactSum(x, y, -1), "difference", a, b);
        expectSame(a * b, Exact{BigInt(x.m * y.m), x.scale + y.scale}, "product", a, b);
        expectSame(a / b, exactQuotient(x, y), "quotient", a, b);
        expectSame(-a, Exact{BigInt(-x.m), x.scale}, "negation", a, b);
        const int s = std::max(x.scale, y.scale);
        const int want = alignedTo(x, s).compare(alignedTo(y, s));
        ASSERT_EQ(compare(a, b), want < 0 ? -1 : (want > 0 ? 1 : 0)) << a.toString() << " vs " << b.toString();
        const int places = random.below(40);
        expectSame(a.rounded(places), exactRounded(x, places), "rounding", a, Decimal(places));
    }
}

TEST(DecimalFastPath, FieldStoresMatchTheBigIntegerPath) {
    RandomOperands random;
    for (int i = 0; i < 20000; ++i) {
        const Decimal value = random.next();
        const int digits = 1 + random.below(18);
        const Storage storage{static_cast<std::uint8_t>(digits), static_cast<std::uint8_t>(random.below(digits + 1))};
        DecimalField field(storage);
        field = value;
        // Rounded to the places, then limited to the largest value with its sign.
        BigInt want = alignedTo(exactRounded(exactOf(value), storage.places), storage.places);
        const BigInt max = BigInt(powerOfTen(storage.digits) - 1);
        if (want > max) want = max;
        if (want < BigInt(-max)) want = BigInt(-max);
        ASSERT_EQ(BigInt(field.mantissa()), want)
            << value.toString() << " into " << int(storage.digits) << "," << int(storage.places);
    }
}

TEST(DecimalFastPath, TextAndRealsMatchTheBigIntegerPath) {
    RandomOperands random;
    for (int i = 0; i < 20000; ++i) {
        const Decimal value = random.next();
        const Exact x = exactOf(value);
        // Plain text from the big mantissa's own digits.
        std::string digits = BigInt(boost::multiprecision::abs(x.m)).str();
        if (x.scale > 0) {
            if (digits.size() <= static_cast<std::size_t>(x.scale))
                digits.insert(0, static_cast<std::size_t>(x.scale) + 1 - digits.size(), '0');
            digits.insert(digits.size() - static_cast<std::size_t>(x.scale), 1, '.');
        }
        const std::string text = (x.m.sign() < 0 ? "-" : "") + digits;
        ASSERT_EQ(value.toString(), text);
        ASSERT_EQ(value.toReal(), std::strtod(text.c_str(), nullptr)) << text;
        const auto parsed = Decimal::parse(text);
        ASSERT_TRUE(parsed.has_value());
        expectSame(*parsed, x, "parse", value, value);
        ASSERT_EQ(value.truncatedText(), BigInt(x.m / powerOfTen(x.scale)).str()) << text;
    }
}

// Products and powers carry up to twice and three times the places of their
// operands (a squared quotient has 62): their doubles as well.
TEST(DecimalFastPath, RealsOfProductsAndPowersMatchTheirText) {
    RandomOperands random;
    for (int i = 0; i < 20000; ++i) {
        const Decimal a = random.next();
        const Decimal value = i % 3 == 0 ? a.pow(3) : a * random.next();
        const std::string text = value.toString();
        ASSERT_EQ(value.toReal(), std::strtod(text.c_str(), nullptr)) << text;
    }
}

// A field's text (the writer of every key=value line) is the value with all
// of the field's places, as the decimal's own fixed-point text gives it.
TEST(DecimalFastPath, FieldTextIsTheValueWithAllItsPlaces) {
    RandomOperands random;
    const Storage storages[] = {{9, 0}, {9, 2}, {9, 4}, {7, 3}, {18, 0}, {18, 9}, {3, 2}};
    for (int i = 0; i < 20000; ++i) {
        const Decimal value = random.next();
        for (const Storage storage : storages) {
            DecimalField field(storage);
            field = value;
            std::string appended = "KEY=";
            field.appendText(appended);
            ASSERT_EQ(field.text(), field.value().toFixed(storage.places)) << value.toString();
            ASSERT_EQ(appended, "KEY=" + field.text());
        }
    }
}

// ---------------------------------------------------------------------------
// Bounded reading: linear in the text, exact for everything a field can hold.

std::string repeat(char c, std::size_t n) { return std::string(n, c); }

TEST(DecimalRead, BoundedReaderGivesWhatTheExactNumberWouldStore) {
    struct Case {
        std::string text;
        Storage storage;
        const char* stored;  // nullptr: not a number
    };
    const Case cases[] = {
        {"7.15", {9, 4}, "7.1500"},
        {"+7.15", {9, 4}, "7.1500"},
        {"-7.15", {9, 4}, "-7.1500"},
        {"-0.005", {9, 2}, "-0.01"},
        {"0.005" + repeat('0', 100000) + "1", {9, 2}, "0.01"},
        {"0.00" + repeat('4', 1) + repeat('9', 1000000), {9, 2}, "0.00"},
        {"-0.00" + repeat('4', 1) + repeat('9', 1000000), {9, 2}, "0.00"},
        {repeat('0', 1000000) + "7.15", {9, 4}, "7.1500"},
        {"7.15" + repeat('0', 1000000), {9, 4}, "7.1500"},
        {repeat('9', 1000000), {9, 2}, "9999999.99"},
        {"-" + repeat('1', 1000000) + ".5", {9, 2}, "-9999999.99"},
        {"9999999.994999999999999999999999", {9, 2}, "9999999.99"},
        {"9999999.995", {9, 2}, "9999999.99"},
        {"0." + repeat('0', 1000000) + "1", {9, 4}, "0.0000"},
        {"1" + repeat('0', 18), {18, 0}, "999999999999999999"},
        {"123456789012345678.5", {18, 0}, "123456789012345679"},
        {"999999999999999999.5", {18, 0}, "999999999999999999"},
        {"12345678901234567.5", {18, 0}, "12345678901234568"},
        {"0.0000000000000000005", {18, 18}, "0.000000000000000001"},
        {"0.0000000000000000004999", {18, 18}, "0.000000000000000000"},
        {".5", {9, 0}, "1"},
        {"5.", {9, 0}, "5"},
        {"7,15", {9, 4}, nullptr},
        {"1e3", {9, 4}, nullptr},
        {"", {9, 4}, nullptr},
        {"-", {9, 4}, nullptr},
        {".", {9, 4}, nullptr},
        {"1.2.3", {9, 4}, nullptr},
        {repeat('1', 1000000) + "x", {9, 4}, nullptr},
    };
    for (const Case& c : cases) {
        const std::string shown = c.text.size() > 40 ? c.text.substr(0, 40) + "..." : c.text;
        const auto value = Decimal::parseBounded(c.text);
        if (!c.stored) {
            EXPECT_FALSE(value.has_value()) << shown;
            continue;
        }
        ASSERT_TRUE(value.has_value()) << shown;
        DecimalField field(c.storage);
        field = *value;
        EXPECT_EQ(field.text(), c.stored) << shown;
    }
}

TEST(DecimalRead, DigitsWithAnExponentAreReadAsTheNumberTheyAre) {
    struct Case {
        bool negative;
        std::string integer;
        std::string fraction;
        long long exponent;
        const char* value;  // the exact value (no digit beyond the read places)
    };
    const Case cases[] = {
        // 0.(210 zeros)715 e211 is exactly 7.15.
        {false, "0", repeat('0', 210) + "715", 211, "7.15"},
        {false, "", repeat('0', 1000000) + "715", 1000001, "7.15"},
        {true, "715", "", -2, "-7.15"},
        {false, "0", "715", 1, "7.15"},
        {false, "7", "15", 0, "7.15"},
        {false, "1", "", 18, "1000000000000000000"},
        {false, "1", "", 19, "10000000000000000000"},  // the read limit
        {true, "1", "", 1000000000000LL, "-10000000000000000000"},
        {false, "1", "", -19, "0.0000000000000000001"},
        {false, "1", "", -20, "0"},  // below the read places
        {false, "123", "456", -1000000000000LL, "0"},
        {false, "0000", "0000", 500, "0"},
        {false, "1234567890123456789", "1234567890123456789", 0, "1234567890123456789.1234567890123456789"},
    };
    for (const Case& c : cases) {
        const Decimal value = Decimal::fromDigits(c.negative, c.integer, c.fraction, c.exponent);
        EXPECT_EQ(value, Decimal::of(c.value)) << c.integer.substr(0, 20) << "." << c.fraction.substr(0, 20) << "e"
                                               << c.exponent << " gave " << value.toString();
    }
}

TEST(DecimalRead, WideValuesConvertAndTruncate) {
    const Decimal wide = Decimal::of("-123456789012345678901234567890123456789012.75");
    EXPECT_EQ(wide.truncatedText(), "-123456789012345678901234567890123456789012");
    EXPECT_EQ(wide.truncatedClamped(1000000000), -1000000000);
    EXPECT_EQ(Decimal::of("-41.9").truncatedClamped(1000000000), -41);
    EXPECT_EQ(Decimal::of("0.99").truncatedText(), "0");
    EXPECT_EQ(Decimal::of("-0.99").truncatedText(), "0");
    EXPECT_EQ(wide.truncated().str(), "-123456789012345678901234567890123456789012");
    EXPECT_EQ(Decimal::scaled(-715, 2).toString(), "-7.15");
    EXPECT_EQ(Decimal::scaled(715, -40).toString(), "715" + repeat('0', 40));
}

}  // namespace
}  // namespace yq
