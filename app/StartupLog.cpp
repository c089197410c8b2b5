#include "app/StartupLog.h"

namespace horavela {

// Warnings and above by default, so the info lines stay silent unless enabled.
Q_LOGGING_CATEGORY(lcStartup, "horavela.startup", QtWarningMsg)

} // namespace horavela
