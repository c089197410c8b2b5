// The program's start-up steps, shared by the program and its start-up benchmark.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace horavela {

// Sets the program icon, gives the windows' Help > About the About window,
// runs the single-instance check (which ends the program when another copy
// runs), loads the main window through loadMainWindow, chooses its banner
// and shows it. Returns the shown main window, which the shutdown deletes.
QWidget* startProgram(const std::function<QWidget*()>& loadMainWindow);

// The same with a lock file of the caller's choosing, for measurements that
// must not meet a real running copy.
QWidget* startProgram(const std::function<QWidget*()>& loadMainWindow, const QString& lockFilePath);

// The same, where `staysHidden` is given the loaded main window before it is shown: true leaves
// it hidden, the program starting in the system tray.
QWidget* startProgram(const std::function<QWidget*()>& loadMainWindow, const QString& lockFilePath,
                      const std::function<bool(QWidget&)>& staysHidden);

} // namespace horavela
