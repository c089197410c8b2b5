// Times a window from the command that opens it to its first show or paint,
// on the offscreen platform; the window benchmarks share it.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QLatin1String>
#include <QObject>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>

namespace horavela {

// Notes when the named window is first shown, or first painted, and closes it
// then, which ends the modal loop the command started.
class WindowWatch : public QObject {
public:
    using Clock = std::chrono::steady_clock;

    WindowWatch(const char* name, QEvent::Type until) : name_(name), until_(until) {
        qApp->installEventFilter(this);
    }
    ~WindowWatch() override { qApp->removeEventFilter(this); }

    // Seconds from the start of `open` until the window reached the event;
    // negative when it never did.
    double measure(const std::function<void()>& open) {
        reached_ = false;
        const Clock::time_point start = Clock::now();
        open();
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

// A benchmark of manual time: each round, `open` up to the named window's event.
inline void windowShown(benchmark::State& state, const char* name, QEvent::Type until,
                        std::function<void()> open) {
    WindowWatch watch(name, until);
    for (auto _ : state) {
        const double seconds = watch.measure(open);
        if (seconds < 0) {
            state.SkipWithError("the window was not shown");
            return;
        }
        state.SetIterationTime(seconds);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace horavela
