// The dialogs the month window asks the user through: its own choice of what
// to save, the system's file dialog and its print dialog. Tests stand others
// in for them, so that none of them waits for a user.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace horavela {

enum class SaveKind { Calendar, Csv, Pdf, Print };

struct SaveChoice {
    // How many months, from the shown one.
    int months = 1;
    // Indexed by DayPeriod; for a calendar only.
    std::array<bool, 3> periods{true, false, false};
    // Minutes before a period that its reminder goes off, 0 for none; for a calendar only.
    int reminderMinutes = 10;
};

struct MonthDialogs {
    // Nothing when the user cancelled. mostMonths is at least 1.
    std::function<std::optional<SaveChoice>(QWidget* parent, SaveKind kind, int mostMonths)>
        chooseSave;
    // The path chosen, empty when the user cancelled.
    std::function<QString(QWidget* parent, const QString& suggested, const QString& filter)>
        saveFileName;
    // True when the user chose to print, with the printer set up as chosen.
    std::function<bool(QWidget* parent, QPrinter& printer)> choosePrinter;
};

// The real dialogs, unless a ScopedMonthDialogs stands in for them.
const MonthDialogs& monthDialogs();

// Stands in for the dialogs given while it lives; those left empty stay as they were.
class ScopedMonthDialogs {
public:
    explicit ScopedMonthDialogs(MonthDialogs dialogs);
    ~ScopedMonthDialogs();

    ScopedMonthDialogs(const ScopedMonthDialogs&) = delete;
    ScopedMonthDialogs& operator=(const ScopedMonthDialogs&) = delete;

private:
    MonthDialogs previous_;
};

} // namespace horavela
