// The reminders' settings kept between runs, in the group "reminders" of the
// program's kept settings: the Reminders window writes them, the tray reads them.
#pragma once

#include "calc/NowAndNext.h"

namespace horavela {

// The settings last kept. Each value that is missing, damaged or out of range
// is that period's default, as is everything when the settings cannot be read.
ReminderSettings keptReminderSettings();
// Returns false when the settings could not be written.
bool keepReminderSettings(const ReminderSettings& settings);

} // namespace horavela
