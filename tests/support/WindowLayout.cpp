#include "tests/support/WindowLayout.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace horavela {

namespace {

QString captionOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    return QStringLiteral("(no caption)");
}

QString fontMismatch(const QFont& font, const LayoutFont& expected) {
    const double points = font.pointSizeF();
    const bool sizeFits = expected.fitsDownTo > 0
                              ? points <= expected.points && points >= expected.fitsDownTo
                              : points == expected.points;
    const bool styleFits = font.bold() == bool(expected.style & Bold) &&
                           font.underline() == bool(expected.style & Underlined);
    const bool familyFits = !expected.family || font.family() == QLatin1String(expected.family);
    if (sizeFits && styleFits && familyFits)
        return {};
    return QStringLiteral("font %1, not %2 %3 pt%4%5")
        .arg(font.toString(), QLatin1String(expected.family ? expected.family : "any"))
        .arg(expected.points)
        .arg(expected.style & Bold ? QStringLiteral(" bold") : QString())
        .arg(expected.style & Underlined ? QStringLiteral(" underlined") : QString());
}

} // namespace

QStringList layoutMismatches(const QWidget* window, std::span<const ControlLayout> rows) {
    QStringList faults;
    for (const ControlLayout& row : rows) {
        const auto* widget = window->findChild<const QWidget*>(QLatin1String(row.name));
        const auto fault = [&](const QString& what) {
            faults << QLatin1String(row.name) + QStringLiteral(": ") + what;
        };
        if (!widget) {
            fault(QStringLiteral("no such control"));
            continue;
        }
        if (!row.place.isNull() && widget->geometry() != row.place)
            fault(QStringLiteral("lies at %1, not %2")
                      .arg(describe(widget->geometry()), describe(row.place)));
        if (row.font.points > 0) {
            const QString mismatch = fontMismatch(widget->font(), row.font);
            if (!mismatch.isEmpty())
                fault(mismatch);
        }
        if (row.caption && captionOf(widget) != QString::fromUtf8(row.caption))
            fault(QStringLiteral("reads \"%1\"").arg(captionOf(widget)));
        // Boxes and lists paint their text on the base colour; the rest on the window's.
        const bool box = qobject_cast<const QLineEdit*>(widget) ||
                         qobject_cast<const QAbstractItemView*>(widget);
        const QPalette& palette = widget->palette();
        if (row.text.isValid() &&
            palette.color(box ? QPalette::Text : QPalette::WindowText) != row.text)
            fault(QStringLiteral("text colour %1, not %2")
                      .arg(palette.color(box ? QPalette::Text : QPalette::WindowText).name(),
                           row.text.name()));
        if (row.background.isValid() &&
            (palette.color(box ? QPalette::Base : QPalette::Window) != row.background ||
             !(box || widget->autoFillBackground())))
            fault(QStringLiteral("does not paint its background %1").arg(row.background.name()));
    }
    return faults;
}

} // namespace horavela
