// A label that acts as a web link: a click anywhere on it counts, and the
// pointer turns into a pointing hand over it.
#pragma once

#include <QLabel>

namespace horavela {

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressedHere_ = false;
};

} // namespace horavela
