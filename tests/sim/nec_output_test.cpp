#include "sim/DeckRules.h"
#include "sim/NecOutput.h"
#include "sim/SimTestSupport.h"

#include <gtest/gtest.h>

namespace yq::sim {
namespace {

std::vector<double> frequenciesOf(const std::string& deckName) {
    auto deck = readDeck(test::stored(deckName));
    EXPECT_TRUE(deck.ok());
    return deck ? deck->frequenciesHz : std::vector<double>{};
}

TEST(NecOutput, ReadsTheImpedanceOfEveryFrequencyAtTheDecksFrequencies) {
    const auto f = frequenciesOf("sweep.nec");
    ASSERT_EQ(f.size(), 5u);
    auto out = parseNecOutput(test::stored("sweep.out"), f);
    ASSERT_TRUE(out.ok()) << out.problem().text();
    ASSERT_EQ(out->size(), 5u);
    // The numbers as the file prints them.
    const double r[] = {1.6606, 1.6611, 1.6617, 1.6622, 1.6627};
    const double x[] = {-22.639, -13.935, -5.2483, 3.4215, 12.074};
    for (int i = 0; i < 5; ++i) {
        EXPECT_DOUBLE_EQ((*out)[i].hz, 12.7e6 + 0.025e6 * i);
        EXPECT_DOUBLE_EQ((*out)[i].z.real(), r[i]);
        EXPECT_DOUBLE_EQ((*out)[i].z.imag(), x[i]);
    }
    EXPECT_FALSE((*out)[0].averageGain);
    EXPECT_TRUE((*out)[0].pattern.empty());
}

TEST(NecOutput, ReadsThePatternThePowerBudgetAndTheAverageGain) {
    // The deck's 12.7651 MHz, which the output prints as 1.2765E+01.
    const auto f = frequenciesOf("pattern.nec");
    ASSERT_EQ(f, std::vector<double>{12.7651e6});
    auto out = parseNecOutput(test::stored("pattern.out"), f);
    ASSERT_TRUE(out.ok()) << out.problem().text();
    const NecFrequency& p = out->front();
    ASSERT_EQ(p.pattern.size(), 74u);  // theta 0..180 at phi 0 and 180; the averaging card prints no rows
    EXPECT_EQ(p.pattern[0].thetaDeg, 0);
    EXPECT_EQ(p.pattern[0].totalDb, -999.99);
    EXPECT_EQ(p.pattern[18].thetaDeg, 90);
    EXPECT_EQ(p.pattern[18].totalDb, -9.16);
    EXPECT_EQ(p.pattern[37].phiDeg, 180);
    ASSERT_TRUE(p.efficiency());
    EXPECT_DOUBLE_EQ(*p.efficiency(), 2.4355e-02 / 3.0084e-01);
    ASSERT_TRUE(p.averageGain);
    EXPECT_DOUBLE_EQ(*p.averageGain, 8.0816e-02);
}

// Each way nec2c fails, as its output file shows it.
TEST(NecOutput, TakesTheMessageOfAFailedRunFromTheLastUnterminatedLine) {
    EXPECT_EQ(failureMessage(test::stored("bad-card.out")), "FAULTY DATA CARD LABEL AFTER GEOMETRY SECTION");
    // nec2c's own words about a feed on a segment that is not there mislead; they are shown as they are.
    EXPECT_EQ(failureMessage(test::stored("bad-segment.out")).rfind("NO SEGMENT HAS AN ITAG OF", 0), 0u);
    EXPECT_EQ(failureMessage(""), "");
}

TEST(NecOutput, RefusesOutputsThatDoNotHoldOneBlockPerFrequency) {
    const auto five = frequenciesOf("sweep.nec");
    const std::string whole = test::stored("sweep.out");
    const std::size_t third = whole.find("ANTENNA INPUT PARAMETERS", whole.find("ANTENNA INPUT PARAMETERS") + 30);
    std::string garbled = whole;
    garbled.replace(garbled.find("1.6611E+00"), 10, "1.66l1E+00");
    struct Case {
        const char* name;
        std::string output;
        std::vector<double> frequencies;
        const char* reason;
    } cases[] = {
        {"killed run", test::stored("killed.out"), five, "it holds 0 of the deck's 5 frequencies"},
        {"bad card", test::stored("bad-card.out"), five, "it holds 0 of the deck's 5 frequencies"},
        {"cut short", whole.substr(0, third + 30), five, "the input parameters of frequency 2 have no line of numbers"},
        {"cut before a block", whole.substr(0, third), five, "it holds 1 of the deck's 5 frequencies"},
        {"more blocks than asked", whole, {12.7e6, 12.725e6}, "it holds more frequencies than the deck's 2"},
        {"a damaged number", garbled, five, "the input parameters of frequency 2 have no line of numbers"},
        {"empty", "", five, "it holds 0 of the deck's 5 frequencies"},
    };
    for (const Case& c : cases) {
        auto out = parseNecOutput(c.output, c.frequencies);
        ASSERT_FALSE(out.ok()) << c.name;
        EXPECT_EQ(out.problem().what, "nec2c's output cannot be read") << c.name;
        EXPECT_EQ(out.problem().reason, c.reason) << c.name;
    }
}

}  // namespace
}  // namespace yq::sim
