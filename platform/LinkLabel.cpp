#include "LinkLabel.h"

#include <QMouseEvent>

namespace horavela {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressedHere_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// Like a button: the click counts when the press and the release both happen on the label.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressedHere_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressedHere_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace horavela
