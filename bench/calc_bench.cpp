#include "cli/CalcCommand.h"
#include "design/Calculation.h"
#include "files/DesignFile.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

yq::DesignRecord sample(yq::UnitSystem system) {
    yq::DesignRecord r(system);
    const bool metric = system == yq::UnitSystem::Metric;
    const char* inputs[][2] = {{"F", "7.15"},
                               {"CD", metric ? "50.8" : "2"},
                               {"LD", "6"},
                               {"WD", metric ? "1.02" : "0.04"},
                               {"SP", metric ? "2.03" : "0.08"},
                               {"CCD", metric ? "50.8" : "2"},
                               {"MBW", "35"},
                               {"FAC", "2"}};
    for (auto& kv : inputs) *r.field(kv[0]) = yq::Decimal::of(kv[1]);
    return r;
}

void BM_ReCalcImperial(benchmark::State& state) {
    const yq::DesignRecord start = sample(yq::UnitSystem::Imperial);
    for (auto _ : state) {
        yq::DesignRecord r = start;
        yq::reCalcImperial(r, false);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ReCalcImperial);

void BM_ReCalcMetric(benchmark::State& state) {
    const yq::DesignRecord start = sample(yq::UnitSystem::Metric);
    for (auto _ : state) {
        yq::DesignRecord r = start;
        yq::reCalcMetric(r);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ReCalcMetric);

// 10,000 designs through the batch interface (parse, compute, format).
void BM_Batch10000(benchmark::State& state) {
    std::string input;
    for (int i = 0; i < 10000; ++i) {
        input += "F=" + std::to_string(1 + i % 300) + ".15 CD=2." + std::to_string(i % 97) +
                 " LD=6 WD=0.04 SP=0.08 CCD=2 MBW=" + std::to_string(i % 50) + "\n";
    }
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out, err;
        benchmark::DoNotOptimize(yq::cli::runCalcTool({"--batch"}, in, out, err, {}));
    }
}
BENCHMARK(BM_Batch10000)->Unit(benchmark::kMillisecond);

}  // namespace

// Number text of a million digits: every reader's work is bounded by what a
// field can hold (milliseconds, linear in the text), where an exact reading
// of so many digits took tens of seconds.
namespace {

const std::string& millionDigits() {
    static const std::string text = "0." + std::string(1000000, '0') + "715";
    return text;
}

void BM_ReadBoundedMillionDigits(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(yq::Decimal::parseBounded(millionDigits()));
}
BENCHMARK(BM_ReadBoundedMillionDigits)->Unit(benchmark::kMillisecond);

void BM_DesignValueMillionDigits(benchmark::State& state) {
    const QString text = QString::fromStdString(millionDigits() + "e1000003");
    for (auto _ : state) benchmark::DoNotOptimize(yq::parseDesignValue(text));
}
BENCHMARK(BM_DesignValueMillionDigits)->Unit(benchmark::kMillisecond);

// A batch with one line of a million digits among ordinary ones.
void BM_BatchLineOfMillionDigits(benchmark::State& state) {
    const std::string input = "F=7.15 CD=2 LD=6\nF=" + std::string(1000000, '9') + "\nC=" + millionDigits() + "\n";
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out, err;
        benchmark::DoNotOptimize(yq::cli::runCalcTool({"--batch"}, in, out, err, {}));
    }
}
BENCHMARK(BM_BatchLineOfMillionDigits)->Unit(benchmark::kMillisecond);

}  // namespace
