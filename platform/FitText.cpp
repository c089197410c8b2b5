#include "platform/FitText.h"

#include "platform/Language.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QString>
#include <QTextLayout>
#include <QVariant>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace horavela {

namespace {

bool textFits(const QLabel& label, const QFont& font) {
    const QFontMetrics metrics(font);
    const QRect area = labelTextRect(label);
    if (!label.wordWrap()) {
        if (metrics.horizontalAdvance(label.text()) > area.width())
            return false;
    } else {
        const QRect needed =
            metrics.boundingRect(area, int(label.alignment()) | Qt::TextWordWrap, label.text());
        if (needed.width() > area.width() || needed.height() > area.height())
            return false;
    }
    const QRectF ink =
        drawnInk(font, label.text(), area, labelTextFlags(label), label.devicePixelRatioF());
    return ink.isEmpty() || QRectF(label.contentsRect())
                                .adjusted(-InkSlack, -InkSlack, InkSlack, InkSlack)
                                .contains(ink);
}

// Most one-line labels hold their text with room to spare, and the glyphs'
// own bounds tell so without drawing them: the text's bounding box, placed on
// the line as the label places it, a pixel inside its box. Wrapped labels are
// left to the drawing.
bool plainlyFits(const QLabel& label, const QFont& font) {
    if (label.wordWrap() || label.text().contains(u'\n'))
        return false;
    const QRectF area = labelTextRect(label);
    QTextLayout layout(label.text(), font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (!line.isValid())
        return false;
    line.setLineWidth(1e6);
    layout.endLayout();
    const Qt::Alignment align = QStyle::visualAlignment(label.layoutDirection(), label.alignment());
    const double width = line.naturalTextWidth();
    double x = area.left();
    if (align & Qt::AlignHCenter)
        x += (area.width() - width) / 2;
    else if (align & Qt::AlignRight)
        x = area.right() + 1 - width;
    double top = area.top();
    if (align & Qt::AlignVCenter)
        top += (area.height() - line.height()) / 2;
    else if (align & Qt::AlignBottom)
        top = area.bottom() + 1 - line.height();
    const double baseline = top + line.ascent();
    const QRectF bounds = QFontMetricsF(font).boundingRect(label.text());
    const QRectF ink(x + std::min(0.0, bounds.left()), baseline + bounds.top(),
                     std::max(width, bounds.right()) - std::min(0.0, bounds.left()),
                     bounds.height());
    // Marks that some scripts stack above a letter can reach past its font's
    // bounds by a pixel or two; a label that close to its edge is drawn instead.
    constexpr double Beside = 1;
    constexpr double AboveBelow = 3;
    return QRectF(label.contentsRect())
        .adjusted(Beside, AboveBelow, -Beside, -AboveBelow)
        .contains(ink);
}

// A rectangle that the label may take without covering another control of
// its window or leaving it.
bool roomFor(const QLabel& label, const QRect& wanted) {
    const QWidget* parent = label.parentWidget();
    if (!parent || !parent->rect().contains(wanted))
        return false;
    for (const QObject* child : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (!sibling || sibling == &label || sibling->isWindow() || sibling->isHidden())
            continue;
        if (sibling->geometry().intersects(wanted) && !sibling->geometry().intersects(label.geometry()))
            return false;
    }
    return true;
}

// Makes `extra` pixels of height from `fromY` down in `container`: what lies
// there moves down, and the container grows by as much, and so on up to its
// window, which grows too.
void openRow(QWidget& container, int fromY, int extra) {
    for (QObject* child : container.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->isWindow() && widget->y() >= fromY)
            widget->move(widget->x(), widget->y() + extra);
    }
    if (container.isWindow()) {
        const QSize grown = container.size() + QSize(0, extra);
        if (container.minimumSize() == container.maximumSize())
            container.setFixedSize(grown);
        else
            container.resize(grown);
        return;
    }
    const int below = container.geometry().bottom() + 1;
    container.resize(container.width(), container.height() + extra);
    if (QWidget* parent = container.parentWidget())
        openRow(*parent, below, extra);
}

// A translation that does not fit even at the smallest size takes room its
// window leaves free: the label grows where its text needs it, sideways for a
// line that is too long, downwards for wrapped lines, and up and down for
// scripts whose marks reach above and below Latin letters; where no room is
// free, the window grows under it. A label in a layout asks the layout for the
// size instead.
void growIntoFreeRoom(QLabel& label) {
    const QRect area = labelTextRect(label);
    const QFontMetrics metrics(label.font());
    QRect needed = area;
    if (label.wordWrap())
        needed.setHeight(std::max(area.height(),
                                  metrics.boundingRect(area, labelTextFlags(label), label.text())
                                      .height()));
    else
        needed.setWidth(std::max(area.width(), metrics.horizontalAdvance(label.text())));
    const QRectF ink = drawnInk(label.font(), label.text(), needed, labelTextFlags(label),
                                label.devicePixelRatioF());
    const QRectF inkRect = ink.isEmpty() ? QRectF(needed) : ink.united(QRectF(needed));
    const QRect box = label.contentsRect();
    const int left = std::max(0, int(std::ceil(box.left() - inkRect.left() - InkSlack)));
    const int top = std::max(0, int(std::ceil(box.top() - inkRect.top() - InkSlack)));
    const int right = std::max(0, int(std::ceil(inkRect.right() - box.right() - InkSlack)));
    const int bottom = std::max(0, int(std::ceil(inkRect.bottom() - box.bottom() - InkSlack)));
    if (left + top + right + bottom == 0)
        return;
    const QWidget* parent = label.parentWidget();
    if (parent && parent->layout() && parent->layout()->indexOf(&label) >= 0) {
        label.setMinimumSize(label.width() + left + right, label.height() + top + bottom);
        return;
    }
    // Where the text needs it; else the extra height all above or all below,
    // where a neighbour leaves room on one side only. Text centred on its
    // line moves with the line's middle, so it needs twice the room on one side.
    const QRect designed = label.geometry();
    const int extra = label.alignment() & Qt::AlignVCenter ? 2 * std::max(top, bottom)
                                                          : top + bottom;
    for (const QRect& grown : {designed.adjusted(-left, -top, right, bottom),
                               designed.adjusted(-left, -extra / 2, right, extra - extra / 2),
                               designed.adjusted(-left, -extra, right, 0),
                               designed.adjusted(-left, 0, right, extra)}) {
        if (!roomFor(label, grown))
            continue;
        label.setGeometry(grown);
        if (textFits(label, label.font()))
            return;
        label.setGeometry(designed);
    }
    // No room beside it: the window grows below the label, and what lies under
    // it moves down, so that a taller text keeps its width.
    if (QWidget* parent = label.parentWidget(); parent && roomFor(label, designed.adjusted(-left, 0, right, 0))) {
        openRow(*parent, designed.bottom() + 1, extra);
        label.setGeometry(designed.adjusted(-left, 0, right, extra));
    }
}

} // namespace

