#include "ui/result/frmDisplay.h"

#include "ProgramVersion.h"
#include "lifetime/ProgramEnd.h"
#include "platform/FitText.h"
#include "platform/FixedWindow.h"
#include "platform/PointSize.h"
#include "ui_frmDisplay.h"
#include "weblinks/WebLinks.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QShortcut>
#include <algorithm>
#include <cmath>

namespace horavela {

namespace {

constexpr QSize ClientArea(553, 296);
constexpr double CaptionPoints = 11.25;
constexpr double VerdictPoints = 9.75;
constexpr double NotePoints = 9;
// Below this the chosen date would be hard to read.
constexpr double SmallestDatePoints = 7;
// Keeps a long date from running into the chosen time's column.
constexpr int ColumnGap = 8;
// The period's row: between the verdict and the note, inside the group's margins.
constexpr int PeriodRowLeft = 8;
constexpr int PeriodRowTop = 88;
constexpr int PeriodRowHeight = 16;
constexpr int PeriodCaptionGap = 8;
// A long period in a wordy locale is set smaller, but not below this.
constexpr double SmallestPeriodPoints = 6.5;

// How much of a label a text takes: `lead`, the room before its start for ink
// that hangs left of it (a vowel sign written before its consonant; none for
// antialiasing), and `width`, its advance or its ink's right edge, whichever
// reaches further.
struct Extent {
    int lead = 0;
    int width = 0;
};
Extent textExtent(const QFontMetrics& metrics, const QString& text, const QRectF& ink) {
    Extent extent{0, metrics.horizontalAdvance(text)};
    if (ink.isEmpty())
        return extent;
    if (ink.left() < -InkSlack)
        extent.lead = int(std::ceil(-ink.left()));
    extent.width = std::max(extent.width, int(std::ceil(ink.right())));
    return extent;
}

} // namespace

frmDisplay::frmDisplay(QWidget* inputWindow)
    : QMainWindow(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::frmDisplay>()), inputWindow_(inputWindow) {
    setFormFont(this);
    ui_->setupUi(this);
    setWindowTitle(QString::fromLatin1(ProgramCaption));
    applyLook();
    connectControls();
}

frmDisplay::~frmDisplay() = default;

void frmDisplay::applyLook() {
    ui_->menubar->setFont(QApplication::font(ui_->menubar));
    // The group's caption is larger than its labels, which would otherwise take its size.
    setPointSize(ui_->Frame3, CaptionPoints);
    for (QWidget* label :
         {ui_->Label10, ui_->lblChosenDate, ui_->lblChosenTimell, ui_->lblChosenTime, ui_->Label9})
        setPointSize(label, TextPoints);
    for (QWidget* label : {ui_->lblRahukalResult, ui_->Label4, ui_->lblRahukalPeriod})
        setPointSize(label, VerdictPoints);
    shrinkTextToFit(*ui_->lblShow, NotePoints);
    shrinkTextToFit(*ui_->Label9, TextPoints);
    designedPeriodCaption_ = ui_->Label4->text();

    const QList<QAction*> help = ui_->mnuHelp->actions();
    help.at(2)->setObjectName(QStringLiteral("mnuFileSep1"));
    help.at(4)->setObjectName(QStringLiteral("mnuFileSep2"));

    fixClientAreaAndCentre(*this, ClientArea);
    // After the window's own size, which a translation may make it outgrow.
    fitTranslatedLabels(*this);
    designedDate_ = ui_->lblChosenDate->geometry();
    ui_->cmdOK->setFocus();
}

void frmDisplay::connectControls() {
    connect(ui_->cmdOK, &QPushButton::clicked, this, &frmDisplay::cmdOK_Click);
    connect(ui_->mnuFileBack, &QAction::triggered, this, &frmDisplay::mnuFileBack_Click);
    connect(ui_->cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    connect(ui_->mnuExit, &QAction::triggered, this, &frmDisplay::mnuExit_Click);
    connect(ui_->mnuMonth, &QAction::triggered, this, &frmDisplay::monthRequested);
    // Exit is the window's cancel button.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, ui_->cmdExit,
            &QPushButton::click);
    connectWebLinks(this, *ui_);
}

void frmDisplay::writeResult(const ResultTexts& texts) {
    ui_->lblChosenDate->setText(texts.chosenDate);
    fitChosenDate();
    ui_->lblChosenTime->setText(texts.chosenTime);
    ui_->lblPreviousDaySunRiseTime->setText(texts.sunTimes[0]);
    ui_->lblPreviousDaySunSetTime->setText(texts.sunTimes[1]);
    ui_->lblInputDaySunRiseTime->setText(texts.sunTimes[2]);
    ui_->lblInputDaySunSetTime->setText(texts.sunTimes[3]);
    ui_->lblNextDaySunRiseTime->setText(texts.sunTimes[4]);
    ui_->lblNextDaySunSetTime->setText(texts.sunTimes[5]);
    ui_->lblRahukalResult->setText(texts.rahukalResult);
    shrinkTextToFit(*ui_->lblRahukalResult, VerdictPoints);
    makeRoomForTranslation(*ui_->lblRahukalResult);
    ui_->lblShow->setVisible(texts.showNote);
    const QString caption =
        texts.periodCaption.isEmpty() ? designedPeriodCaption_ : texts.periodCaption;
    ui_->Label4->setText(caption);
    ui_->lblRahukalPeriod->setText(texts.rahukalPeriod);
    fitPeriodRow();
    // The note and the period belong to the verdict, so they are read with it;
    // Back, which has the focus when the window opens, carries them all, so
    // moving onto it repeats them.
    const QString period = caption + QStringLiteral(": ") + texts.rahukalPeriod;
    const QString note = texts.showNote ? ui_->lblShow->text() : QString();
    const QString description = note.isEmpty() ? period : note + u' ' + period;
    ui_->lblRahukalResult->setAccessibleDescription(description);
    ui_->cmdOK->setAccessibleDescription(texts.rahukalResult + u' ' + description);
    ui_->lblRahukalPeriod->setAccessibleName(period);
}

// The caption and the period share one row, the period right after its
// caption, both at the verdict's size where they fit and smaller together
// where a locale's dates are long or its glyphs tall; the row is centred.
// Their ink is what must fit: the glyphs of many scripts reach past their
// advance and above the font's ascent.
void frmDisplay::fitPeriodRow() {
    QLabel& caption = *ui_->Label4;
    QLabel& period = *ui_->lblRahukalPeriod;
    const int room = ui_->Frame3->width() - 2 * PeriodRowLeft;
    const double ratio = period.devicePixelRatioF();
    // Ink that hangs left of a text's start gets room in its label before the
    // text, which is indented by as much.
    struct Row {
        Extent caption, period;
        int width = 0;
        // How far the ink reaches above or below the row.
        int spill = 0;
        bool fits = false;
    };
    const auto measure = [&](const QFont& font) {
        const QFontMetrics metrics(font);
        bool upright = true;
        const auto extent = [&](const QLabel& label) {
            const QRectF ink = drawnInk(font, label.text(), QRect(0, 0, room, PeriodRowHeight),
                                        labelTextFlags(label), ratio);
            upright =
                upright && (ink.isEmpty() || (ink.top() >= 0 && ink.bottom() <= PeriodRowHeight));
            return textExtent(metrics, label.text(), ink);
        };
        Row row;
        const auto spill = [&](const QLabel& label) {
            const QRectF ink = drawnInk(font, label.text(), QRect(0, 0, room, PeriodRowHeight),
                                        labelTextFlags(label), ratio);
            if (ink.isEmpty())
                return 0;
            return int(std::ceil(std::max({0.0, -ink.top(), ink.bottom() - PeriodRowHeight})));
        };
        row.spill = std::max(spill(caption), spill(period));
        row.caption = extent(caption);
        row.period = extent(period);
        row.width = row.caption.lead + row.caption.width + PeriodCaptionGap + row.period.lead +
                    row.period.width;
        row.fits = upright && row.width <= room;
        return row;
    };
    const QFont font =
        shrunkToFit(caption.font(), VerdictPoints, smallestPoints(SmallestPeriodPoints),
                    [&](const QFont& candidate) { return measure(candidate).fits; });
    caption.setFont(font);
    period.setFont(font);
    const Row row = measure(font);
    const int left = PeriodRowLeft + (room - std::min(room, row.width)) / 2;
    // Glyphs taller than the row even at the smallest size get a taller row
    // about the same middle.
    const int spill = row.fits ? 0 : row.spill;
    const int top = PeriodRowTop - spill;
    const int height = PeriodRowHeight + 2 * spill;
    caption.setIndent(row.caption.lead);
    caption.setGeometry(left, top, row.caption.lead + row.caption.width, height);
    const int periodLeft = caption.geometry().right() + 1 + PeriodCaptionGap;
    period.setIndent(row.period.lead);
    period.setGeometry(periodLeft, top, PeriodRowLeft + room - periodLeft, height);
}

// Long month names need more than the designed width, and the glyphs of some
// languages more than its height; the room up to the chosen time's column
// takes them at full size, and only a date longer still is set smaller.
void frmDisplay::fitChosenDate() {
    QLabel& date = *ui_->lblChosenDate;
    const QString text = date.text();
    QFont font = date.font();
    font.setPointSizeF(TextPoints);
    const QFontMetrics metrics(font);
    const int timeColumn = std::min(ui_->lblChosenTimell->x(), ui_->lblChosenTime->x());
    const int room = timeColumn - ColumnGap - designedDate_.x();
    int height = std::max(metrics.boundingRect(text).height(), designedDate_.height());
    // Drawn on the line it would get, the ink tells how far the glyphs reach.
    const QRectF ink = drawnInk(font, text, QRect(0, 0, room, height), labelTextFlags(date),
                                date.devicePixelRatioF());
    const Extent extent = textExtent(metrics, text, ink);
    const int lead = extent.lead;
    // The text is centred on its line, so a taller line moves it down by half
    // of what it grows.
    if (!ink.isEmpty())
        height += 2 * std::max(0, int(std::ceil(std::max(-ink.top(), ink.bottom() - height))));
    // Ink hanging left of the text's start gets room before it, the text staying put.
    const int width = std::clamp(extent.width, designedDate_.width(), room);
    date.setIndent(lead);
    date.setGeometry(designedDate_.x() - lead, designedDate_.center().y() - height / 2,
                     lead + width, height);
    shrinkTextToFit(date, TextPoints, SmallestDatePoints);
}

void frmDisplay::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    QAccessibleEvent verdict(ui_->lblRahukalResult, QAccessible::Alert);
    QAccessible::updateAccessibility(&verdict);
}

// Closing this window ends the program, unless Back is unloading it or the
// program is already ending and is closing it as part of that.
void frmDisplay::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

// EndProgram deletes this window: nothing may touch it afterwards.
void frmDisplay::Form_Unload() {
    loaded_ = false;
    if (!goingBack_ && !isProgramEnding())
        EndProgram();
}

// The input window is shown before this one closes, so that at no moment no
// window is open, which would end the application.
void frmDisplay::cmdOK_Click() {
    goingBack_ = true;
    if (inputWindow_)
        inputWindow_->show();
    close();
    deleteLater();
}

void frmDisplay::mnuFileBack_Click() {
    cmdOK_Click();
}

void frmDisplay::cmdExit_Click() {
    close();
}

void frmDisplay::mnuExit_Click() {
    close();
}

} // namespace horavela
