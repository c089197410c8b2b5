#include "ui/month/frmMonth.h"

#include "ProgramVersion.h"
#include "month/MonthTexts.h"
#include "month/SaveFile.h"
#include "platform/FitText.h"
#include "platform/MessageBox.h"
#include "platform/PointSize.h"
#include "ui/month/MonthPages.h"
#include "ui/month/MonthRows.h"
#include "ui_frmMonth.h"

#include <QDateTime>
#include <QDir>
#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <algorithm>

namespace horavela {

namespace {

using namespace std::chrono;

constexpr double MonthPoints = 11.25;
// Room beside a cell's text for the grid line and the focus frame.
constexpr int CellPadding = 12;
constexpr int RowPadding = 4;
constexpr int MostRows = 31;
// The title bar and the frame a desktop puts round the window.
constexpr int WindowFrame = 48;
// More than the headings, the note and the buttons take above and below the table.
constexpr int AroundTable = 320;

int monthsFrom(year_month month, year_month last) {
    return (int(last.year()) - int(month.year())) * 12 + int(unsigned(last.month())) -
           int(unsigned(month.month())) + 1;
}

year_month_day fromQDate(QDate date) {
    return year{date.year()} / month{unsigned(date.month())} / day{unsigned(date.day())};
}

// The widest a text is drawn in the font, its ink included: the glyphs of
// many scripts reach past their advance.
int drawnWidth(const QFont& font, const QString& text, double ratio) {
    const QFontMetrics metrics(font);
    const int advance = metrics.horizontalAdvance(text);
    const QRectF ink = drawnInk(font, text, QRect(0, 0, advance + 200, 3 * metrics.height()),
                                Qt::AlignLeft | Qt::AlignVCenter, ratio);
    return std::max(advance, int(std::ceil(ink.right())));
}

int drawnHeight(const QFont& font, const QString& text, double ratio) {
    const QFontMetrics metrics(font);
    const int line = metrics.height();
    const QRectF ink =
        drawnInk(font, text, QRect(0, line, metrics.horizontalAdvance(text) + 20, line),
                 Qt::AlignLeft | Qt::AlignVCenter, ratio);
    if (ink.isEmpty())
        return line;
    // The text is centred on its row: it needs twice its reach past the line's middle.
    const double middle = line * 1.5;
    return std::max(line, int(std::ceil(2 * std::max(middle - ink.top(), ink.bottom() - middle))));
}

} // namespace

frmMonth::frmMonth(Place place, year_month_day chosen, QDate today, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::frmMonth>()), place_(std::move(place)), chosen_(chosen),
      today_(today), shown_(std::clamp(chosen.year() / chosen.month(), FirstMonth, LastMonth)) {
    ui_->setupUi(this);
    // After the form's Verdana, whose size it sets.
    setFormFont(this);
    setWindowTitle(QString::fromLatin1(ProgramCaption));
    applyLook();
    connectControls();
    showMonth(shown_);
    fitTranslatedLabels(*this);
}

frmMonth::~frmMonth() = default;

void frmMonth::applyLook() {
    setPointSize(ui_->monthHeading, MonthPoints);
    ui_->placeHeading->setText(placeHeading(place_));
    ui_->placeHeading->setAccessibleName(ui_->placeHeading->text());
    ui_->lblSunriseNote->setText(sunriseNote());
    ui_->lblSunriseNote->setAccessibleName(sunriseNote());

    const Measures& sizes = measures();
    ui_->monthHeading->setMinimumSize(sizes.heading);
    sizeTable(sizes);
    fitTableToScreen();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ui_->grdMonth->setFocus();
}

// Measured once for each language, font and screen: the drawing of thousands
// of texts would otherwise slow every opening of the window.
const frmMonth::Measures& frmMonth::measures() const {
    static QHash<QString, Measures> known;
    const QLocale locale;
    const QFont regular = ui_->grdMonth->font();
    const QFont headingFont = ui_->monthHeading->font();
    const double ratio = devicePixelRatioF();
    const QString key = locale.name() + u'|' + regular.key() + u'|' + headingFont.key() + u'|' +
                        QString::number(ratio);
    if (const auto found = known.constFind(key); found != known.constEnd())
        return *found;

    Measures sizes;
    // Every month's name keeps the heading, and so the window, at one width.
    int widest = 0;
    int tallest = 0;
    for (unsigned m = 1; m <= 12; ++m) {
        const QString text = monthHeading(locale, year{2050} / month{m});
        widest = std::max(widest, drawnWidth(headingFont, text, ratio));
        tallest = std::max(tallest, drawnHeight(headingFont, text, ratio));
    }
    sizes.heading = QSize(widest + CellPadding, tallest + RowPadding);

    // Today's row is bold; a script without a bold face of its own may be drawn
    // wider in its regular one.
    QFont bold = regular;
    bold.setBold(true);
    std::array<QStringList, MonthColumns + 1> texts = widestMonthTexts(locale, bold);
    const std::array<QStringList, MonthColumns + 1> regularTexts =
        widestMonthTexts(locale, regular);
    for (std::size_t column = 0; column < texts.size(); ++column)
        texts[column] += regularTexts[column];
    const auto widthOf = [ratio, &regular, &bold](const QString& text) {
        return std::max(drawnWidth(regular, text, ratio), drawnWidth(bold, text, ratio));
    };
    const auto heightOf = [ratio, &regular, &bold](const QString& text) {
        return std::max(drawnHeight(regular, text, ratio), drawnHeight(bold, text, ratio));
    };
    int rowHeight = 0;
    for (int column = 0; column < MonthColumns; ++column) {
        int columnWidest = 0;
        for (const QString& text : texts[std::size_t(column)]) {
            columnWidest = std::max(columnWidest, widthOf(text));
            rowHeight = std::max(rowHeight, heightOf(text));
        }
        sizes.widths[std::size_t(column)] = columnWidest + CellPadding;
    }
    int across = 0;
    for (int column = FirstSunColumn; column < MonthColumns; ++column)
        across += sizes.widths[std::size_t(column)];
    for (const QString& text : texts[MonthColumns])
        sizes.widths.back() += std::max(0, widthOf(text) + CellPadding - across);
    sizes.rowHeight = rowHeight + RowPadding;
    return *known.insert(key, sizes);
}

// Columns as wide as the widest text they can hold in the user's language,
// and rows for the longest month, so that the window keeps one size.
void frmMonth::sizeTable(const Measures& sizes) {
    QTableWidget& table = *ui_->grdMonth;
    table.setColumnCount(MonthColumns);
    QStringList titles;
    for (const QString& title : monthColumnTitles())
        titles.append(title);
    table.setHorizontalHeaderLabels(titles);
    table.verticalHeader()->hide();
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table.horizontalHeader()->setHighlightSections(false);
    table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    int tableWidth = 0;
    for (int column = 0; column < MonthColumns; ++column) {
        table.setColumnWidth(column, sizes.widths[std::size_t(column)]);
        tableWidth += sizes.widths[std::size_t(column)];
    }
    table.verticalHeader()->setMinimumSectionSize(1);
    table.verticalHeader()->setDefaultSectionSize(sizes.rowHeight);
    const int frame = 2 * table.frameWidth();
    const int header = table.horizontalHeader()->sizeHint().height();
    table.setFixedSize(tableWidth + frame, header + MostRows * sizes.rowHeight + frame);
    table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

// A screen too low for the longest month gets fewer rows at a time, which scroll.
void frmMonth::fitTableToScreen() {
    QTableWidget& table = *ui_->grdMonth;
    const int room = screen()->availableGeometry().height() - WindowFrame;
    // Most screens are plainly tall enough, without laying the window out to know.
    if (table.height() + AroundTable <= room)
        return;
    const int rowHeight = table.verticalHeader()->defaultSectionSize();
    const int excess = layout()->totalSizeHint().height() - room;
    if (excess <= 0)
        return;
    const int fewerRows = std::min(MostRows - 1, (excess + rowHeight - 1) / rowHeight);
    table.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table.setFixedSize(table.width() + table.verticalScrollBar()->sizeHint().width(),
                       table.height() - fewerRows * rowHeight);
}

void frmMonth::connectControls() {
    connect(ui_->cmdPrevMonth, &QPushButton::clicked, this, &frmMonth::cmdPrevMonth_Click);
    connect(ui_->cmdNextMonth, &QPushButton::clicked, this, &frmMonth::cmdNextMonth_Click);
    connect(ui_->cmdSaveCalendar, &QPushButton::clicked, this, &frmMonth::cmdSaveCalendar_Click);
    connect(ui_->cmdSaveCsv, &QPushButton::clicked, this, &frmMonth::cmdSaveCsv_Click);
    connect(ui_->cmdPrint, &QPushButton::clicked, this, &frmMonth::cmdPrint_Click);
    connect(ui_->cmdSavePdf, &QPushButton::clicked, this, &frmMonth::cmdSavePdf_Click);
    connect(ui_->cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    // Before the table's own scrolling by page, which a month fits in anyway.
    connect(new QShortcut(QKeySequence(Qt::Key_PageUp), this), &QShortcut::activated,
            ui_->cmdPrevMonth, &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::Key_PageDown), this), &QShortcut::activated,
            ui_->cmdNextMonth, &QPushButton::click);
}

void frmMonth::showMonth(year_month month) {
    shown_ = month;
    const QLocale locale;
    ui_->monthHeading->setText(monthHeading(locale, month));
    ui_->monthHeading->setAccessibleName(ui_->monthHeading->text());
    ui_->cmdPrevMonth->setEnabled(month > FirstMonth);
    ui_->cmdNextMonth->setEnabled(month < LastMonth);

    QTableWidget& table = *ui_->grdMonth;
    table.clearContents();
    table.clearSpans();
    const std::vector<DayPeriods> days = monthTable(place_, month);
    // A named zone's offsets follow the month.
    ui_->zoneHeading->setText(tr("Time Zone: %1").arg(zoneHeading(place_, days)));
    ui_->zoneHeading->setAccessibleName(ui_->zoneHeading->text());
    table.setRowCount(int(days.size()));
    for (int r = 0; r < int(days.size()); ++r) {
        const MonthRow row = monthRow(locale, days[std::size_t(r)]);
        for (int column = 0; column < MonthColumns; ++column) {
            auto* item = new QTableWidgetItem(row.cells[std::size_t(column)]);
            table.setItem(r, column, item);
        }
        if (row.sunless)
            table.setSpan(r, FirstSunColumn, 1, MonthColumns - FirstSunColumn);
    }
    const year_month_day today = fromQDate(today_);
    if (today_.isValid() && today.year() / today.month() == month)
        markRow(int(unsigned(today.day())) - 1, tr("Today"));
    const int chosenRow =
        chosen_.year() / chosen_.month() == month ? int(unsigned(chosen_.day())) - 1 : 0;
    table.setCurrentCell(chosenRow, 0);
    table.selectRow(chosenRow);
    table.scrollToItem(table.item(chosenRow, 0), QAbstractItemView::PositionAtCenter);
}

void frmMonth::markRow(int row, const QString& description) {
    QTableWidget& table = *ui_->grdMonth;
    for (int column = 0; column < MonthColumns; ++column) {
        QTableWidgetItem* item = table.item(row, column);
        QFont font = table.font();
        font.setBold(true);
        item->setFont(font);
        item->setData(Qt::AccessibleDescriptionRole, description);
    }
}

void frmMonth::cmdPrevMonth_Click() {
    if (shown_ > FirstMonth)
        showMonth(shown_ - months{1});
}

void frmMonth::cmdNextMonth_Click() {
    if (shown_ < LastMonth)
        showMonth(shown_ + months{1});
}

std::optional<SaveChoice> frmMonth::askSave(SaveKind kind) {
    return monthDialogs().chooseSave(this, kind,
                                     std::min(MostMonths, monthsFrom(shown_, LastMonth)));
}

// Suggested in the user's documents, named after the first month.
QString frmMonth::askPath(const QString& extension, const QString& filter, int months) {
    //: A file's suggested name: "Rahu Kaal 2025-03".
    QString name = tr("Rahu Kaal %1-%2")
                       .arg(int(shown_.year()))
                       .arg(unsigned(shown_.month()), 2, 10, QLatin1Char('0'));
    if (months > 1)
        //: Follows a file's suggested name: "Rahu Kaal 2025-03, 3 months".
        name += tr(", %1 months").arg(months);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return monthDialogs().saveFileName(this, QDir(folder).filePath(name + extension), filter);
}

void frmMonth::save(const QString& path, const QByteArray& bytes) {
    if (const std::optional<QString> failure = saveWhole(path, bytes))
        showMessage(this, *failure, MessageIcon::Critical);
}

void frmMonth::cmdSaveCalendar_Click() {
    const std::optional<SaveChoice> choice = askSave(SaveKind::Calendar);
    if (!choice)
        return;
    const QString path = askPath(QStringLiteral(".ics"), tr("Calendar (*.ics)"), choice->months);
    if (path.isEmpty())
        return;
    CalendarOptions options;
    options.periods = choice->periods;
    options.reminderMinutes = choice->reminderMinutes;
    options.stamp = QDateTime::currentDateTimeUtc();
    save(path, monthCalendar(place_, {shown_, choice->months}, options));
}

void frmMonth::cmdSaveCsv_Click() {
    const std::optional<SaveChoice> choice = askSave(SaveKind::Csv);
    if (!choice)
        return;
    const QString path = askPath(QStringLiteral(".csv"), tr("CSV (*.csv)"), choice->months);
    if (path.isEmpty())
        return;
    save(path, monthCsv(place_, {shown_, choice->months}));
}

void frmMonth::cmdSavePdf_Click() {
    const std::optional<SaveChoice> choice = askSave(SaveKind::Pdf);
    if (!choice)
        return;
    const QString path = askPath(QStringLiteral(".pdf"), tr("PDF (*.pdf)"), choice->months);
    if (path.isEmpty())
        return;
    save(path, monthPdf(QLocale(), place_, {shown_, choice->months}));
}

void frmMonth::cmdPrint_Click() {
    const std::optional<SaveChoice> choice = askSave(SaveKind::Print);
    if (!choice)
        return;
    const MonthRange range{shown_, choice->months};
    const PrintResult printed = monthDialogs().print(
        this, tr("Rahu Kaal, %1").arg(monthHeading(QLocale(), shown_)), regionalPageSize(QLocale()),
        [this, range](QPagedPaintDevice& printer) {
            return paintMonthPages(printer, QLocale(), place_, range);
        });
    if (printed.outcome == PrintOutcome::Failed)
        showMessage(this, tr("The month could not be printed."), MessageIcon::Critical);
    else if (printed.outcome == PrintOutcome::Unavailable)
        showMessage(this, tr("Printing is not available: %1.").arg(printed.why),
                    MessageIcon::Critical);
}

} // namespace horavela
