#include "calc/Check.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace horavela {
namespace {

using namespace std::chrono;

const Place Delhi{28, 36, false, 77, 12, true, ZoneOffset{-5, -30}};

void wholeCheck(benchmark::State& bench) {
    CalculationState state;
    const DateTime moment = local_days{2024y / March / 20} + hours{8} + minutes{15};
    for (auto _ : bench) {
        benchmark::DoNotOptimize(check(state, Delhi, moment));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(wholeCheck);

void sunRiseSunSetAlone(benchmark::State& bench) {
    CalculationState state;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(
            ComputeSunRiseSunSet(state, 3, "20", "2024", 28, 36, false, 77, 12, true, "-5", "-30"));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(sunRiseSunSetAlone);

} // namespace
} // namespace horavela