int labelTextFlags(const QLabel& label) {
    int flags = int(label.alignment());
    if (label.wordWrap())
        flags |= Qt::TextWordWrap;
    if (label.buddy())
        flags |= Qt::TextShowMnemonic;
    return flags;
}

QRect labelTextRect(const QLabel& label) {
    const int margin = label.margin();
    QRect area = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    // An indent of -1 is none, or half an x for a framed label.
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() > 0)
        indent = label.fontMetrics().horizontalAdvance(u'x') / 2 - margin;
    if (indent > 0) {
        const Qt::Alignment align =
            QStyle::visualAlignment(label.layoutDirection(), label.alignment());
        if (align & Qt::AlignLeft)
            area.setLeft(area.left() + indent);
        if (align & Qt::AlignRight)
            area.setRight(area.right() - indent);
        if (align & Qt::AlignTop)
            area.setTop(area.top() + indent);
        if (align & Qt::AlignBottom)
            area.setBottom(area.bottom() - indent);
    }
    return area;
}

namespace {

QRectF drawInk(const QFont& font, const QString& text, const QRect& area, int flags,
               double pixelRatio) {
    // Room all round for ink that strays far from the area.
    const QSize box = area.size();
    const int margin = box.height() + 40;
    const QSize logical = box + QSize(2 * margin, 2 * margin);
    // The premultiplied format draws from the glyph cache, where others would
    // rasterise every glyph's outline anew.
    QImage picture(logical * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(margin, margin), box), flags | Qt::TextDontClip, text);
    }
    int left = picture.width(), right = -1, top = picture.height(), bottom = -1;
    const auto inked = [](QRgb pixel) { return qAlpha(pixel) != 0; };
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        const QRgb* const end = line + picture.width();
        const QRgb* const first = std::find_if(line, end, inked);
        if (first == end)
            continue;
        const auto last =
            std::find_if(std::make_reverse_iterator(end), std::make_reverse_iterator(first), inked);
        left = std::min(left, int(first - line));
        right = std::max(right, int(last.base() - line) - 1);
        top = std::min(top, y);
        bottom = y;
    }
    if (bottom < 0)
        return {};
    return QRectF(left / pixelRatio - margin + area.x(), top / pixelRatio - margin + area.y(),
                  (right - left + 1) / pixelRatio, (bottom - top + 1) / pixelRatio);
}

} // namespace

