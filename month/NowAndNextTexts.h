// What is on now and next at a place, and its reminders, as the tray says them: in the user's
// language and regional time format.
#pragma once

#include "calc/NowAndNext.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace horavela {

// "Rahu Kaal now, until 4:59 PM".
QString periodNowText(const QLocale& locale, const PeriodAt& now);
// "Next: Yamaganda, 9:43 AM to 11:13 AM", with "tomorrow" after the name where it is.
QString nextPeriodText(const QLocale& locale, const PeriodAt& next);
// "No periods today: sun up all day", and the same for tomorrow.
QString noPeriodsText(Sunless sunless, bool tomorrow);
// The period on now, then the next one; where there is no next one, why the day has none.
QStringList nowAndNextLines(const QLocale& locale, const NowAndNext& nowAndNext);
// "Rahu Kaal starts at 3:29 PM, in 10 minutes (Pune)", "Rahu Kaal starts now (Pune)".
QString reminderText(const QLocale& locale, const Reminder& reminder, const Place& place);

} // namespace horavela
