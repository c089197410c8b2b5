// Answers every modal window that opens while it lives: records what it was,
// lets the test act on it, and closes it if it is still open, as a user
// pressing OK would.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace horavela {

class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(std::function<void(QWidget*)> action = {}) : action_(std::move(action)) {
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
        if (action_) {
            action_(modal);
            if (!modal->isVisible())
                return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            texts.append(box->text());
            icons.append(box->icon());
            box->button(QMessageBox::Ok)->click();
        } else {
            modal->close();
        }
    }

    std::function<void(QWidget*)> action_;
    QTimer timer_;
};

} // namespace horavela
