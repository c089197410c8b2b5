// Calls back once, the first time a shown window is actually on screen (its
// first expose), which is later than show() returns on most platforms.
#pragma once

#include <QWidget>
#include <functional>

namespace horavela {

// The window must have been shown, so that it has its platform window.
void whenFirstOnScreen(QWidget& window, std::function<void()> then);

} // namespace horavela
