#include "ShownReport.h"

#include <QEvent>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace horavela::bench {

namespace {

class ExposeWatch : public QObject {
public:
    explicit ExposeWatch(QWindow* window, std::function<void()> then)
        : QObject(window), window_(window), then_(std::move(then)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Expose && window_->isExposed() &&
            !reported_) {
            reported_ = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            then_();
        }
        return false;
    }

private:
    QWindow* window_;
    std::function<void()> then_;
    bool reported_ = false;
};

} // namespace

void reportWhenShown(QWidget& window, std::function<void()> then) {
    QWindow* handle = window.windowHandle();
    handle->installEventFilter(new ExposeWatch(handle, std::move(then)));
}

} // namespace horavela::bench
