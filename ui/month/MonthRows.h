// The month's table as the window and its pages show it: the column titles,
// one row of texts a day, and the widest texts each column can hold.
#pragma once

#include "calc/DayPeriods.h"

#include <QFont>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace horavela {

// The months the main window's year list holds.
inline constexpr std::chrono::year FirstYear{1901};
inline constexpr std::chrono::year LastYear{2050};
inline constexpr std::chrono::year_month FirstMonth{FirstYear, std::chrono::January};
inline constexpr std::chrono::year_month LastMonth{LastYear, std::chrono::December};

inline constexpr int MonthColumns = 7;
// Sunrise's column: a day without sun times says why from there to the last column.
inline constexpr int FirstSunColumn = 2;

const std::array<QString, MonthColumns>& monthColumnTitles();

struct MonthRow {
    std::array<QString, MonthColumns> cells;
    // The day has no sun times: cells[FirstSunColumn] says why, across the rest of the row.
    bool sunless = false;
};

MonthRow monthRow(const QLocale& locale, const DayPeriods& day);

// For each column, the few widest texts in the font of all it can hold in the
// locale, so that columns sized from them fit every month; the column's title
// among them. The last list holds what a day without sun times says across
// its columns.
std::array<QStringList, MonthColumns + 1> widestMonthTexts(const QLocale& locale,
                                                           const QFont& font);

} // namespace horavela
