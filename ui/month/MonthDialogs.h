// The dialogs the month window asks the user through: its own choice of what
// to save, the system's file dialog and its print dialog with the printing
// behind it. Tests stand others in for them, so that none of them waits for a
// user.
#pragma once

#include "ui/month/PrinterModule.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPageSize;
class QWidget;

namespace horavela {

enum class SaveKind { Calendar, Csv, Pdf, Print };

enum class PrintOutcome { Printed, Cancelled, Failed, Unavailable };

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Cancelled;
    // Why printing is unavailable.
    QString why;
};

// Paints the pages on the printer; false when it cannot be painted on.
using PagePainter = std::function<bool(QPagedPaintDevice& printer)>;
using PrintPages = std::function<PrintResult(QWidget* parent, const QString& docName,
                                             const QPageSize& pageSize, const PagePainter& paint)>;

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
    // Asks for a printer and, unless the user cancelled, paints the pages on it.
    PrintPages print;
};

// The printing module's entry, loaded from folder; nullptr, with why, when the
// module is missing or lacks it.
PrintPagesFunction loadPrinterModule(const QString& folder, QString* why);

// Printing through the printing module in folder, loaded when it prints.
PrintPages printWithModuleIn(const QString& folder);

// Where the printing module of the program in programFolder lies: beside the
// program on Windows, in ../lib/horavela from the program's folder elsewhere.
QString printerModuleFolder(const QString& programFolder);

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
