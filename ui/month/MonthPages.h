// The month's pages, printed or saved as PDF alike: a month from a page of
// its own, with its heading, its table and a note on how the times are worked
// out.
#pragma once

#include "month/MonthFiles.h"
#include "month/MonthPlace.h"

#include <QByteArray>
#include <QLocale>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;

namespace horavela {

// Letter where the region measures in US units, else A4.
QPageSize regionalPageSize(const QLocale& locale);

// What the line under each table says.
QString sunriseNote();

// Paints the months on the device, each from a page of its own, the first on
// the page that is open; false when the device cannot be painted on. Sets the
// device's margins, and turns its pages to landscape where the table is too
// wide for them upright; a month too long for a page goes on to the next.
bool paintMonthPages(QPagedPaintDevice& device, const QLocale& locale, const Place& place,
                     MonthRange range);

// The months as a PDF file, its fonts embedded.
QByteArray monthPdf(const QLocale& locale, const Place& place, MonthRange range);

} // namespace horavela
