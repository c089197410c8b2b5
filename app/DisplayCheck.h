// Tells, before any window is made, whether there is a desktop to show it on.
#pragma once

namespace horavela {

// True when a display server is named or Qt is told which platform to use.
// Otherwise writes what is missing to standard error and returns false.
bool checkDisplayAvailable();

// Where a desktop may be missing and none is named, tells Qt to draw off screen, so that a
// QGuiApplication starts without one; Windows and macOS draw without a display as they are.
void drawOffscreenWithoutDisplay();

} // namespace horavela
