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
        {"n11.3", "7.150", true},     {"n11.3", "7.1505", false},   // at most 3 places
        {"n11.3", "1234567.5", true}, {"n11.3", "12345678", false},  // 7 integer digits
        {"n11.3", "-7", false},                                        // no sign in the picture
        {"n6.2", "999.99", true},     {"n6.2", "1000", false},      {"n6.2", "1,000", false},
        {"n6.2", "0007.5", true},                                      // leading zeros are free
        {"n-10.2", "-12.50", true},   {"n-10.2", "-", true},        {"n-10.2", "--1", false},
        {"n-10", "35", true},         {"n-10", "3.5", false},         // no places: no point
        {"n-4.1", "16.5", true},      {"n-4.1", "-6.5", true},      {"n-4.1", "165", false},
        {"n6.3", "abc", false},       {"n6.3", "1e3", false},       {"n6.3", "", true},
        {"n-10.2", "2,086.17", true},                                  // as the field shows it
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
