#include "FirstOnScreen.h"

#include <QEvent>
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
            // Gone before the callback runs, so a callback that ends the
            // program meets no half-dead watch.
            window_->removeEventFilter(this);
            deleteLater();
            then_();
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
