// A label that acts as a web link: a click anywhere on it counts, and the
// pointer turns into a pointing hand over it. It is also a Tab stop that Enter,
// Return and Space activate, and assistive tools see it as a link they can press.
#pragma once

#include <QLabel>

namespace horavela {

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

    // Does what a click does.
    void activate();

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressedHere_ = false;
};

} // namespace horavela
