#include "sim/Nec2cRunner.h"
#include "sim/NecOutput.h"
#include "sim/SimTestSupport.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <thread>

namespace yq::sim {
namespace {

TEST(Nec2cRunner, RunsADeckAndGivesItsOutput) {
    YQ_NEEDS_NEC2C();
    auto out = runNec2c(test::stored("sweep.nec"), {});
    ASSERT_TRUE(out.ok()) << out.problem().text();
    auto parsed = parseNecOutput(*out, {12.7e6, 12.725e6, 12.75e6, 12.775e6, 12.8e6});
    ASSERT_TRUE(parsed.ok()) << parsed.problem().text();
    EXPECT_DOUBLE_EQ((*parsed)[3].z.imag(), 3.4215);  // as the stored run of the same deck
}

// Every way a run fails, each with the text the user sees.
TEST(Nec2cRunner, ReportsEveryFailureWithItsReason) {
    YQ_NEEDS_NEC2C();
    RunSettings quick;
    quick.timeoutMs = 300;
    RunSettings missing;
    missing.program = "/nonexistent/nec2c";
    RunSettings missingByName;
    missingByName.program = "nec2c-not-installed-here";
    struct Case {
        const char* name;
        std::string deck;
        RunSettings settings;
        std::string text;
    } cases[] = {
        {"bad card", test::stored("bad-card.nec"), {}, "nec2c failed: FAULTY DATA CARD LABEL AFTER GEOMETRY SECTION"},
        {"bad segment", test::stored("bad-segment.nec"), {}, "nec2c failed: NO SEGMENT HAS AN ITAG OF"},
        {"killed run", test::stored("zero-length.nec"), quick,
         "nec2c was stopped: it ran longer than its limit of 300 ms"},
        {"missing program", test::stored("sweep.nec"), missing,
         "The simulation needs nec2c, which is not at /nonexistent/nec2c."},
        {"missing from PATH", test::stored("sweep.nec"), missingByName,
         "The simulation needs nec2c, which is not at nec2c-not-installed-here."},
    };
    for (const Case& c : cases) {
        auto out = runNec2c(c.deck, c.settings);
        ASSERT_FALSE(out.ok()) << c.name;
        EXPECT_EQ(out.problem().text().rfind(c.text, 0), 0u) << c.name << ": " << out.problem().text();
    }
    EXPECT_EQ(missingProgramText("nec2c"),
              "The simulation needs nec2c, which is not installed: install it with \"sudo apt install nec2c\".");
}

TEST(Nec2cRunner, RunsSeveralDecksAtOnceInTheirOrderAndStopsThemOnCancel) {
    YQ_NEEDS_NEC2C();
    const std::string good = test::stored("sweep.nec"), bad = test::stored("bad-card.nec");
    int finished = 0;
    auto all = runNec2cAll({good, bad, good}, {}, 2, [&](int n) { finished = n; });
    ASSERT_EQ(all.size(), 3u);
    EXPECT_TRUE(all[0].ok());
    EXPECT_FALSE(all[1].ok());
    EXPECT_TRUE(all[2].ok());
    EXPECT_EQ(finished, 3);

    // Two runs that would never end, cancelled from another thread.
    std::atomic<bool> cancel{false};
    RunSettings settings;
    settings.cancel = &cancel;
    QElapsedTimer clock;
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        clock.start();
        cancel = true;
    });
    const std::string endless = test::stored("zero-length.nec");
    auto stopped = runNec2cAll({endless, endless, endless}, settings, 2);
    const qint64 afterCancel = clock.elapsed();
    canceller.join();
    for (const auto& r : stopped) {
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.problem().what, kCancelledText);
    }
    EXPECT_LT(afterCancel, 1000);  // well within a second, however loaded the machine
}

}  // namespace
}  // namespace yq::sim
