#include "calc/CalculationState.h"
#include "calc/SunTimesAround.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace horavela {
namespace {

using namespace std::chrono;

SunResult runDelhi(CalculationState& state, int month, std::string_view day,
                   std::string_view year) {
    return ComputeSunRiseSunSet(state, month, day, year, 28, 36, false, 77, 12, true, "-5", "-30");
}

void wholeCheck(benchmark::State& bench) {
    const Place delhi{28, 36, false, 77, 12, true, "-5", "-30"};
    CalculationState state;
    state.ChosenDateTime = local_days{2024y / March / 20} + hours{8} + minutes{15};
    for (auto _ : bench) {
        computeSunTimesAround(state, 2024y / March / 20, delhi);
        ComputeRahukalPeriod(state);
        benchmark::DoNotOptimize(state);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(wholeCheck);

void sunRiseSunSetAlone(benchmark::State& bench) {
    CalculationState state;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(runDelhi(state, 3, "20", "2024"));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(sunRiseSunSetAlone);

} // namespace
} // namespace horavela
