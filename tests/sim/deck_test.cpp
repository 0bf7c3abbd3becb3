#include "sim/Coils.h"
#include "sim/DeckRules.h"
#include "sim/Model.h"
#include "sim/SimTestSupport.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <sstream>

namespace yq::sim {
namespace {

// The deck's cards, each as its name and numbers (comment cards left out).
std::vector<std::pair<std::string, std::vector<double>>> cardsOf(const std::string& deck) {
    std::vector<std::pair<std::string, std::vector<double>>> out;
    std::istringstream in(deck);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        if (name == "CM") continue;
        std::vector<double> numbers;
        double v;
        while (words >> v) numbers.push_back(v);
        out.push_back({name, numbers});
    }
    return out;
}

TEST(StandardDeck, TheImperialAndMetricFormsOfOneDesignGiveTheSameDeckWithinRounding) {
    DeckRequest request;
    request.sweep = coarseSweep(7.15e6);
    const auto imperial = cardsOf(standardDeck(test::forty(), request));
    const auto metric = cardsOf(standardDeck(test::fortyMetric(), request));
    ASSERT_EQ(imperial.size(), metric.size());
    for (std::size_t i = 0; i < imperial.size(); ++i) {
        EXPECT_EQ(imperial[i].first, metric[i].first);
        ASSERT_EQ(imperial[i].second.size(), metric[i].second.size()) << imperial[i].first;
        for (std::size_t k = 0; k < imperial[i].second.size(); ++k)
            EXPECT_NEAR(imperial[i].second[k], metric[i].second[k], 0.005 * std::abs(imperial[i].second[k]) + 1e-12)
                << imperial[i].first << " field " << k;
    }
}

TEST(StandardDeck, PutsTheTubesTheGapAndTheCoilsWhereTheModelSays) {
    const DesignRecord d = test::forty();
    DeckRequest request;
    request.sweep = {7.15e6, 0, 1};
    const auto cards = cardsOf(standardDeck(d, request));
    auto find = [&](const std::string& name, int n = 0) {
        for (const auto& c : cards)
            if (c.first == name && n-- == 0) return c.second;
        return std::vector<double>{};
    };
    // Tubes of 12 in (0.3048 m), radius 1 in, a 2 in gap, 6 segments each.
    EXPECT_EQ(find("GW", 0), (std::vector<double>{1, 6, 0, 0, 0.0254, 0, 0, 0.3302, 0.0254}));
    EXPECT_EQ(find("GW", 1), (std::vector<double>{2, 1, 0, 0, -0.0254, 0, 0, 0.0254, 0.0254}));
    EXPECT_EQ(find("GW", 2), (std::vector<double>{3, 6, 0, 0, -0.3302, 0, 0, -0.0254, 0.0254}));
    EXPECT_EQ(find("LD", 0), (std::vector<double>{5, 1, 0, 0, 3.77e7}));
    // The coils: CI 24.35 uH + the phasing coil (Wheeler: 4 x 4.38^2 / (36 + 40 x 4.38 x 0.08) uH) + SCI 1.62 uH;
    // the wires' resistance at 7.15 MHz: 0.996e-6 sqrt(f) / 0.04 in x (172.54 + 27.53 + 28.40) in / 12.
    const std::vector<double> load = find("LD", 2);
    ASSERT_EQ(load.size(), 7u);
    const double phasing = 4 * 4.38 * 4.38 / (36 + 40 * 4.38 * 0.08);
    EXPECT_NEAR(load[5], (24.35 + phasing + 1.62) * 1e-6, 1e-12);
    EXPECT_NEAR(load[4], 0.996e-6 * std::sqrt(7.15e6) / 0.04 * (172.54 + 27.53 + 28.40) / 12, 1e-9);
    EXPECT_EQ(find("EX"), (std::vector<double>{0, 2, 1, 0, 1, 0}));
    EXPECT_EQ(find("FR"), (std::vector<double>{0, 1, 0, 0, 7.15, 0}));
    EXPECT_DOUBLE_EQ(feedSeriesInductance(d), (24.35 + phasing + 1.62) * 1e-6);
    // The tuning coil of 27.46 turns by the same formula, and back.
    EXPECT_NEAR(tuningCoilInductance(d, 27.46) * 1e6, 24.35, 0.01);
    EXPECT_NEAR(turnsForInductance(d, 24.35e-6), 27.46, 0.01);
}

TEST(StandardDeck, WritesNumbersInTheCLocaleWhateverTheProgramsLocale) {
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE.utf8", "C.UTF-8"})
        if (std::setlocale(LC_ALL, name)) {
            comma = name;
            break;
        }
    DeckRequest request;
    request.sweep = coarseSweep(7.15e6);
    const std::string deck = standardDeck(test::forty(), request);
    std::setlocale(LC_ALL, "C");
    std::istringstream lines(deck);
    std::string line;
    while (std::getline(lines, line))
        if (line.rfind("CM", 0) != 0) {
            EXPECT_EQ(line.find(','), std::string::npos) << line << (comma ? comma : "");
        }
    EXPECT_NE(deck.find("FR 0 85 0 0 2.86 0.17875"), std::string::npos);
}

// One deck per rule, each breaking that rule alone.
TEST(DeckRules, ReportsEveryRuleTheDeckBreaks) {
    const std::string tail = "GE 0\nEK\nEX 0 2 1 0 1 0\nFR 0 1 0 0 7 0\nXQ\nEN\n";
    const std::string tubes = "GW 1 6 0 0 0.0254 0 0 0.3302 0.0254\nGW 2 1 0 0 -0.0254 0 0 0.0254 0.0254\n";
    struct Case {
        const char* rule;
        std::string deck;
        const char* detail;
    } cases[] = {
        {"segment length", tubes + "GE 0\nEK\nEX 0 2 1 0 1 0\nFR 0 1 0 0 2 0\nXQ\nEN\n",
         "Segments of wire 1 are 0.0003389 wavelength long at 2 MHz, the lowest frequency; NEC-2 wants at least "
         "0.001."},
        {"segment length", "GW 1 1 0 0 0 0 0 5 0.01\nGW 2 1 0 0 -1 0 0 0 0.01\n" + tail,
         "Segments of wire 1 are 0.1167 wavelength long at 7 MHz, the highest frequency; NEC-2 wants at most 0.1."},
        {"length over radius", "GW 1 6 0 0 0.0254 0 0 0.3302 0.03\nGW 2 1 0 0 -0.0254 0 0 0.0254 0.03\n" + tail,
         "Segments of wire 1 are 1.69 times their radius long; NEC-2 wants at least 2 with the extended thin-wire "
         "kernel."},
        {"length over radius",
         "GW 1 6 0 0 0.0254 0 0 0.3302 0.0254\nGW 2 1 0 0 -0.0254 0 0 0.0254 0.0254\nGE 0\nEX 0 2 1 0 1 0\nFR 0 1 0 0 "
         "7 0\nXQ\nEN\n",
         "Segments of wire 1 are 2 times their radius long; NEC-2 wants at least 8 without EK."},
        {"zero length", tubes + "GW 3 1 0 0 0.3302 0 0 0.3302 0.0254\n" + tail,
         "Wire 3 has no length or no segment; nec2c can run on for ever on it."},
        {"overlapping wires", tubes + "GW 3 3 0 0 0.1 0 0 0.2 0.0254\n" + tail,
         "Wires 1 and 3 lie over the same 0.1 m; nec2c gives a meaningless impedance for them."},
        {"radius at a junction", "GW 1 6 0 0 0.0254 0 0 0.3302 0.0254\nGW 2 1 0 0 -0.0254 0 0 0.0254 0.02\n" + tail,
         "Wires 1 and 2 meet with radii 1.27 times apart; the extended thin-wire kernel is not valid where the radius "
         "changes."},
        {"radius at a junction",
         "GW 1 6 0 0 0.0254 0 0 1.3302 0.0254\nGW 2 1 0 0 -0.0254 0 0 0.0254 0.001\nGE 0\nEX 0 2 1 0 1 0\nFR 0 1 0 "
         "0 7 0\nXQ\nEN\n",
         "Wires 1 and 2 meet with radii 25.4 times apart; NEC-2 wants at most 5."},
        {"feed", tubes + "GE 0\nEK\nEX 0 2 5 0 1 0\nFR 0 1 0 0 7 0\nXQ\nEN\n",
         "The feed is on segment 5 of wire 2, which does not exist."},
    };
    for (const Case& c : cases) {
        auto deck = readDeck(c.deck);
        ASSERT_TRUE(deck.ok()) << deck.problem().text();
        const auto breaks = checkRules(*deck);
        const auto it =
            std::find_if(breaks.begin(), breaks.end(), [&](const RuleBreak& b) { return b.detail == c.detail; });
        EXPECT_NE(it, breaks.end()) << c.rule << ": " << (breaks.empty() ? "nothing" : breaks.front().detail);
        if (it != breaks.end()) {
            EXPECT_EQ(it->rule, c.rule);
        }
    }
    // The standard model at the design frequency keeps every rule.
    DeckRequest atF;
    atF.sweep = {7.15e6, 0, 1};
    auto standard = readDeck(standardDeck(test::forty(), atF));
    ASSERT_TRUE(standard.ok());
    EXPECT_TRUE(checkRules(*standard).empty()) << checkRules(*standard).front().detail;
}

TEST(DeckRules, ReadsFrequenciesFromTheFrCardsAndRefusesCardsItCannotRead) {
    auto deck = readDeck("GW 1 3 0 0 0 0 0 1 0.001\nFR 0 3 0 0 7.0 0.05\nFR 1 2 0 0 10 2\n");
    ASSERT_TRUE(deck.ok());
    EXPECT_EQ(deck->frequenciesHz, (std::vector<double>{7.0e6, 7.05e6, 7.1e6, 10e6, 20e6}));
    auto comma = readDeck("GW 1 3 0 0 0 0 0 1,5 0.001\n");
    ASSERT_FALSE(comma.ok());
    EXPECT_EQ(comma.problem().text(), "The deck's line 1 cannot be read: \"1,5\" is not a number in the GW card");
    auto shortCard = readDeck("CM ok\nFR 0 3 0\n");
    ASSERT_FALSE(shortCard.ok());
    EXPECT_EQ(shortCard.problem().text(), "The deck's line 2 cannot be read: the FR card needs 6 numbers");
}

}  // namespace
}  // namespace yq::sim
