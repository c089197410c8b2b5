// The printing module: the print dialog and the printer. It links Qt's print
// support and nothing of the program; the pages are painted by the caller.
#include "ui/month/PrinterModule.h"

#include <QPrintDialog>
#include <QPrinter>
#include <type_traits>

namespace horavela {

extern "C" Q_DECL_EXPORT int horavelaPrintPages(QWidget* parent, const QString* docName,
                                                const QPageSize* pageSize,
                                                bool (*paint)(QPagedPaintDevice&, void*),
                                                void* context) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(*pageSize);
    printer.setDocName(*docName);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    return paint(printer, context) ? 1 : -1;
}

// The program calls it through this type, unchecked at run time.
static_assert(std::is_same_v<decltype(&horavelaPrintPages), PrintPagesFunction>);

} // namespace horavela
