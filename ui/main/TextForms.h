// How the result window writes dates and times, in the user's language and
// regional settings.
#pragma once

#include "calc/CalculationState.h"

#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

namespace horavela {

// Full month name, a blank, the day, a comma and the year: "January 5,2024".
QString chosenDateText(const QLocale& locale, int month, QStringView day, QStringView year);

// The locale's short date, a blank and its long time ("1/5/2024 6:12:00 AM"),
// or the date alone at exactly midnight; empty when the time is unset.
QString dateTimeText(const QLocale& locale, const std::optional<DateTime>& time);

// Start, " to ", end.
QString periodText(const QLocale& locale, const std::optional<DateTime>& start,
                   const std::optional<DateTime>& end);

// "Rahukal Period (day)", "(night before)" or "(night after)": which stretch
// the period belongs to; the bare caption where there is none.
QString periodCaption(std::optional<Stretch> stretch);

// The locale's short date format with the year always in four digits.
QString shortDateFormat(const QLocale& locale);

// The locale's long time format without its time-zone field: the program's
// times carry no zone, so there is none to show.
QString longTimeFormat(const QLocale& locale);

} // namespace horavela
