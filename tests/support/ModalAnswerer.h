// Answers every modal window that opens while it lives: records what it was
// and closes it, as a user pressing OK would.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace horavela {

class ModalAnswerer : public QObject {
public:
    ModalAnswerer() {
        connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::answer);
        timer_.start(10);
    }

    QStringList texts;
    QList<QMessageBox::Icon> icons;
    QStringList windows;

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        windows.append(modal->objectName());
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            texts.append(box->text());
            icons.append(box->icon());
            box->button(QMessageBox::Ok)->click();
        } else {
            modal->close();
        }
    }

    QTimer timer_;
};

} // namespace horavela
