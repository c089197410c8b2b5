#include "ui/month/SaveMonthDialog.h"

#include "ProgramVersion.h"
#include "month/MonthFiles.h"
#include "platform/PointSize.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace horavela {

SaveMonthDialog::SaveMonthDialog(SaveKind kind, int mostMonths, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      kind_(kind) {
    setObjectName(QStringLiteral("dlgSaveMonth"));
    setFormFont(this);
    setWindowTitle(QString::fromLatin1(ProgramCaption));
    auto* layout = new QVBoxLayout(this);

    if (kind == SaveKind::Calendar) {
        auto* group = new QGroupBox(tr("Periods in the Calendar"), this);
        group->setObjectName(QStringLiteral("fraPeriods"));
        auto* periods = new QVBoxLayout(group);
        const struct {
            const char* name;
            QString text;
        } boxes[] = {{"chkRahuKaal", tr("&Rahu Kaal")},
                     {"chkYamaganda", tr("&Yamaganda")},
                     {"chkGulikaKaal", tr("&Gulika Kaal")}};
        for (int i = 0; i < 3; ++i) {
            periods_[i] = new QCheckBox(boxes[i].text, group);
            periods_[i]->setObjectName(QLatin1String(boxes[i].name));
            periods->addWidget(periods_[i]);
            // Rahu Kaal, which the program is about, unless the user asks otherwise.
            periods_[i]->setChecked(i == 0);
            connect(periods_[i], &QCheckBox::toggled, this,
                    &SaveMonthDialog::allowOkOnlyWithAPeriod);
        }
        layout->addWidget(group);

        auto* reminderRow = new QHBoxLayout;
        reminder_ = new QCheckBox(tr("R&emind Me"), this);
        reminder_->setObjectName(QStringLiteral("chkReminder"));
        reminder_->setChecked(true);
        reminderMinutes_ = new QSpinBox(this);
        reminderMinutes_->setObjectName(QStringLiteral("spnReminder"));
        reminderMinutes_->setRange(1, MostReminderMinutes);
        reminderMinutes_->setValue(10);
        reminderMinutes_->setSuffix(tr(" minutes before"));
        reminderMinutes_->setAccessibleName(tr("Minutes before each period"));
        connect(reminder_, &QCheckBox::toggled, reminderMinutes_, &QWidget::setEnabled);
        reminderRow->addWidget(reminder_);
        reminderRow->addWidget(reminderMinutes_);
        reminderRow->addStretch();
        layout->addLayout(reminderRow);
    }

    auto* monthsRow = new QFormLayout;
    months_ = new QSpinBox(this);
    months_->setObjectName(QStringLiteral("spnMonths"));
    months_->setRange(1, std::clamp(mostMonths, 1, MostMonths));
    months_->setValue(1);
    auto* monthsLabel = new QLabel(tr("&Months from the shown one:"), this);
    monthsLabel->setObjectName(QStringLiteral("lblMonths"));
    monthsLabel->setBuddy(months_);
    monthsRow->addRow(monthsLabel, months_);
    layout->addLayout(monthsRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// A calendar without any period would be an empty file.
void SaveMonthDialog::allowOkOnlyWithAPeriod() {
    ok_->setEnabled(std::any_of(
        std::begin(periods_), std::end(periods_),
        [](const QCheckBox* box) { return box->isChecked(); }));
}

SaveChoice SaveMonthDialog::choice() const {
    SaveChoice chosen;
    chosen.months = months_->value();
    if (kind_ == SaveKind::Calendar) {
        for (int i = 0; i < 3; ++i)
            chosen.periods[std::size_t(i)] = periods_[i]->isChecked();
        chosen.reminderMinutes = reminder_->isChecked() ? reminderMinutes_->value() : 0;
    }
    return chosen;
}

} // namespace horavela
