// Asks what a month is saved or printed as: how many months from the shown
// one and, for a calendar, which periods become events and their reminder.
#pragma once

#include "ui/month/MonthDialogs.h"

#include <QDialog>

class QCheckBox;
class QSpinBox;
class QPushButton;

namespace horavela {

class SaveMonthDialog : public QDialog {
    Q_OBJECT

public:
    // mostMonths: how many months the year list still holds from the shown one.
    SaveMonthDialog(SaveKind kind, int mostMonths, QWidget* parent = nullptr);

    SaveChoice choice() const;

private:
    void allowOkOnlyWithAPeriod();

    SaveKind kind_;
    QCheckBox* periods_[3] = {};
    QCheckBox* reminder_ = nullptr;
    QSpinBox* reminderMinutes_ = nullptr;
    QSpinBox* months_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace horavela
