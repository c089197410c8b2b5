// The coordinate search from the click on "Click Here To Find Latitude &
// Longitude" to the places window shown, in-process on the offscreen platform:
// the first click, which loads the gazetteer, and the clicks after it. The
// yardstick is the About window shown from its menu entry, the same way.
#include "WindowDriver.h"
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;

// Notes when the named window is first shown, or first painted, and closes it
// then, which ends the modal loop the click started.
class WindowWatch : public QObject {
public:
    WindowWatch(const char* name, QEvent::Type until) : name_(name), until_(until) {
        qApp->installEventFilter(this);
    }
    ~WindowWatch() override { qApp->removeEventFilter(this); }

    // Seconds from the start of `click` until the window reached the event;
    // negative when it never did.
    double measure(const std::function<void()>& click) {
        reached_ = false;
        const Clock::time_point start = Clock::now();
        click();
        return reached_ ? std::chrono::duration<double>(at_ - start).count() : -1;
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
                 std::function<void()> click) {
    WindowWatch watch(name, until);
    for (auto _ : state) {
        const double seconds = watch.measure(click);
        if (seconds < 0) {
            state.SkipWithError("the window was not shown; is libgeonames installed?");
            return;
        }
        state.SetIterationTime(seconds);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    auto* window = new horavela::frmMain;
    horavela::fillSearchPlace(window, QStringLiteral("Pune"), QStringLiteral("Maharashtra"),
                              QStringLiteral("India"));
    window->show();
    QCoreApplication::processEvents();
    auto* search = horavela::control<QPushButton>(window, "cmdBrowser");
    auto* about = horavela::control<QAction>(window, "mnuAbout");
    const auto clickSearch = [search] { search->click(); };
    const auto chooseAbout = [about] { about->trigger(); };

    // Registered first and run once, so that it alone meets the gazetteer unloaded.
    benchmark::RegisterBenchmark("PlacesShown/first", windowShown, "frmPlaceSearch", QEvent::Show,
                                 clickSearch)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PlacesShown/later", windowShown, "frmPlaceSearch", QEvent::Show,
                                 clickSearch)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PlacesPainted/later", windowShown, "frmPlaceSearch",
                                 QEvent::Paint, clickSearch)
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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete window;
    return EXIT_SUCCESS;
}