// Every result window fits the same captions and notes again, and drawing is
// most of what fitting costs, so each drawing is remembered: the same font,
// text and box always leave the same ink.
QRectF drawnInk(const QFont& font, const QString& text, const QRect& area, int flags,
                double pixelRatio) {
    static QHash<QString, QRectF> known;
    constexpr qsizetype MostKnown = 512;
    const QString key = font.key() + u'\x1f' + text + u'\x1f' + QString::number(area.width()) +
                        u'x' + QString::number(area.height()) + u'\x1f' + QString::number(flags) +
                        u'\x1f' + QString::number(pixelRatio);
    if (const auto found = known.constFind(key); found != known.cend())
        return found->translated(area.topLeft());
    const QRectF ink = drawInk(font, text, QRect(QPoint(0, 0), area.size()), flags, pixelRatio);
    if (known.size() >= MostKnown)
        known.clear();
    known.insert(key, ink);
    return ink.translated(area.topLeft());
}

double smallestPoints(double designed) {
    return languageInUse() == u"en" ? designed : std::max(designed, SmallestTranslatedPoints);
}

void shrinkTextToFit(QLabel& label, double designPoints, double smallest) {
    label.setFont(shrunkToFit(
        label.font(), designPoints, smallestPoints(smallest),
        [&](const QFont& font) { return textFits(label, font); }));
}

void makeRoomForTranslation(QLabel& label) {
    if (languageInUse() != u"en" && !textFits(label, label.font()))
        growIntoFreeRoom(label);
}

void fitTranslatedLabels(QWidget& window) {
    static const char* const DesignPoints = "horavelaDesignPoints";
    if (languageInUse() == u"en") {
        // Back from a translation: what it shrank gets its designed size again.
        for (QLabel* label : window.findChildren<QLabel*>())
            if (const QVariant design = label->property(DesignPoints); design.isValid()) {
                QFont font = label->font();
                font.setPointSizeF(design.toDouble());
                label->setFont(font);
            }
        return;
    }
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
            continue;
        QVariant design = label->property(DesignPoints);
        if (!design.isValid()) {
            design = label->font().pointSizeF();
            label->setProperty(DesignPoints, design);
        }
        if (label->font().pointSizeF() >= design.toDouble() &&
            (plainlyFits(*label, label->font()) || textFits(*label, label->font())))
            continue;
        const auto fits = [label](const QFont& font) {
            return plainlyFits(*label, font) || textFits(*label, font);
        };
        label->setFont(
            shrunkToFit(label->font(), design.toDouble(), SmallestTranslatedPoints, fits));
        if (!fits(label->font()))
            growIntoFreeRoom(*label);
    }
}

} // namespace horavela
