#include "platform/FirstOnScreen.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace horavela {

namespace {

class ExposeWatch : public QObject {
public:
    ExposeWatch(QWindow* window, std::function<void()> then)
        : QObject(window), window_(window), then_(std::move(then)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Expose && window_->isExposed()) {
            // Queued, so it runs once this expose has been handled and the
            // window's first contents are painted.
            window_->removeEventFilter(this);
            QTimer::singleShot(0, window_, std::move(then_));
            deleteLater();
        }
        return false;
    }

private:
    QWindow* window_;
    std::function<void()> then_;
};

} // namespace

void whenFirstOnScreen(QWidget& window, std::function<void()> then) {
    QWindow* handle = window.windowHandle();
    if (!handle)
        return;
    handle->installEventFilter(new ExposeWatch(handle, std::move(then)));
}

} // namespace horavela
