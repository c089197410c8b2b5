// The widest texts each column of the month's table can hold, from which the
// window and its pages size their columns.
#pragma once

#include "month/MonthTexts.h"

#include <QFont>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace horavela {

// For each column, the few widest texts in the font of all it can hold in the
// locale, so that columns sized from them fit every month; the column's title
// among them. The last list holds what a day without sun times says across
// its columns.
std::array<QStringList, MonthColumns + 1> widestMonthTexts(const QLocale& locale,
                                                           const QFont& font);

} // namespace horavela
