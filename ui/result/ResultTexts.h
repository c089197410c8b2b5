// What the result window shows of one check, and how it writes dates and
// times, in the user's language and regional settings.
#pragma once

#include "calc/CalculationState.h"
#include "calc/modRahukal.h"

#include <QLocale>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace horavela {

// Everything one check writes into the window; every check writes all of it.
struct ResultTexts {
    QString chosenDate;
    QString chosenTime;
    QString rahukalResult;
    bool showNote = false; // the moment lies in Rahu Kaal
    // Sunrise and sunset of the day before, of the chosen day and of the day after.
    std::array<QString, 6> sunTimes;
    QString rahukalPeriod;
    // The period's caption with the stretch it belongs to; empty for the
    // window's own caption.
    QString periodCaption;
};

// "The Chosen Time Period is in Rahu Kaal" or "... is not in Rahu Kaal".
QString verdictText(Verdict verdict);

// The texts of a check that the calculation state holds, the chosen time as
// the lists' texts joined by ":".
ResultTexts resultTexts(const QLocale& locale, const CalculationState& state);

// Full month name, a blank, the day, a comma and the year: "January 5,2024".
QString chosenDateText(const QLocale& locale, int month, QStringView day, QStringView year);

// The locale's short date, a blank and its long time ("1/5/2024 6:12:00 AM"),
// or the date alone at exactly midnight; empty when the time is unset.
QString dateTimeText(const QLocale& locale, const std::optional<DateTime>& time);

// Start, " to ", end.
QString periodText(const QLocale& locale, const std::optional<DateTime>& start,
                   const std::optional<DateTime>& end);

// "Rahukal Period (day)", "Rahukal Period (night before)" or "Rahukal Period
// (night after)": which stretch the period belongs to; empty where there is
// none, which leaves the window's own caption.
QString periodCaption(std::optional<Stretch> stretch);

// The locale's short date format with the year always in four digits.
QString shortDateFormat(const QLocale& locale);

// The locale's long time format without its time-zone field: the program's
// times carry no zone, so there is none to show.
QString longTimeFormat(const QLocale& locale);

} // namespace horavela
