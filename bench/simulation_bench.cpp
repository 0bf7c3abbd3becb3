// The standard NEC-2 study of a design (every nec2c run of it: the coarse
// sweep, the resonance refined, the fine sweeps, the pattern, the coil for
// F and the same again) is meant to take under 0.5 s. Beside it the plain
// way of finding the same resonance to the fine sweep's step: one nec2c
// run per frequency over 0.4 F to 2.5 F, and the same points in one deck.
//
// The detailed study (cages and helices, about 800 segments, roughly a
// second a frequency) is meant to take under 20 s on two cores. Beside it
// the plain way: the same 166 frequencies of the detailed deck in one nec2c
// process, which takes minutes; each runs once
// (--benchmark_filter=Detailed for these two alone).
#include "design/DesignTools.h"
#include "sim/DeckRules.h"
#include "sim/Model.h"
#include "sim/Nec2cRunner.h"
#include "sim/NecOutput.h"
#include "sim/Study.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

yq::DesignRecord forty() {
    yq::DesignRecord r(yq::UnitSystem::Imperial);
    for (auto [k, v] : {std::pair{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}})
        *r.field(k) = yq::Decimal::of(v);
    yq::reCalcAs(r, false);
    return r;
}

constexpr int kPlainPoints = 166;

void BM_StandardStudy(benchmark::State& state) {
    const yq::DesignRecord design = forty();
    int runs = 0;
    for (auto _ : state) {
        auto study = yq::sim::runStudy(design);
        if (!study)
            state.SkipWithError(study.problem().text().c_str());
        else
            runs = study->nec2cRuns;
        benchmark::DoNotOptimize(study);
    }
    state.counters["nec2c_runs"] = runs;
}
BENCHMARK(BM_StandardStudy)->Unit(benchmark::kMillisecond)->Iterations(5);

// 166 points, one nec2c process each, one after the other.
void BM_PlainOneRunPerPoint(benchmark::State& state) {
    const yq::DesignRecord design = forty();
    const yq::sim::FrequencySpan span = yq::sim::coarseSweep(7.15e6);
    for (auto _ : state) {
        for (int i = 0; i < kPlainPoints; ++i) {
            yq::sim::DeckRequest r;
            r.sweep = {span.firstHz + (span.lastHz() - span.firstHz) * i / (kPlainPoints - 1), 0, 1};
            auto out = yq::sim::runNec2c(yq::sim::standardDeck(design, r), {});
            if (!out) state.SkipWithError(out.problem().text().c_str());
            benchmark::DoNotOptimize(out);
        }
    }
}
BENCHMARK(BM_PlainOneRunPerPoint)->Unit(benchmark::kMillisecond)->Iterations(2);

// The same 166 points in one deck.
void BM_PlainOneDeck(benchmark::State& state) {
    const yq::DesignRecord design = forty();
    const yq::sim::FrequencySpan span = yq::sim::coarseSweep(7.15e6);
    yq::sim::DeckRequest r;
    r.sweep = {span.firstHz, (span.lastHz() - span.firstHz) / (kPlainPoints - 1), kPlainPoints};
    const std::string deck = yq::sim::standardDeck(design, r);
    const auto frequencies = yq::sim::readDeck(deck)->frequenciesHz;
    for (auto _ : state) {
        auto out = yq::sim::runNec2c(deck, {});
        if (!out)
            state.SkipWithError(out.problem().text().c_str());
        else
            benchmark::DoNotOptimize(yq::sim::parseNecOutput(*out, frequencies));
    }
}
BENCHMARK(BM_PlainOneDeck)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_DetailedStudy(benchmark::State& state) {
    const yq::DesignRecord design = forty();
    yq::sim::StudyOptions options;
    options.model = yq::sim::ModelKind::Detailed;
    int runs = 0;
    double resonance = 0;
    for (auto _ : state) {
        auto study = yq::sim::runStudy(design, options);
        if (!study) {
            state.SkipWithError(study.problem().text().c_str());
        } else {
            runs = study->nec2cRuns;
            resonance = study->asDesigned.resonanceHz.value_or(0);
        }
        benchmark::DoNotOptimize(study);
    }
    state.counters["nec2c_runs"] = runs;
    state.counters["resonance_MHz"] = resonance / 1e6;
}
BENCHMARK(BM_DetailedStudy)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// How long a detailed study takes to stop once Cancel is pressed (the
// time reported), its nec2c processes killed: the target is 100 ms.
void BM_CancelDetailedStudy(benchmark::State& state) {
    const yq::DesignRecord design = forty();
    for (auto _ : state) {
        std::atomic<bool> cancel{false};
        yq::sim::StudyOptions options;
        options.model = yq::sim::ModelKind::Detailed;
        options.cancel = &cancel;
        std::chrono::steady_clock::time_point pressed;
        std::thread presser([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            pressed = std::chrono::steady_clock::now();
            cancel = true;
        });
        auto study = yq::sim::runStudy(design, options);
        const auto stopped = std::chrono::steady_clock::now();
        presser.join();
        if (study) state.SkipWithError("the study ended before Cancel");
        state.SetIterationTime(std::chrono::duration<double>(stopped - pressed).count());
    }
}
BENCHMARK(BM_CancelDetailedStudy)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

// The plain way: 166 frequencies of 0.4 F to 2.5 F in one deck, one process.
void BM_DetailedPlainSweep(benchmark::State& state) {
    const yq::DesignRecord design = forty();
    const yq::sim::FrequencySpan span = yq::sim::coarseSweep(7.15e6);
    yq::sim::DeckRequest r;
    r.sweep = {span.firstHz, (span.lastHz() - span.firstHz) / (kPlainPoints - 1), kPlainPoints};
    const std::string deck = yq::sim::detailedDeck(design, r);
    const auto frequencies = yq::sim::readDeck(deck)->frequenciesHz;
    yq::sim::RunSettings settings;
    settings.timeoutMs = 30 * 60 * 1000;
    for (auto _ : state) {
        auto out = yq::sim::runNec2c(deck, settings);
        if (!out)
            state.SkipWithError(out.problem().text().c_str());
        else
            benchmark::DoNotOptimize(yq::sim::parseNecOutput(*out, frequencies));
    }
    state.counters["frequencies"] = kPlainPoints;
}
BENCHMARK(BM_DetailedPlainSweep)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
