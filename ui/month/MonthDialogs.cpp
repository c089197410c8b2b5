#include "ui/month/MonthDialogs.h"

#include "ui/month/SaveMonthDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLibrary>

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
        [](QWidget* parent, const QString& docName, const QPageSize& pageSize,
           const PagePainter& paint) {
            // The program's folder is known only once the application has started.
            const QString folder = printerModuleFolder(QCoreApplication::applicationDirPath());
            return printWithModuleIn(folder)(parent, docName, pageSize, paint);
        },
    };
}

MonthDialogs& current() {
    static MonthDialogs dialogs = realDialogs();
    return dialogs;
}

bool paintThrough(QPagedPaintDevice& printer, void* paint) {
    return (*static_cast<const PagePainter*>(paint))(printer);
}

} // namespace

PrintPagesFunction loadPrinterModule(const QString& folder, QString* why) {
    // The module stays loaded when library goes, so a later print finds it loaded.
    QLibrary library(QDir(folder).filePath(QStringLiteral(HORAVELA_PRINTER_MODULE_FILE)));
    const auto function = reinterpret_cast<PrintPagesFunction>(library.resolve(PrintPagesName));
    if (!function && why)
        *why = library.errorString();
    return function;
}

PrintPages printWithModuleIn(const QString& folder) {
    return [folder](QWidget* parent, const QString& docName, const QPageSize& pageSize,
                    const PagePainter& paint) -> PrintResult {
        QString why;
        const PrintPagesFunction printPages = loadPrinterModule(folder, &why);
        if (!printPages)
            return {PrintOutcome::Unavailable, why};
        switch (printPages(parent, &docName, &pageSize, paintThrough,
                           const_cast<PagePainter*>(&paint))) {
        case 1:
            return {PrintOutcome::Printed, {}};
        case 0:
            return {PrintOutcome::Cancelled, {}};
        default:
            return {PrintOutcome::Failed, {}};
        }
    };
}

QString printerModuleFolder(const QString& programFolder) {
#ifdef Q_OS_WIN
    return programFolder;
#else
    return QDir::cleanPath(programFolder + QStringLiteral("/../lib/horavela"));
#endif
}

const MonthDialogs& monthDialogs() {
    return current();
}

ScopedMonthDialogs::ScopedMonthDialogs(MonthDialogs dialogs) : previous_(current()) {
    if (!dialogs.chooseSave)
        dialogs.chooseSave = previous_.chooseSave;
    if (!dialogs.saveFileName)
        dialogs.saveFileName = previous_.saveFileName;
    if (!dialogs.print)
        dialogs.print = previous_.print;
    current() = std::move(dialogs);
}

ScopedMonthDialogs::~ScopedMonthDialogs() {
    current() = std::move(previous_);
}

} // namespace horavela
