#include "ui/timezone/frmTimeZone.h"

#include "ProgramVersion.h"
#include "platform/FitText.h"
#include "platform/PointSize.h"
#include "ui/timezone/TimeZoneTable.h"
#include "ui_frmTimeZone.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace horavela {

frmTimeZone::frmTimeZone(QLineEdit& zoneHour, QLineEdit& zoneMinute, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      ui_(std::make_unique<Ui::frmTimeZone>()), zoneHour_(zoneHour), zoneMinute_(zoneMinute) {
    ui_->setupUi(this);
    setWindowTitle(QString::fromLatin1(ProgramCaption));
    setFormFont(this);
    setFixedSize(size());
    // The list lies on the button face of the running system, in black.
    QPalette listLook = ui_->lstTimeZone->palette();
    listLook.setColor(QPalette::Base, listLook.color(QPalette::Button));
    listLook.setColor(QPalette::Text, Qt::black);
    ui_->lstTimeZone->setPalette(listLook);

    connect(ui_->cmdQuit, &QPushButton::clicked, this, &frmTimeZone::cmdQuit_Click);
    // Any double-click on the list counts, also one that lands on no entry.
    ui_->lstTimeZone->viewport()->installEventFilter(this);
    Form_Load();
    fitTranslatedLabels(*this);
    ui_->lstTimeZone->setFocus();
}

frmTimeZone::~frmTimeZone() = default;

void frmTimeZone::Form_Load() {
    for (const TimeZoneRow& row : TimeZoneRows)
        ui_->lstTimeZone->addItem(QCoreApplication::translate("TimeZoneTable", row.text));
}

bool frmTimeZone::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->lstTimeZone->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        lstTimeZone_DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The values come from the row, never from its text.
void frmTimeZone::lstTimeZone_DblClick() {
    const QList<QListWidgetItem*> selected = ui_->lstTimeZone->selectedItems();
    const int position = selected.isEmpty() ? -1 : ui_->lstTimeZone->row(selected.first());
    if (position >= 0 && position < static_cast<int>(TimeZoneRows.size())) {
        zoneHour_.setText(QString::number(TimeZoneRows[position].hour));
        zoneMinute_.setText(QString::number(TimeZoneRows[position].minute));
    }
    accept();
}

void frmTimeZone::cmdQuit_Click() {
    reject();
}

} // namespace horavela
