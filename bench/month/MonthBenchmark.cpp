#include "month/MonthFiles.h"
#include "places/PlacesDatabase.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace horavela {
namespace {

using namespace std::chrono;

const Place Delhi{28, 36,          false,   77,     12, true, ZoneOffset{-5, -30},
                  {}, "New Delhi", "Delhi", "India"};

// A named zone looks up each day's offset among its changes.
Place newYork() {
    static PlacesDatabase zones(QStringLiteral(PLACES_DATABASE));
    return {40,
            43,
            false,
            74,
            0,
            false,
            ZoneOffset{5, 0},
            zones.zone("America/New_York"),
            "New York City",
            "New York",
            "United States"};
}
const Place NewYork = newYork();

void monthTableWithEnteredZone(benchmark::State& bench) {
    for (auto _ : bench)
        benchmark::DoNotOptimize(monthTable(Delhi, 2026y / March));
}
BENCHMARK(monthTableWithEnteredZone)->Unit(benchmark::kMicrosecond);

void monthTableWithLinkedZone(benchmark::State& bench) {
    for (auto _ : bench)
        benchmark::DoNotOptimize(monthTable(NewYork, 2026y / March));
}
BENCHMARK(monthTableWithLinkedZone)->Unit(benchmark::kMicrosecond);

void yearCalendar(benchmark::State& bench) {
    CalendarOptions options;
    options.periods = {true, bench.range(0) != 0, bench.range(0) != 0};
    options.stamp = QDateTime(QDate(2026, 12, 7), QTime(10, 0), Qt::UTC);
    for (auto _ : bench)
        benchmark::DoNotOptimize(monthCalendar(NewYork, {2026y / January, 12}, options));
}
// 0: Rahu Kaal alone, as saved by default; 1: all three periods.
BENCHMARK(yearCalendar)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void yearCsv(benchmark::State& bench) {
    for (auto _ : bench)
        benchmark::DoNotOptimize(monthCsv(NewYork, {2026y / January, 12}));
}
BENCHMARK(yearCsv)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace horavela
