#include "ui/month/MonthPages.h"

#include "month/MonthTexts.h"
#include "ui/month/MonthRows.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <numeric>

namespace horavela {

namespace {

using namespace std::chrono;

constexpr double TitlePoints = 14;
constexpr double HeadingPoints = 10;
constexpr double TablePoints = 9;
constexpr double NotePoints = 8;
// A table wider than the page is set smaller, but not below this.
constexpr double SmallestTablePoints = 5;
constexpr QMarginsF PageMargins(15, 15, 15, 15);
// Room around each cell's text, in ems of the table's font.
constexpr double CellPadding = 0.5;
constexpr double RowLeading = 1.5;

QFont pageFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

std::array<double, MonthColumns>
columnWidths(const QFont& font, const QFont& titleFont, const QPaintDevice& device,
             const std::array<QStringList, MonthColumns + 1>& texts) {
    const QFontMetricsF metrics(font, &device);
    const QFontMetricsF titles(titleFont, &device);
    const double padding = 2 * CellPadding * metrics.height();
    std::array<double, MonthColumns> widths{};
    for (int column = 0; column < MonthColumns; ++column) {
        const QStringList& column_texts = texts[std::size_t(column)];
        double widest = titles.horizontalAdvance(monthColumnTitles()[std::size_t(column)]);
        for (const QString& text : column_texts)
            widest = std::max(widest, metrics.horizontalAdvance(text));
        widths[std::size_t(column)] = widest + padding;
    }
    // A day without sun times writes across the sun's columns.
    double sunless = 0;
    for (const QString& text : texts[MonthColumns])
        sunless = std::max(sunless, metrics.horizontalAdvance(text) + padding);
    const double across = std::accumulate(widths.begin() + FirstSunColumn, widths.end(), 0.0);
    if (sunless > across)
        widths.back() += sunless - across;
    return widths;
}

void paintMonth(QPainter& painter, const QRectF& page, const QLocale& locale,
                const MonthPlace& place, year_month month,
                const std::array<QStringList, MonthColumns + 1>& texts) {
    QPaintDevice& device = *painter.device();
    double top = page.top();
    const auto line = [&](const QString& text, const QFont& font, int flags = Qt::AlignLeft) {
        painter.setFont(font);
        const QRectF room(page.left(), top, page.width(), page.bottom() - top);
        const QRectF used =
            painter.boundingRect(room, flags | Qt::TextWordWrap | Qt::AlignTop, text);
        painter.drawText(room, flags | Qt::TextWordWrap | Qt::AlignTop, text);
        top = used.bottom() + QFontMetricsF(font, &device).height() * 0.3;
    };
    line(monthHeading(locale, month), pageFont(TitlePoints, true), Qt::AlignHCenter);
    line(placeHeading(place), pageFont(HeadingPoints), Qt::AlignHCenter);
    line(QCoreApplication::translate("horavela::frmMonth", "Time Zone: %1")
             .arg(zoneHeading(place, month)),
         pageFont(HeadingPoints), Qt::AlignHCenter);
    top += QFontMetricsF(pageFont(HeadingPoints), &device).height() * 0.5;

    // The table as large as the page's width allows, up to its designed size.
    double points = TablePoints;
    std::array<double, MonthColumns> widths{};
    for (;; points -= 0.25) {
        widths = columnWidths(pageFont(points), pageFont(points, true), device, texts);
        if (points <= SmallestTablePoints ||
            std::accumulate(widths.begin(), widths.end(), 0.0) <= page.width())
            break;
    }
    const QFont cellFont = pageFont(points);
    const QFont titleFont = pageFont(points, true);
    const QFontMetricsF metrics(cellFont, &device);
    const double rowHeight = metrics.height() * RowLeading;
    const double padding = CellPadding * metrics.height();
    const double tableWidth = std::accumulate(widths.begin(), widths.end(), 0.0);
    const double left = page.left() + (page.width() - tableWidth) / 2;

    const auto cellRect = [&](int column, int span, double y) {
        const double x = left + std::accumulate(widths.begin(), widths.begin() + column, 0.0);
        const double width =
            std::accumulate(widths.begin() + column, widths.begin() + column + span, 0.0);
        return QRectF(x, y, width, rowHeight);
    };
    const auto drawCell = [&](const QRectF& cell, const QString& text) {
        painter.drawText(cell.adjusted(padding, 0, -padding, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         text);
    };

    painter.setPen(QPen(Qt::black, 0));
    painter.setFont(titleFont);
    painter.fillRect(QRectF(left, top, tableWidth, rowHeight), QColor(225, 225, 225));
    for (int column = 0; column < MonthColumns; ++column)
        drawCell(cellRect(column, 1, top), monthColumnTitles()[std::size_t(column)]);
    const double tableTop = top;
    top += rowHeight;

    painter.setFont(cellFont);
    const std::vector<DayPeriods> days = monthTable(place, month);
    for (std::size_t i = 0; i < days.size(); ++i) {
        const MonthRow row = monthRow(locale, days[i]);
        if (i % 2 == 1)
            painter.fillRect(QRectF(left, top, tableWidth, rowHeight), QColor(243, 243, 243));
        for (int column = 0; column < MonthColumns; ++column) {
            if (row.sunless && column == FirstSunColumn) {
                drawCell(cellRect(column, MonthColumns - column, top),
                         row.cells[std::size_t(column)]);
                break;
            }
            drawCell(cellRect(column, 1, top), row.cells[std::size_t(column)]);
        }
        top += rowHeight;
    }
    painter.drawRect(QRectF(left, tableTop, tableWidth, top - tableTop));
    painter.drawLine(QPointF(left, tableTop + rowHeight),
                     QPointF(left + tableWidth, tableTop + rowHeight));
    top += rowHeight / 2;
    line(sunriseNote(), pageFont(NotePoints));
}

} // namespace

QPageSize regionalPageSize(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

QString sunriseNote() {
    return QCoreApplication::translate(
        "MonthPages",
        "Sunrise and sunset are worked out to the minute by the almanac method, for the moment "
        "the sun's centre lies 50 minutes of arc below the horizon (its upper edge meeting the "
        "horizon, allowing for refraction), at this place and in its time zone; each period is "
        "one eighth of the daylight between them.");
}

bool paintMonthPages(QPagedPaintDevice& device, const QLocale& locale, const MonthPlace& place,
                     MonthRange range) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF page(0, 0, device.width(), device.height());
    const std::array<QStringList, MonthColumns + 1> texts =
        widestMonthTexts(locale, pageFont(TablePoints));
    year_month month = range.first;
    for (int i = 0; i < range.count; ++i, month += months{1}) {
        if (i > 0 && !device.newPage())
            return false;
        paintMonth(painter, page, locale, place, month, texts);
    }
    return painter.end();
}

QByteArray monthPdf(const QLocale& locale, const MonthPlace& place, MonthRange range) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(regionalPageSize(locale));
        writer.setPageMargins(PageMargins, QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("Horavela"));
        writer.setTitle(QCoreApplication::translate("horavela::frmMonth", "Rahu Kaal, %1")
                            .arg(monthHeading(locale, range.first)));
        if (!paintMonthPages(writer, locale, place, range))
            return {};
    }
    return buffer.data();
}

} // namespace horavela
