// The month window, in-process on the offscreen platform:
// - from the choice of "Rahu Kaal of the Month..." to the window shown and
//   painted, against the About window shown from its menu entry the same way;
// - a month's PDF, and a year's, written into memory.
#include "app/frmAbout.h"
#include "bench/support/WindowShown.h"
#include "tools/windowdriver/WindowDriver.h"
#include "ui/main/frmMain.h"
#include "ui/month/MonthPages.h"
#include "weblinks/WebLinks.h"

#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <functional>

namespace {

using namespace std::chrono;

void monthPdf(benchmark::State& state) {
    const horavela::Place place{
        28, 36,          false,   77,     12, true, horavela::ZoneOffset{-5, -30},
        {}, "New Delhi", "Delhi", "India"};
    const QLocale locale;
    for (auto _ : state) {
        const QByteArray pdf = horavela::monthPdf(
            locale, place, {year{2025} / March, static_cast<int>(state.range(0))});
        if (pdf.isEmpty()) {
            state.SkipWithError("no PDF was written");
            return;
        }
        benchmark::DoNotOptimize(pdf.data());
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    horavela::setAboutWindowOpener(horavela::showAboutWindow);
    auto* window = new horavela::frmMain;
    horavela::fillForm(window, "ASHA", {"28", "36", false, "77", "12", true, "-5", "-30"},
                       {2025, 3, 18, 16, 10, 0});
    window->show();
    QCoreApplication::processEvents();
    auto* month = horavela::control<QAction>(window, "mnuMonth");
    auto* about = horavela::control<QAction>(window, "mnuAbout");
    const auto chooseMonth = [month] { month->trigger(); };
    const auto chooseAbout = [about] { about->trigger(); };

    // Registered first and run once: the first month window of a run measures
    // the texts of the user's language.
    benchmark::RegisterBenchmark("MonthShown/first", horavela::windowShown, "frmMonth",
                                 QEvent::Show, chooseMonth)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("MonthShown/later", horavela::windowShown, "frmMonth",
                                 QEvent::Show, chooseMonth)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("MonthPainted/later", horavela::windowShown, "frmMonth",
                                 QEvent::Paint, chooseMonth)
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
    benchmark::RegisterBenchmark("MonthPdf", monthPdf)
        ->Arg(1)
        ->Arg(12)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete window;
    return EXIT_SUCCESS;
}
