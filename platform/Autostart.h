// "Start with the Desktop": the program started in the tray when the user
// logs in, through the system's own list of what starts with the user: an
// autostart desktop entry on Linux, the Run key of the user's registry on
// Windows, a launch agent on macOS.
#pragma once

#include <QString>

namespace horavela {

// Whether the program is in that list, and not turned off there by the user
// or the desktop's own settings.
bool startsWithDesktop();

// Puts the program at programPath in the list, started with --tray, or takes
// it out. False when the list cannot be written.
bool setStartWithDesktop(bool on, const QString& programPath);

} // namespace horavela
