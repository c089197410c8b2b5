// The coordinate search, in-process on the offscreen platform:
// - the gazetteer alone: the first search of a run, which opens and checks
//   the places database, then searches and the City box's suggestions, each
//   over a list of what users type, with the 99th percentile of one;
// - the window: from the click on "Click Here To Find Latitude & Longitude"
//   to the places window shown and painted, against the About window shown
//   from its menu entry the same way.
// With --memory it prints instead how much a run's peak memory grows with
// 100 searches and their suggestions (Linux only).
#include "app/frmAbout.h"
#include "bench/support/WindowShown.h"
#include "places/PlacesDatabase.h"
#include "tools/windowdriver/WindowDriver.h"
#include "ui/main/frmMain.h"
#include "weblinks/WebLinks.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using horavela::PlaceQuery;
using horavela::PlacesDatabase;

// City, state and country of every reference place, as users type them.
std::vector<PlaceQuery> typedPlaces() {
    std::vector<PlaceQuery> places;
    QFile file(QStringLiteral(REFERENCE_PLACES));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return places;
    while (!file.atEnd()) {
        const QStringList fields = QString::fromUtf8(file.readLine()).trimmed().split(u'\t');
        if (fields.size() == 7 && !fields[0].startsWith(u'#') && fields[0] != u"group")
            places.push_back({fields[1], fields[2], fields[3]});
    }
    return places;
}

// What the City box holds after each keystroke of typing the cities, the
// first `count` of them.
std::vector<QString> typedPrefixes(const std::vector<PlaceQuery>& places, std::size_t count) {
    std::vector<QString> prefixes;
    for (const PlaceQuery& place : places)
        for (qsizetype length = 1; length <= place.city.size() && prefixes.size() < count; ++length)
            prefixes.push_back(place.city.left(length));
    return prefixes;
}

double percentile(std::vector<double> values, double share) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(share * values.size()))];
}

// Each iteration times every one of the inputs on its own; the counters give
// the median and the 99th percentile of one, in milliseconds.
template <typename Input>
void eachTimed(benchmark::State& state, const std::vector<Input>& inputs,
               const std::function<bool(const Input&)>& work) {
    if (inputs.empty()) {
        state.SkipWithError("no inputs: the reference places are missing");
        return;
    }
    std::vector<double> times;
    for (auto _ : state) {
        for (const Input& input : inputs) {
            const Clock::time_point start = Clock::now();
            const bool answered = work(input);
            times.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            if (!answered) {
                state.SkipWithError("the places database cannot be used");
                return;
            }
        }
    }
    state.counters["median_ms"] = percentile(times, 0.5);
    state.counters["p99_ms"] = percentile(times, 0.99);
    state.counters["max_ms"] = percentile(times, 1.0);
    state.counters["inputs"] = static_cast<double>(inputs.size());
}

void firstSearch(benchmark::State& state) {
    for (auto _ : state) {
        PlacesDatabase database(QStringLiteral(PLACES_DATABASE));
        const auto found = database.find({u"Pune"_qs, u"Maharashtra"_qs, u"India"_qs}, 20);
        if (!found || found->empty()) {
            state.SkipWithError("the places database found no Pune");
            return;
        }
    }
}

void laterSearches(benchmark::State& state) {
    PlacesDatabase database(QStringLiteral(PLACES_DATABASE));
    database.find({u"Pune"_qs, u"MH"_qs, u"India"_qs}, 20);
    eachTimed<PlaceQuery>(state, typedPlaces(), [&](const PlaceQuery& place) {
        return database.find(place, 20).has_value();
    });
}

void keystrokeSuggestions(benchmark::State& state) {
    PlacesDatabase database(QStringLiteral(PLACES_DATABASE));
    database.suggest(u"P"_qs, 10);
    eachTimed<QString>(state, typedPrefixes(typedPlaces(), 200), [&](const QString& typed) {
        return database.suggest(typed, 10).has_value();
    });
}

// Kilobytes of the process's peak resident memory so far; 0 where unknown.
long peakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    // Files under /proc report no size, so they are read whole, not up to atEnd().
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return 0;
}

int measureMemory() {
    const long before = peakKilobytes();
    if (before == 0) {
        std::puts("peak memory cannot be read on this system");
        return EXIT_SUCCESS;
    }
    PlacesDatabase database(QStringLiteral(PLACES_DATABASE));
    const std::vector<PlaceQuery> places = typedPlaces();
    const std::size_t searches = std::min<std::size_t>(100, places.size());
    for (std::size_t i = 0; i < searches; ++i) {
        database.find(places[i], 20);
        for (const QString& prefix : typedPrefixes({places[i]}, 1000))
            database.suggest(prefix, 10);
    }
    const long after = peakKilobytes();
    std::printf("peak memory: %ld kB before any search, %ld kB after %zu searches with their "
                "suggestions: %ld kB more\n",
                before, after, searches, after - before);
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--memory") == 0)
        return measureMemory();
    PlacesDatabase places(QStringLiteral(PLACES_DATABASE));
    const horavela::ScopedGazetteer usingPlaces(places);
    horavela::setAboutWindowOpener(horavela::showAboutWindow);
    auto* window = new horavela::frmMain;
    horavela::fillSearchPlace(window, QStringLiteral("Pune"), QStringLiteral("Maharashtra"),
                              QStringLiteral("India"));
    window->show();
    QCoreApplication::processEvents();
    auto* search = horavela::control<QPushButton>(window, "cmdBrowser");
    auto* about = horavela::control<QAction>(window, "mnuAbout");
    const auto clickSearch = [search] { search->click(); };
    const auto chooseAbout = [about] { about->trigger(); };

    benchmark::RegisterBenchmark("Gazetteer/firstSearch", firstSearch)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Gazetteer/laterSearches", laterSearches)
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Gazetteer/keystrokeSuggestions", keystrokeSuggestions)
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    // Registered before the other window rounds and run once, so that it alone
    // meets the database unopened.
    benchmark::RegisterBenchmark("PlacesShown/first", horavela::windowShown, "frmPlaceSearch",
                                 QEvent::Show, clickSearch)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PlacesShown/later", horavela::windowShown, "frmPlaceSearch",
                                 QEvent::Show, clickSearch)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PlacesPainted/later", horavela::windowShown, "frmPlaceSearch",
                                 QEvent::Paint, clickSearch)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("AboutShown/yardstick", horavela::windowShown, "frmAbout",
                                 QEvent::Show, chooseAbout)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("AboutPainted/yardstick", horavela::windowShown, "frmAbout",
                                 QEvent::Paint, chooseAbout)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete window;
    return EXIT_SUCCESS;
}
