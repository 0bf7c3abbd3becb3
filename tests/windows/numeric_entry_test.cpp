#include "windows/NumericEntry.h"

#include <gtest/gtest.h>

namespace yq {
namespace {

TEST(PictureValidator, AcceptsOnlyTextThatFitsThePicture) {
    struct Case {
        const char* picture;
        const char* text;
        bool accepted;
    };
    const Case cases[] = {
        {"n11.3", "7.150", true},     {"n11.3", "7.1505", false},    // at most 3 places
        {"n11.3", "1234567.5", true}, {"n11.3", "12345678", false},  // 7 integer digits
        {"n11.3", "-7", false},                                      // no sign in the picture
        {"n6.2", "999.99", true},     {"n6.2", "1000", false},      {"n6.2", "1,000", false},
        {"n6.2", "0007.5", true},  // leading zeros are free
        {"n-10.2", "-12.50", true},   {"n-10.2", "-", true},        {"n-10.2", "--1", false},
        {"n-10", "35", true},         {"n-10", "3.5", false},  // no places: no point
        {"n-4.1", "16.5", true},      {"n-4.1", "-6.5", true},      {"n-4.1", "165", false},
        {"n6.3", "abc", false},       {"n6.3", "1e3", false},       {"n6.3", "", true},
        {"n-10.2", "2,086.17", true},  // as the field shows it
    };
    for (const auto& c : cases) {
        PictureValidator v(QString::fromLatin1(c.picture));
        QString text = QString::fromLatin1(c.text);
        int pos = 0;
        EXPECT_EQ(v.validate(text, pos) == QValidator::Acceptable, c.accepted) << c.picture << " '" << c.text << "'";
    }
}

TEST(EntryValue, ReadsWhatTheFieldShows) {
    EXPECT_EQ(entryValue("2,086.17")->toString(), "2086.17");
    EXPECT_EQ(entryValue("  -0.5 ")->toString(), "-0.5");
    EXPECT_TRUE(entryValue("")->isZero());
    EXPECT_TRUE(entryValue("-")->isZero());
    EXPECT_FALSE(entryValue("1.2.3").has_value());
}

}  // namespace
}  // namespace yq

namespace yq {
namespace {

TEST(EntryValue, OneDecimalSeparatorPointOrComma) {
    struct Case {
        const char* text;
        int places;         // places the field shows
        const char* value;  // nullptr: not a number
    };
    const Case cases[] = {
        {"7,15", 3, "7.15"},        {"7.15", 3, "7.15"},
        {"2,5", 2, "2.5"},          {"-0,5", 2, "-0.5"},
        {",5", 2, "0.5"},           {"7,", 3, "7"},
        {"7,1,5", 3, nullptr},      {"7,1.5", 3, nullptr},
        {"7.1,5", 3, nullptr},      {"7.1.5", 3, nullptr},
        {"1,23.5", 2, nullptr},                                       // not grouping as the field shows it
        {"2,086.17", 2, "2086.17"}, {"1,234,567.5", 3, "1234567.5"},  // grouping as shown
        {"1,000", 0, "1000"},       {"1,000,000", 0, "1000000"},      // grouping where no places are shown
        {"1,000", 2, "1"},          {"1,000,000", 2, nullptr},        // elsewhere one comma is the point
        {"12,5", 0, "12.5"},                                          // a value, refused by the field's validator below
    };
    for (const auto& c : cases) {
        const auto value = entryValue(QString::fromLatin1(c.text), c.places);
        if (!c.value) {
            EXPECT_FALSE(value.has_value()) << c.text;
            continue;
        }
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, Decimal::of(c.value)) << c.text;
    }
    PictureValidator noPlaces(QStringLiteral("n-10"));
    QString text = QStringLiteral("12,5");
    int pos = 0;
    EXPECT_EQ(noPlaces.validate(text, pos), QValidator::Invalid);
    text = QStringLiteral("1,000");
    EXPECT_EQ(noPlaces.validate(text, pos), QValidator::Acceptable);
}

TEST(PictureValidator, TheStorageDecidesWhatFits) {
    struct Case {
        const char* picture;
        Storage storage;
        const char* text;
        bool accepted;
    };
    const Case cases[] = {
        {"n11.3", {9, 4}, "99999.999", true},  {"n11.3", {9, 4}, "100000", false},  // F: 5 whole digits
        {"n11.3", {9, 4}, "1234567", false},   {"n11.3", {9, 4}, "0099999", true},  // leading zeros are free
        {"n-10.2", {7, 2}, "-99999.99", true}, {"n-10.2", {7, 2}, "-100000", false},
        {"n6.3", {9, 2}, "99.999", true},  // rounds to 100.00, which the storage holds
        {"n-10", {9, 2}, "9,999,999", true},   {"n-10", {9, 2}, "10,000,000", false},
        {"n6.2", {9, 2}, "1000", false},  // the picture still limits the width
    };
    for (const auto& c : cases) {
        PictureValidator v(QString::fromLatin1(c.picture), c.storage);
        QString text = QString::fromLatin1(c.text);
        int pos = 0;
        EXPECT_EQ(v.validate(text, pos) == QValidator::Acceptable, c.accepted) << c.picture << " '" << c.text << "'";
    }
    EXPECT_TRUE(storageHolds({7, 2}, Decimal::of("99999.994")));
    EXPECT_FALSE(storageHolds({7, 2}, Decimal::of("99999.995")));  // rounds to 100000.00
    EXPECT_TRUE(storageHolds({7, 2}, Decimal::of("-99999.99")));
}

}  // namespace
}  // namespace yq
