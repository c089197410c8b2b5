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
#include <optional>

namespace horavela {

namespace {

using namespace std::chrono;
using MonthTextLists = std::array<QStringList, MonthColumns + 1>;
using ColumnWidths = std::array<double, MonthColumns>;

constexpr double TitlePoints = 14;
constexpr double HeadingPoints = 10;
constexpr double TablePoints = 9;
constexpr double NotePoints = 8;
// Nothing on the pages is smaller. A table too wide for the page gives up
// room in its cells, turns the page, breaks its spans over two lines, and
// only then is set smaller, down to this.
constexpr double SmallestTablePoints = 8;
constexpr double PointsStep = 0.25;
// As much as a printer can print of a page often ends a few millimetres from
// its edges; the pages keep well inside that.
constexpr double MarginMillimetres = 15;
// Room left and right of each cell's text, in lines of the table's font: the
// designed room, or less, in steps, before the page turns.
constexpr double CellPadding = 0.5;
constexpr double LeastCellPadding = 0.15;
constexpr double PaddingStep = 0.05;
// Room above and below a row's text, in lines of the table's font: as much as
// the page has room for between these.
constexpr double RowLeading = 0.5;
constexpr double LeastRowLeading = 0.2;

QFont pageFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// How the table is set on the pages.
struct TableSetting {
    double points = TablePoints;
    double padding = CellPadding;
    // Spans on two lines, titles wrapped at their words.
    bool broken = false;
};

double widestLine(const QFontMetricsF& metrics, const QString& text) {
    double widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

double widestWord(const QFontMetricsF& metrics, const QString& text) {
    double widest = 0;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

bool isSpanColumn(int column) {
    return column > FirstSunColumn + 1;
}

ColumnWidths columnWidths(const TableSetting& setting, const QPaintDevice& device,
                          const QLocale& locale, const MonthTextLists& texts) {
    const QFontMetricsF metrics(pageFont(setting.points), &device);
    const QFontMetricsF titles(pageFont(setting.points, true), &device);
    const double padding = 2 * setting.padding * metrics.height();
    ColumnWidths widths{};
    for (int column = 0; column < MonthColumns; ++column) {
        const QString title = monthColumnTitles()[std::size_t(column)];
        double widest =
            setting.broken ? widestWord(titles, title) : titles.horizontalAdvance(title);
        for (const QString& text : texts[std::size_t(column)]) {
            if (setting.broken && text == title)
                continue;
            const bool broken = setting.broken && isSpanColumn(column);
            widest =
                std::max(widest, widestLine(metrics, broken ? brokenSpanText(locale, text) : text));
        }
        widths[std::size_t(column)] = widest + padding;
    }
    // A day without sun times writes across the sun's columns, wrapped at its
    // words: such days are few, and only far from the equator.
    double sunless = 0;
    for (const QString& text : texts[MonthColumns])
        sunless = std::max(sunless, widestWord(metrics, text) + padding);
    const double across = std::accumulate(widths.begin() + FirstSunColumn, widths.end(), 0.0);
    if (sunless > across)
        widths.back() += sunless - across;
    return widths;
}

double sum(const ColumnWidths& widths) {
    return std::accumulate(widths.begin(), widths.end(), 0.0);
}

// The first setting, in this order, at which the table fits the page's width:
// as designed, or with less room in its cells; on the page turned to
// landscape; with its spans broken; and only then smaller.
TableSetting fitTable(QPagedPaintDevice& device, const QLocale& locale,
                      const MonthTextLists& texts) {
    // The roomiest cells at which the table fits at the setting's size, if it fits.
    const auto roomiest = [&](TableSetting setting) -> std::optional<TableSetting> {
        for (; setting.padding > LeastCellPadding - PaddingStep / 2; setting.padding -= PaddingStep)
            if (sum(columnWidths(setting, device, locale, texts)) <= device.width())
                return setting;
        return std::nullopt;
    };
    if (const std::optional<TableSetting> fits = roomiest({}))
        return *fits;
    if (device.pageLayout().orientation() == QPageLayout::Portrait) {
        device.setPageOrientation(QPageLayout::Landscape);
        if (const std::optional<TableSetting> fits = roomiest({}))
            return *fits;
    }
    for (double points = TablePoints; points > SmallestTablePoints - PointsStep / 2;
         points -= PointsStep)
        if (const std::optional<TableSetting> fits = roomiest({points, CellPadding, true}))
            return *fits;
    return {SmallestTablePoints, LeastCellPadding, true};
}

// Margins of MarginMillimetres, or wider where the printer cannot print so near the edge.
void setPageMargins(QPagedPaintDevice& device) {
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = layout.minimumMargins();
    device.setPageMargins(QMarginsF(std::max(MarginMillimetres, least.left()),
                                    std::max(MarginMillimetres, least.top()),
                                    std::max(MarginMillimetres, least.right()),
                                    std::max(MarginMillimetres, least.bottom())),
                          QPageLayout::Millimeter);
}

// Paints the lines above the table, wrapped to the page's width; where the table begins.
double paintHeading(QPainter& painter, const QRectF& page, const QLocale& locale,
                    const Place& place, year_month month, const QString& zone) {
    QPaintDevice& device = *painter.device();
    double top = page.top();
    const auto line = [&](const QString& text, const QFont& font) {
        painter.setFont(font);
        const QRectF room(page.left(), top, page.width(), page.bottom() - top);
        const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
        const QRectF used = painter.boundingRect(room, flags, text);
        painter.drawText(room, flags, text);
        top = used.bottom() + QFontMetricsF(font, &device).height() * 0.3;
    };
    line(monthHeading(locale, month), pageFont(TitlePoints, true));
    line(placeHeading(place), pageFont(HeadingPoints));
    line(QCoreApplication::translate("horavela::frmMonth", "Time Zone: %1").arg(zone),
         pageFont(HeadingPoints));
    return top + QFontMetricsF(pageFont(HeadingPoints), &device).height() * 0.5;
}

// A month's table, from a page of its own and on as many more as it needs,
// each with the heading and the columns' titles, and the note under it.
class MonthTable {
public:
    MonthTable(QPainter& painter, const QRectF& page, const TableSetting& setting,
               const ColumnWidths& widths)
        : painter_(painter), page_(page), widths_(widths), cellFont_(pageFont(setting.points)),
          titleFont_(pageFont(setting.points, true)),
          lineHeight_(QFontMetricsF(cellFont_, painter.device()).height()),
          padding_(setting.padding * lineHeight_), broken_(setting.broken), width_(sum(widths)),
          left_(page.left() + (page.width() - width_) / 2) {}

    bool paint(QPagedPaintDevice& device, const QLocale& locale, const Place& place,
               year_month month);

private:
    struct Row {
        MonthRow cells;
        double height = 0; // of its tallest text
    };

    QRectF cellRect(int column, int span, double y, double height) const {
        const double x = left_ + std::accumulate(widths_.begin(), widths_.begin() + column, 0.0);
        const double width =
            std::accumulate(widths_.begin() + column, widths_.begin() + column + span, 0.0);
        return {x, y, width, height};
    }
    // Each cell's rectangle in a row from y of the height, its text and how it is drawn, in
    // the row's order.
    template <typename Function>
    void forEachCell(const MonthRow& row, double y, double height, Function&& function) const {
        for (int column = 0; column < MonthColumns; ++column) {
            const bool across = row.sunless && column == FirstSunColumn;
            const int flags =
                Qt::AlignLeft | Qt::AlignVCenter | (broken_ || across ? Qt::TextWordWrap : 0);
            const QRectF cell = cellRect(column, across ? MonthColumns - column : 1, y, height);
            function(cell.adjusted(padding_, 0, -padding_, 0), flags,
                     row.cells[std::size_t(column)]);
            if (across)
                break;
        }
    }
    double textHeight(const MonthRow& row, const QFont& font) const;
    void paintRow(const MonthRow& row, double y, double height, const QFont& font);

    QPainter& painter_;
    const QRectF page_;
    const ColumnWidths widths_;
    const QFont cellFont_;
    const QFont titleFont_;
    const double lineHeight_;
    const double padding_;
    const bool broken_;
    const double width_;
    const double left_;
};

double MonthTable::textHeight(const MonthRow& row, const QFont& font) const {
    painter_.setFont(font);
    double tallest = lineHeight_;
    forEachCell(row, 0, 1e6, [&](const QRectF& room, int flags, const QString& text) {
        tallest = std::max(tallest, painter_.boundingRect(room, flags, text).height());
    });
    return tallest;
}

void MonthTable::paintRow(const MonthRow& row, double y, double height, const QFont& font) {
    painter_.setFont(font);
    forEachCell(row, y, height, [&](const QRectF& room, int flags, const QString& text) {
        painter_.drawText(room, flags, text);
    });
}

bool MonthTable::paint(QPagedPaintDevice& device, const QLocale& locale, const Place& place,
                       year_month month) {
    MonthRow titles;
    titles.cells = monthColumnTitles();
    const double titlesHeight = textHeight(titles, titleFont_);
    std::vector<Row> rows;
    const std::vector<DayPeriods> days = monthTable(place, month);
    const QString zone = zoneHeading(place, days);
    for (const DayPeriods& day : days) {
        Row row{monthRow(locale, day)};
        if (broken_ && !row.cells.sunless)
            for (int column = FirstSunColumn + 2; column < MonthColumns; ++column)
                row.cells.cells[std::size_t(column)] =
                    brokenSpanText(locale, row.cells.cells[std::size_t(column)]);
        row.height = textHeight(row.cells, cellFont_);
        rows.push_back(std::move(row));
    }

    const QString note = sunriseNote();
    painter_.setFont(pageFont(NotePoints));
    const int noteFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const double noteHeight =
        painter_.boundingRect(QRectF(left_, 0, width_, 1e6), noteFlags, note).height();
    const double noteRoom = lineHeight_ * 0.75 + noteHeight;

    double top = paintHeading(painter_, page_, locale, place, month, zone);
    // The rows as far apart as the page has room for, and no further than designed.
    const double bare =
        std::accumulate(rows.begin(), rows.end(), titlesHeight,
                        [](double total, const Row& row) { return total + row.height; });
    const double room = page_.bottom() - top - noteRoom;
    const double leading = std::clamp((room - bare) / double(rows.size() + 1),
                                      LeastRowLeading * lineHeight_, RowLeading * lineHeight_);

    std::size_t next = 0;
    for (;;) {
        const double tableTop = top;
        painter_.setPen(QPen(Qt::black, 0));
        painter_.fillRect(QRectF(left_, top, width_, titlesHeight + leading),
                          QColor(225, 225, 225));
        paintRow(titles, top, titlesHeight + leading, titleFont_);
        top += titlesHeight + leading;
        const double titlesBottom = top;
        // The rows that fit, at least one; the last few with the note, never the note alone.
        std::size_t end = next;
        double bottom = top;
        while (end < rows.size() && bottom + rows[end].height + leading <= page_.bottom())
            bottom += rows[end++].height + leading;
        if (end == next)
            ++end;
        else if (end == rows.size() && end - next > 1 && bottom + noteRoom > page_.bottom())
            --end;
        for (; next < end; ++next) {
            const double height = rows[next].height + leading;
            if (next % 2 == 1)
                painter_.fillRect(QRectF(left_, top, width_, height), QColor(243, 243, 243));
            paintRow(rows[next].cells, top, height, cellFont_);
            top += height;
        }
        painter_.drawRect(QRectF(left_, tableTop, width_, top - tableTop));
        painter_.drawLine(QPointF(left_, titlesBottom), QPointF(left_ + width_, titlesBottom));
        if (next == rows.size())
            break;
        if (!device.newPage())
            return false;
        top = paintHeading(painter_, page_, locale, place, month, zone);
    }
    top += lineHeight_ * 0.75;
    painter_.setFont(pageFont(NotePoints));
    painter_.drawText(QRectF(left_, top, width_, page_.bottom() - top), noteFlags, note);
    return true;
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

bool paintMonthPages(QPagedPaintDevice& device, const QLocale& locale, const Place& place,
                     MonthRange range) {
    setPageMargins(device);
    const MonthTextLists texts = widestMonthTexts(locale, pageFont(TablePoints));
    const TableSetting setting = fitTable(device, locale, texts);
    const ColumnWidths widths = columnWidths(setting, device, locale, texts);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF page(0, 0, device.width(), device.height());
    MonthTable table(painter, page, setting, widths);
    year_month month = range.first;
    for (int i = 0; i < range.count; ++i, month += months{1}) {
        if (i > 0 && !device.newPage())
            return false;
        if (!table.paint(device, locale, place, month))
            return false;
    }
    return painter.end();
}

QByteArray monthPdf(const QLocale& locale, const Place& place, MonthRange range) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(regionalPageSize(locale));
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
