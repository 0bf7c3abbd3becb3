#include "report/ReportRecord.h"
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace yq::report {
namespace {

using test::reportData;
using test::UserFolder;

const QDate kDay(2025, 3, 14);
TodayFunction fixedDay() {
    return [] { return kDay; };
}

std::string text(const ReportRecord& r, const char* key) { return r.field(key)->text(); }

struct Expected {
    const char* key;
    const char* value;  // the stored value with all the field's places
};

// The Imperial sample: values as saved, with the report's storage.
TEST(ReportRecord, LoadsTheImperialSampleWithTheReportsStorage) {
    UserFolder users;
    const ReportRecord r = loadReportRecord(reportData("726.ini"), users.path(), fixedDay());
    const Expected expected[] = {
        {"F", "7.1500"},
        {"CD", "2.50"},
        {"LD", "6.50"},
        {"C", "14.02"},
        {"XC", "1587.69"},
        {"BW", "540.41"},
        {"Q", "13.23"},
        {"TL", "39.26"},
        {"WD", "0.0640"},
        {"SP", "0.0800"},
        {"CI", "18.15"},
        {"NT", "21.96"},
        {"CL", "1.76"},
        {"LW", "137.98"},
        {"CCL", "16.25"},
        {"CCD", "2.00"},
        {"LPW", "27.53"},
        {"PCCD", "2.50"},
        {"PCNT", "3.51"},
        {"FAC", "2.00"},
        {"SCT", "3.82"},
        {"SCD", "2.00"},
        {"MRR", "26.647"},
        // 2.00 x 3.82 x 3.1415926535898 = 24.0017... (the file's 99 is not used)
        {"SCWL", "24.00"},
    };
    for (const Expected& e : expected) EXPECT_EQ(text(r, e.key), e.value) << e.key;
    EXPECT_EQ(r.metric, 0);
    EXPECT_EQ(r.unitText, "inches");
    EXPECT_EQ(r.printDate, kDay);
    EXPECT_TRUE(r.designers.isEmpty());
}

// The storage is the report's own: 7 digits with 2 places for most keys,
// 9,4 for F, 7,4 for WD and SP, 7,3 for MRR.
TEST(ReportRecord, FieldsHaveTheReportsOwnStorage) {
    const ReportRecord r;
    const struct {
        const char* key;
        int digits, places;
    } storage[] = {{"F", 9, 4},    {"CD", 7, 2},  {"LD", 7, 2},  {"C", 7, 2},   {"XC", 7, 2},  {"BW", 7, 2},
                   {"Q", 7, 2},    {"TL", 7, 2},  {"WD", 7, 4},  {"SP", 7, 4},  {"CI", 7, 2},  {"NT", 7, 2},
                   {"CL", 7, 2},   {"LW", 7, 2},  {"CCL", 7, 2}, {"CCD", 7, 2}, {"LPW", 7, 2}, {"PCCD", 7, 2},
                   {"PCNT", 7, 2}, {"FAC", 7, 2}, {"SCT", 7, 2}, {"SCD", 7, 2}, {"MRR", 7, 3}, {"SCWL", 7, 2}};
    for (const auto& s : storage) {
        ASSERT_NE(r.field(s.key), nullptr) << s.key;
        EXPECT_EQ(r.field(s.key)->storage().digits, s.digits) << s.key;
        EXPECT_EQ(r.field(s.key)->storage().places, s.places) << s.key;
    }
    // Keys of the design file that the report does not read.
    for (const char* other : {"RR", "RFR", "AF", "MBW", "V", "TPI", "PCWD", "DPS", "XSC"}) {
        EXPECT_EQ(r.field(other), nullptr) << other;
    }
}

TEST(ReportRecord, ReadsKeysInTheReportsOrder) {
    const char* order[] = {"F",  "CD", "LD",  "C",   "XC",  "BW",   "Q",    "TL",  "WD",  "SP",  "CI", "NT",
                           "CL", "LW", "CCL", "CCD", "LPW", "PCCD", "PCNT", "FAC", "SCT", "SCD", "MRR"};
    const auto keys = reportFileKeys();
    ASSERT_EQ(keys.size(), std::size(order));
    for (std::size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(keys[i].key, order[i]) << i;
}

// A Metric file with awkward values: rounding half away from zero to the
// report's places, the reading rule, a value too large for its field.
TEST(ReportRecord, AppliesTheReadingRuleAndRounding) {
    UserFolder users;
    const ReportRecord r = loadReportRecord(reportData("M7506.ini"), users.path(), fixedDay());
    const Expected expected[] = {
        {"F", "7.1501"},    // 7.15005 to 4 places
        {"CD", "2.35"},     // 2.345
        {"LD", "6.50"},     // "6,5" under the key spelled "ld"
        {"C", "99999.99"},  // 1234567 does not fit 7 digits with 2 places: held at the largest value
        {"XC", "-3.46"},    // -3.456
        {"BW", "12.50"},    //
        {"Q", "12.35"},     // "  12.345abc": blanks skipped, reading stops at "a"
        {"TL", "0.00"},     // "abc"
        {"WD", "0.0641"},   // 0.06405 to 4 places
        {"MRR", "26.648"},  // 26.6475 to 3 places
        {"CI", "0.00"},     // missing key
        {"SCWL", "34.56"},  // 2 x 5.5 x pi = 34.5575...
    };
    for (const Expected& e : expected) EXPECT_EQ(text(r, e.key), e.value) << e.key;
    EXPECT_EQ(r.metric, 1);
    EXPECT_EQ(r.unitText, "mm");
}

TEST(ReportRecord, MissingFileOrEmptyPathLoadsZerosInInches) {
    UserFolder users;
    for (const QString& path : {reportData("no-such-design.ini"), QString(), QStringLiteral("   ")}) {
        const ReportRecord r = loadReportRecord(path, users.path(), fixedDay());
        for (const ReportKey& k : reportFileKeys()) EXPECT_TRUE((r.*k.member).isZero()) << k.key.data();
        EXPECT_TRUE(r.SCWL.isZero());
        EXPECT_EQ(r.metric, 0);
        EXPECT_EQ(r.unitText, "inches");
    }
}

TEST(ReportRecord, TrailingBlanksOfThePathAreIgnored) {
    UserFolder users;
    const ReportRecord r = loadReportRecord(reportData("M7506.ini") + QStringLiteral("    "), users.path(), fixedDay());
    EXPECT_EQ(r.metric, 1);
    EXPECT_EQ(text(r, "SCWL"), "34.56");
}

TEST(ReportRecord, SourceCoilWireLengthIsExactThenRounded) {
    // 2 x 5.5 x 3.1415926535898 = 34.5575191894878 -> 34.56
    DecimalField scwl{Storage{7, 2}};
    scwl = sourceCoilWireLength(Decimal::of("2"), Decimal::of("5.5"));
    EXPECT_EQ(scwl.text(), "34.56");
    // 1.5 x 1.5 x pi = 7.0685834705770... -> 7.07
    scwl = sourceCoilWireLength(Decimal::of("1.5"), Decimal::of("1.5"));
    EXPECT_EQ(scwl.text(), "7.07");
    EXPECT_EQ(sourceCoilWireLength(Decimal::of("1.5"), Decimal::of("1.5")).toFixed(13), "7.0685834705771");
}

TEST(ReportRecord, UsersComeInKeyOrder) {
    UserFolder users({QStringLiteral("Zed ZL1AAA"), QStringLiteral("Amy VK2ABC"), QStringLiteral("Max W1XYZ")});
    const ReportRecord r = loadReportRecord(reportData("726.ini"), users.path(), fixedDay());
    EXPECT_EQ(r.designers, (QStringList{"Amy VK2ABC", "Max W1XYZ", "Zed ZL1AAA"}));
}

}  // namespace
}  // namespace yq::report
