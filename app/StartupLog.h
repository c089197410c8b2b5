// Start-up diagnostics, off unless asked for with
// QT_LOGGING_RULES="horavela.startup.info=true": which lock the program
// holds or meets, and when its main window is first on screen, at the start
// or brought up from the tray by a second start. The smoke test, the tray's
// desktop test and the start-up measurement of the real program read these
// lines.
#pragma once

#include <QLoggingCategory>

namespace horavela {

Q_DECLARE_LOGGING_CATEGORY(lcStartup)

} // namespace horavela
