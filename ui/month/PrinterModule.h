// What the printing module exports. Qt's print support lives in that module
// alone, which the program loads when the user prints, so that start-up does
// not pay for linking it.
#pragma once

class QPagedPaintDevice;
class QPageSize;
class QString;
class QWidget;

namespace horavela {

// Asks for a printer through the print dialog, set to the page size and
// document name, and on OK has paint(printer, context) paint the pages.
// 1 when printed, 0 when the user cancelled, -1 when painting failed.
using PrintPagesFunction = int (*)(QWidget* parent, const QString* docName,
                                   const QPageSize* pageSize,
                                   bool (*paint)(QPagedPaintDevice& device, void* context),
                                   void* context);

inline constexpr char PrintPagesName[] = "horavelaPrintPages";

} // namespace horavela
