#include "platform/MessageBox.h"

#include <QMessageBox>

namespace horavela {

void showMessage(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical
                                                  : QMessageBox::Information,
                    QStringLiteral("Horavela"), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace horavela
