// The design tools answer as the user types: a fit and a 1,000-point sweep
// each well under 100 ms. The plain fit (one ReCalc for each of the 9,900
// factors) runs beside the tools' fit for comparison.
#include "design/Calculation.h"
#include "design/DesignTools.h"

#include <benchmark/benchmark.h>

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

// Large cylinders: the cylinder capacitance is high, so more factors store
// distinct coil capacitances (the worst case of the fit).
yq::DesignRecord large() {
    yq::DesignRecord r(yq::UnitSystem::Imperial);
    const char* inputs[][2] = {{"F", "1.85"}, {"CD", "12"}, {"LD", "9"}, {"WD", "0.08"}, {"SP", "0.1"}, {"CCD", "6"}};
    for (auto& kv : inputs) *r.field(kv[0]) = yq::Decimal::of(kv[1]);
    return r;
}

void BM_FitFac(benchmark::State& state) {
    const yq::DesignRecord start = sample(yq::UnitSystem::Imperial);
    for (auto _ : state) benchmark::DoNotOptimize(yq::fitDesign(start, false, yq::FitField::Fac, yq::Decimal(31)));
}
BENCHMARK(BM_FitFac)->Unit(benchmark::kMillisecond);

void BM_FitFacLargeCylinders(benchmark::State& state) {
    const yq::DesignRecord start = large();
    for (auto _ : state) benchmark::DoNotOptimize(yq::fitDesign(start, false, yq::FitField::Fac, yq::Decimal(40)));
}
BENCHMARK(BM_FitFacLargeCylinders)->Unit(benchmark::kMillisecond);

void BM_FitFacMetric(benchmark::State& state) {
    const yq::DesignRecord start = sample(yq::UnitSystem::Metric);
    for (auto _ : state) benchmark::DoNotOptimize(yq::fitDesign(start, false, yq::FitField::Fac, yq::Decimal(31)));
}
BENCHMARK(BM_FitFacMetric)->Unit(benchmark::kMillisecond);

void BM_FitDps(benchmark::State& state) {
    const yq::DesignRecord start = sample(yq::UnitSystem::Imperial);
    for (auto _ : state) benchmark::DoNotOptimize(yq::fitDesign(start, false, yq::FitField::Dps, yq::Decimal(3)));
}
BENCHMARK(BM_FitDps)->Unit(benchmark::kMillisecond);

// The same search with one full ReCalc per factor.
void BM_FitFacOneReCalcPerValue(benchmark::State& state) {
    const yq::DesignRecord start = sample(yq::UnitSystem::Imperial);
    for (auto _ : state) {
        long long best = -1;
        yq::Decimal bestDistance;
        for (long long n = 100; n <= 9999; ++n) {
            yq::DesignRecord r = start;
            r.FAC = yq::Decimal::scaled(n, 2);
            yq::reCalc(r, false);
            yq::Decimal d = r.NT.value() - yq::Decimal(31);
            if (d < yq::Decimal(0)) d = -d;
            if (best < 0 || d < bestDistance) {
                best = n;
                bestDistance = d;
            }
        }
        benchmark::DoNotOptimize(best);
    }
}
BENCHMARK(BM_FitFacOneReCalcPerValue)->Unit(benchmark::kMillisecond);

void BM_Sweep1000(benchmark::State& state) {
    const yq::DesignRecord start = sample(yq::UnitSystem::Imperial);
    const auto range = yq::parseSweepRange("F=7:7.999:0.001", yq::UnitSystem::Imperial);
    for (auto _ : state) benchmark::DoNotOptimize(yq::runSweep(start, false, *range));
}
BENCHMARK(BM_Sweep1000)->Unit(benchmark::kMillisecond);

void BM_Sweep1000WithCsv(benchmark::State& state) {
    const yq::DesignRecord start = sample(yq::UnitSystem::Metric);
    const auto range = yq::parseSweepRange("CD=40:49.99:0.01", yq::UnitSystem::Metric);
    for (auto _ : state) benchmark::DoNotOptimize(yq::sweepCsv(yq::runSweep(start, false, *range)));
}
BENCHMARK(BM_Sweep1000WithCsv)->Unit(benchmark::kMillisecond);

}  // namespace
