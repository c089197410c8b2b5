// The month window, in-process on the offscreen platform:
// - from the choice of "Rahu Kaal of the Month..." to the window shown and
//   painted, against the About window shown from its menu entry the same way;
// - a month's PDF, and a year's, written into memory.
#include "app/frmAbout.h"
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

using Clock = std::chrono::steady_clock;
using namespace std::chrono;

// Notes when the named window is first shown, or first painted, and closes it
// then, which ends the modal loop the menu entry started.
class WindowWatch : public QObject {
public:
    WindowWatch(const char* name, QEvent::Type until) : name_(name), until_(until) {
        qApp->installEventFilter(this);
    }
    ~WindowWatch() override { qApp->removeEventFilter(this); }

    // Seconds from the start of `choose` until the window reached the event;
    // negative when it never did.
    double measure(const std::function<void()>& choose) {
        reached_ = false;
        const Clock::time_point start = Clock::now();
        choose();
        return reached_ ? duration<double>(at_ - start).count() : -1;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!reached_ && event->type() == until_ && watched->objectName() == name_) {
            at_ = Clock::now();
            reached_ = true;
            QMetaObject::invokeMethod(watched, "reject", Qt::QueuedConnection);
        }
        return false;
    }

private:
    QLatin1String name_;
    QEvent::Type until_;
    bool reached_ = false;
    Clock::time_point at_;
};

void windowShown(benchmark::State& state, const char* name, QEvent::Type until,
                 std::function<void()> choose) {
    WindowWatch watch(name, until);
    for (auto _ : state) {
        const double seconds = watch.measure(choose);
        if (seconds < 0) {
            state.SkipWithError("the window was not shown");
            return;
        }
        state.SetIterationTime(seconds);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void monthPdf(benchmark::State& state) {
    const horavela::MonthPlace place{
        horavela::Place{28, 36, false, 77, 12, true, horavela::ZoneOffset{-5, -30}}, "Asia/Kolkata",
        QStringLiteral("New Delhi"), QStringLiteral("Delhi"), QStringLiteral("India")};
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
    benchmark::RegisterBenchmark("MonthShown/first", windowShown, "frmMonth", QEvent::Show,
                                 chooseMonth)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("MonthShown/later", windowShown, "frmMonth", QEvent::Show,
                                 chooseMonth)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("MonthPainted/later", windowShown, "frmMonth", QEvent::Paint,
                                 chooseMonth)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("AboutShown/yardstick", windowShown, "frmAbout", QEvent::Show,
                                 chooseAbout)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("AboutPainted/yardstick", windowShown, "frmAbout", QEvent::Paint,
                                 chooseAbout)
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
