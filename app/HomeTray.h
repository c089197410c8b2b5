// The home place's periods come to the user: an icon in the system tray that says what is on now
// and what comes next, and a reminder before each period the user chose. It lives as long as the
// main window, and sleeps between the moments something changes, never longer than a minute.
#pragma once

#include "calc/NowAndNext.h"
#include "calc/Place.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace horavela {

class frmMain;
class frmMonth;

class HomeTray : public QObject {
    Q_OBJECT

public:
    // Shows a reminder's text; `icon` is the tray icon while it is shown, else null.
    using Notify = std::function<void(const QString& text, QSystemTrayIcon* icon)>;

    // Reads the kept home place, tray choice and reminders, and follows the main window's
    // changes to them. The main window's close takes it into the tray while the icon is shown.
    HomeTray(frmMain& mainWindow, Notify notify);
    ~HomeTray() override;

    // Reads what is kept again and works everything out anew.
    void reload();
    // Works out what is on now, shows the reminders due, and sleeps until the next change.
    void wake();

    // Null while no icon is shown.
    QSystemTrayIcon* icon() const;
    // The lines the tool tip and the menu's first entries show.
    QStringList nowLines() const { return lines_; }
    // Whether the main window is hidden with the program running on in the tray.
    bool onlyInTray() const;
    // Brings the main window up from the tray; false when it was not there.
    bool showFromTray();
    // Hides the main window, the icon staying; false, leaving it alone, when no icon is shown.
    bool takeIntoTray();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showIcon(bool show);
    void showNowAndNext(const NowAndNext& now);
    // Shows those of the reminders that are due now and not shown yet.
    void remind(std::chrono::sys_seconds moment, const std::vector<Reminder>& reminders);
    void openMainWindow();
    void openMonth();
    void openReminders();

    frmMain& main_;
    Notify notify_;
    std::optional<Place> home_;
    ReminderSettings reminders_ = DefaultReminderSettings;
    QTimer timer_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    std::unique_ptr<QMenu> menu_;
    QAction* nowEntry_ = nullptr;
    QAction* nextEntry_ = nullptr;
    QPointer<frmMonth> month_;
    QStringList lines_;
    bool periodOn_ = false;
    // The reminders shown, so that none is shown twice: the period's start, which period and
    // how long before.
    std::set<std::tuple<std::chrono::sys_seconds, int, int>> shown_;
};

} // namespace horavela
