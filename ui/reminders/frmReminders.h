// The Reminders window: for each period, whether the desktop reminds the user
// of it and how many minutes before it starts. It opens with the kept
// settings; OK keeps what it shows and tells whoever opened it, Cancel and Esc
// change nothing.
#pragma once

#include "calc/NowAndNext.h"

#include <QDialog>
#include <QHash>
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace Ui {
class frmReminders;
}

namespace horavela {

class frmReminders : public QDialog {
    Q_OBJECT

public:
    explicit frmReminders(QWidget* parent = nullptr);
    ~frmReminders() override;

    // What the controls say now.
    ReminderSettings shownSettings() const;
    // `changed` is called with the settings each time OK has kept them, while
    // `opener` (the window itself when null) lives; it replaces what the same
    // opener gave before.
    void callWhenKept(QObject* opener, std::function<void(const ReminderSettings&)> changed);

signals:
    void kept(const ReminderSettings& settings);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    struct PeriodRow {
        QCheckBox* on;
        QSpinBox* minutesBefore;
        QLabel* label;
    };

    void Form_Load();
    void nameControls();
    std::array<PeriodRow, 3> periodRows() const;

    std::unique_ptr<Ui::frmReminders> ui_;
    QHash<QObject*, QMetaObject::Connection> callbacks_;
};

// Opens the Reminders window over `over` (none for the tray), or brings up the
// one already open; `changed` as in callWhenKept.
frmReminders* showRemindersWindow(QWidget* over,
                                  std::function<void(const ReminderSettings&)> changed);

} // namespace horavela
