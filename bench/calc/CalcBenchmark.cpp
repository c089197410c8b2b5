#include "CalculationState.h"
#include "modSunRiseSunSet.h"

#include <benchmark/benchmark.h>
#include <charconv>
#include <chrono>

namespace horavela {
namespace {

using namespace std::chrono;

// Day and year of a neighbouring date as texts, the way the check command passes them.
struct DateTexts {
    int month;
    char day[4];
    char year[8];
    std::size_t dayLength;
    std::size_t yearLength;

    explicit DateTexts(year_month_day date) : month(static_cast<int>(unsigned{date.month()})) {
        dayLength = static_cast<std::size_t>(
            std::to_chars(day, day + sizeof day, unsigned{date.day()}).ptr - day);
        yearLength = static_cast<std::size_t>(
            std::to_chars(year, year + sizeof year, int{date.year()}).ptr - year);
    }
};

SunResult runDelhi(CalculationState& state, int month, std::string_view day,
                   std::string_view year) {
    return ComputeSunRiseSunSet(state, month, day, year, 28, 36, false, 77, 12, true, "-5", "-30");
}

void WholeCheck(benchmark::State& bench) {
    CalculationState state;
    state.ChosenDateTime = local_days{2024y / March / 20} + hours{8} + minutes{15};
    for (auto _ : bench) {
        const local_days chosen{2024y / March / 20};
        runDelhi(state, 3, "20", "2024");
        state.InputDaySunRise = state.SunTimes[0];
        state.InputDaySunSet = state.SunTimes[1];
        const DateTexts previous{year_month_day{chosen - days{1}}};
        runDelhi(state, previous.month, {previous.day, previous.dayLength},
                 {previous.year, previous.yearLength});
        state.PreviousDaySunRise = state.SunTimes[0];
        state.PreviousDaySunSet = state.SunTimes[1];
        const DateTexts next{year_month_day{chosen + days{1}}};
        runDelhi(state, next.month, {next.day, next.dayLength}, {next.year, next.yearLength});
        state.NextDaySunRise = state.SunTimes[0];
        state.NextDaySunSet = state.SunTimes[1];
        ComputeRahukalPeriod(state);
        benchmark::DoNotOptimize(state);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(WholeCheck);

void SunRiseSunSetAlone(benchmark::State& bench) {
    CalculationState state;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(runDelhi(state, 3, "20", "2024"));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SunRiseSunSetAlone);

} // namespace
} // namespace horavela
