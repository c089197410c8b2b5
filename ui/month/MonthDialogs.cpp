#include "ui/month/MonthDialogs.h"

#include "ui/month/SaveMonthDialog.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace horavela {

namespace {

MonthDialogs realDialogs() {
    return {
        [](QWidget* parent, SaveKind kind, int mostMonths) -> std::optional<SaveChoice> {
            SaveMonthDialog dialog(kind, mostMonths, parent);
            if (dialog.exec() != QDialog::Accepted)
                return std::nullopt;
            return dialog.choice();
        },
        [](QWidget* parent, const QString& suggested, const QString& filter) {
            return QFileDialog::getSaveFileName(parent, QString(), suggested, filter);
        },
        [](QWidget* parent, QPrinter& printer) {
            QPrintDialog dialog(&printer, parent);
            return dialog.exec() == QDialog::Accepted;
        },
    };
}

MonthDialogs& current() {
    static MonthDialogs dialogs = realDialogs();
    return dialogs;
}

} // namespace

const MonthDialogs& monthDialogs() {
    return current();
}

ScopedMonthDialogs::ScopedMonthDialogs(MonthDialogs dialogs) : previous_(current()) {
    if (!dialogs.chooseSave)
        dialogs.chooseSave = previous_.chooseSave;
    if (!dialogs.saveFileName)
        dialogs.saveFileName = previous_.saveFileName;
    if (!dialogs.choosePrinter)
        dialogs.choosePrinter = previous_.choosePrinter;
    current() = std::move(dialogs);
}

ScopedMonthDialogs::~ScopedMonthDialogs() {
    current() = std::move(previous_);
}

} // namespace horavela
