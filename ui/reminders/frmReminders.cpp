#include "ui/reminders/frmReminders.h"

#include "month/MonthTexts.h"
#include "platform/FitText.h"
#include "platform/MessageBox.h"
#include "platform/PointSize.h"
#include "ui/reminders/KeptReminders.h"
#include "ui_frmReminders.h"

#include <QEvent>
#include <QPointer>

namespace horavela {

namespace {

// The period's name as the month window writes it, with an access key on its
// letter; a name without that letter takes the key after it, as the
// translations write theirs ("राहु काल (&R)").
QString withAccessKey(const QString& name, QChar key) {
    const qsizetype at = name.indexOf(key, 0, Qt::CaseInsensitive);
    if (at >= 0)
        return QString(name).insert(at, u'&');
    return name + QStringLiteral(" (&") + key + u')';
}

// Indexed by DayPeriod.
constexpr std::array<char16_t, 3> AccessKeys{u'R', u'Y', u'G'};

} // namespace

frmReminders::frmReminders(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::frmReminders>()) {
    ui_->setupUi(this);
    // After the form's Verdana, whose size it sets.
    setFormFont(this);
    for (const PeriodRow& row : periodRows()) {
        row.minutesBefore->setRange(0, MaxMinutesBefore);
        connect(row.on, &QCheckBox::toggled, row.minutesBefore, &QWidget::setEnabled);
    }
    connect(ui_->cmdOK, &QPushButton::clicked, this, &frmReminders::cmdOK_Click);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &frmReminders::cmdCancel_Click);
    nameControls();
    Form_Load();
    fitTranslatedLabels(*this);
    ui_->chkRahu->setFocus();
}

frmReminders::~frmReminders() = default;

std::array<frmReminders::PeriodRow, 3> frmReminders::periodRows() const {
    return {{{ui_->chkRahu, ui_->spnRahu, ui_->lblRahu},
             {ui_->chkYamaganda, ui_->spnYamaganda, ui_->lblYamaganda},
             {ui_->chkGulika, ui_->spnGulika, ui_->lblGulika}}};
}

// The texts that come from elsewhere than the form, again after a change of language.
void frmReminders::nameControls() {
    const std::array<PeriodRow, 3> rows = periodRows();
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const QString name = periodName(DayPeriodsInOrder[n]);
        rows[n].on->setText(withAccessKey(name, QChar(AccessKeys[n])));
        //: The spin box's name for a screen reader: "Minutes before Rahu Kaal".
        rows[n].minutesBefore->setAccessibleName(tr("Minutes before %1").arg(name));
    }
}

void frmReminders::Form_Load() {
    const ReminderSettings kept = keptReminderSettings();
    const std::array<PeriodRow, 3> rows = periodRows();
    for (std::size_t n = 0; n < rows.size(); ++n) {
        rows[n].on->setChecked(kept[n].on);
        rows[n].minutesBefore->setValue(kept[n].minutesBefore);
        // toggled() fires only on a change.
        rows[n].minutesBefore->setEnabled(kept[n].on);
    }
}

ReminderSettings frmReminders::shownSettings() const {
    ReminderSettings shown;
    const std::array<PeriodRow, 3> rows = periodRows();
    for (std::size_t n = 0; n < rows.size(); ++n)
        shown[n] = {rows[n].on->isChecked(), rows[n].minutesBefore->value()};
    return shown;
}

void frmReminders::callWhenKept(QObject* opener,
                                std::function<void(const ReminderSettings&)> changed) {
    disconnect(callbacks_.take(opener));
    if (changed)
        callbacks_.insert(
            opener, connect(this, &frmReminders::kept, opener ? opener : this, std::move(changed)));
}

void frmReminders::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        ui_->retranslateUi(this);
        nameControls();
        fitTranslatedLabels(*this);
    }
    QDialog::changeEvent(event);
}

// The window stays open when the settings could not be written, so that the
// user may try again or cancel.
void frmReminders::cmdOK_Click() {
    const ReminderSettings shown = shownSettings();
    if (!keepReminderSettings(shown)) {
        showMessage(this,
                    tr("The settings could not be written, so the reminders are as they were."),
                    MessageIcon::Critical);
        return;
    }
    emit kept(shown);
    accept();
}

void frmReminders::cmdCancel_Click() {
    reject();
}

frmReminders* showRemindersWindow(QWidget* over,
                                  std::function<void(const ReminderSettings&)> changed) {
    static QPointer<frmReminders> open;
    // A window closed a moment ago is deleted on the next turn of the event loop.
    if (!open || open->isHidden()) {
        open = new frmReminders(over);
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->callWhenKept(over, std::move(changed));
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

} // namespace horavela
