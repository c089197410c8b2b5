#include "platform/LinkLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace horavela {

namespace {

// Without this a screen reader meets the link as static text it cannot press.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return link()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction())
            link()->activate();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    LinkLabel* link() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* linkLabelInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()) &&
        object->isWidgetType())
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    return nullptr;
}

// Of link labels lying on one another, only the one in front can be seen; the
// ones it covers must not be Tab stops, or the focus would vanish under it.
void settleTabStops(QWidget* parent) {
    if (!parent)
        return;
    const QObjectList& stack = parent->children(); // back to front
    for (qsizetype i = 0; i < stack.size(); ++i) {
        auto* link = qobject_cast<LinkLabel*>(stack[i]);
        if (!link)
            continue;
        bool covered = false;
        for (qsizetype j = i + 1; j < stack.size() && !covered; ++j) {
            const auto* above = qobject_cast<const LinkLabel*>(stack[j]);
            covered = above && !above->isHidden() && above->geometry().intersects(link->geometry());
        }
        link->setFocusPolicy(covered ? Qt::NoFocus : Qt::TabFocus);
    }
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(linkLabelInterface);
        return true;
    }();
    setCursor(Qt::PointingHandCursor);
    // A mouse click opens the page without leaving the focus on the link.
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::activate() {
    emit clicked();
}

bool LinkLabel::event(QEvent* event) {
    const bool handled = QLabel::event(event);
    switch (event->type()) {
    case QEvent::ZOrderChange:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        settleTabStops(parentWidget());
        break;
    default:
        break;
    }
    return handled;
}

// Accepted here, so Enter on a link never reaches the window's default button.
void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() & ~Qt::KeypadModifier)
            break;
        event->accept();
        if (!event->isAutoRepeat())
            activate();
        return;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
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

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace horavela
