// Tells the start-up runner when a window is first on screen: prints the
// monotonic clock, in nanoseconds, on standard output.
#pragma once

#include <QWidget>
#include <functional>

namespace horavela::bench {

// Calls `then` right after the report; the window must have been shown.
void reportWhenShown(QWidget& window, std::function<void()> then);

} // namespace horavela::bench
