// Calls back once, when a shown window is first on screen with its contents
// painted: after its first expose, which comes later than show() returns.
#pragma once

#include <QWidget>
#include <functional>

namespace horavela {

// The window must have been shown, so that it has its platform window.
void whenFirstOnScreen(QWidget& window, std::function<void()> then);

} // namespace horavela
