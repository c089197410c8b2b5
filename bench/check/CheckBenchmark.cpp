// One check from the click on "Is the Chosen Period in Rahul Kaal?" to the
// result window on the screen, in-process on the offscreen platform.
#include "tools/windowdriver/WindowDriver.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

using namespace horavela;

// Back to the main window, outside the measured time; the unloaded result
// window is deleted before the next click.
void goBackUntimed(benchmark::State& state, QMainWindow* result) {
    state.PauseTiming();
    goBack(result);
    state.ResumeTiming();
}

// Until the result window is shown: the check, the texts and the swap of windows.
void clickToResultShown(benchmark::State& state, const QWidget* window) {
    for (auto _ : state) {
        QMainWindow* result = runCheck(window);
        if (!result) {
            state.SkipWithError("the check showed no result window");
            return;
        }
        goBackUntimed(state, result);
    }
}

// As above, and the window's first paint done.
void clickToResultPainted(benchmark::State& state, const QWidget* window) {
    for (auto _ : state) {
        QMainWindow* result = runCheck(window);
        QCoreApplication::processEvents();
        if (!result) {
            state.SkipWithError("the check showed no result window");
            return;
        }
        goBackUntimed(state, result);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    auto* window = new horavela::frmMain;
    horavela::fillForm(window, "RAM", horavela::Pune, {2024, 3, 20, 12, 30, 0});
    window->show();
    QCoreApplication::processEvents();

    benchmark::RegisterBenchmark("ClickToResultShown", clickToResultShown, window)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ClickToResultPainted", clickToResultPainted, window)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete window;
    return EXIT_SUCCESS;
}
