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

// A span's text as spanText writes it in the locale, broken after the dash
// for a column too narrow for it whole: "8:34 AM –" over "9:54 AM". Any
// other text is returned as it is.
QString brokenSpanText(const QLocale& locale, const QString& span);

} // namespace horavela
