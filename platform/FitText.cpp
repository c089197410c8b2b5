#include "platform/FitText.h"

#include "platform/Language.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <QStyle>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <optional>

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
        if (sibling->geometry().intersects(wanted) &&
            !sibling->geometry().intersects(label.geometry()))
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
    const QSize grown = container.size() + QSize(0, extra);
    const int below = container.geometry().bottom() + 1;
    if (container.minimumSize() == container.maximumSize())
        container.setFixedSize(grown);
    else
        container.resize(grown);
    if (container.isWindow())
        return;
    if (QWidget* parent = container.parentWidget())
        openRow(*parent, below, extra);
}

// A translation that does not fit even at the smallest size takes room its
// window leaves free: the label grows where its text needs it, sideways for a
// line that is too long, downwards for wrapped lines, and up and down for
// scripts whose marks reach above and below Latin letters; where no room is
// free, the window grows under it. Labels in layouts are growInLayout's.
// Returns false when the window had to grow, which moved other controls too.
bool growIntoFreeRoom(QLabel& label) {
    const QRect area = labelTextRect(label);
    const QFontMetrics metrics(label.font());
    QRect needed = area;
    if (label.wordWrap())
        needed.setHeight(
            std::max(area.height(),
                     metrics.boundingRect(area, labelTextFlags(label), label.text()).height()));
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
        return true;
    // Where the text needs it; else the extra height all above or all below,
    // where a neighbour leaves room on one side only. Text centred on its
    // line moves with the line's middle, so it needs twice the room on one side.
    const QRect designed = label.geometry();
    const int extra =
        label.alignment() & Qt::AlignVCenter ? 2 * std::max(top, bottom) : top + bottom;
    for (const QRect& grown :
         {designed.adjusted(-left, -top, right, bottom),
          designed.adjusted(-left, -extra / 2, right, extra - extra / 2),
          designed.adjusted(-left, -extra, right, 0), designed.adjusted(-left, 0, right, extra)}) {
        if (!roomFor(label, grown))
            continue;
        label.setGeometry(grown);
        if (textFits(label, label.font()))
            return true;
        label.setGeometry(designed);
    }
    // No room beside it: the window grows below the label, and what lies under
    // it moves down, so that a taller text keeps its width.
    if (QWidget* parent = label.parentWidget();
        parent && roomFor(label, designed.adjusted(-left, 0, right, 0))) {
        openRow(*parent, designed.bottom() + 1, extra);
        label.setGeometry(designed.adjusted(-left, 0, right, extra));
        return false;
    }
    return true;
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

namespace {

// What fitting found for one label: its size and its box.
struct Fitted {
    double points = 0;
    QRect geometry;
};

QDataStream& operator<<(QDataStream& out, const Fitted& fitted) {
    return out << fitted.points << fitted.geometry;
}

QDataStream& operator>>(QDataStream& in, Fitted& fitted) {
    return in >> fitted.points >> fitted.geometry;
}

// Measuring a translated window's texts is most of what its start costs, and
// the same text, font and box always fit the same way with the same fonts
// installed. So what was found is kept in a file of the cache folder named
// after this Qt, its platform and the installed font families, and a later
// start reads it instead of measuring again.
class FittedLabels {
public:
    // Reads the folder's file again on the next use.
    void keepIn(const QString& folder) {
        folder_ = folder;
        path_.clear();
        known_.clear();
        loaded_ = false;
        changed_ = false;
    }

    std::optional<Fitted> find(const QString& key) {
        load();
        const auto found = known_.constFind(key);
        return found == known_.cend() ? std::nullopt : std::optional<Fitted>(*found);
    }

    void remember(const QString& key, const Fitted& fitted) {
        if (folder_.isEmpty())
            return;
        known_.insert(key, fitted);
        changed_ = true;
    }

    void save() {
        if (!changed_ || path_.isEmpty() || !QDir().mkpath(folder_))
            return;
        changed_ = false;
        QSaveFile file(path_);
        if (!file.open(QIODevice::WriteOnly))
            return;
        QDataStream out(&file);
        out << Format << known_;
        if (out.status() == QDataStream::Ok)
            file.commit();
    }

private:
    static constexpr quint32 Format = 1;

    void load() {
        if (loaded_ || folder_.isEmpty())
            return;
        loaded_ = true;
        QCryptographicHash fonts(QCryptographicHash::Sha256);
        fonts.addData(QByteArrayView(QT_VERSION_STR));
        fonts.addData(QGuiApplication::platformName().toUtf8());
        for (const QString& family : QFontDatabase::families())
            fonts.addData(family.toUtf8() + '\n');
        path_ =
            QDir(folder_).filePath(QStringLiteral("fitted-labels-%1.dat")
                                       .arg(QString::fromLatin1(fonts.result().toHex().left(16))));
        QFile file(path_);
        if (!file.open(QIODevice::ReadOnly))
            return;
        QDataStream in(&file);
        quint32 format = 0;
        in >> format;
        QHash<QString, Fitted> read;
        if (format == Format && (in >> read, in.status() == QDataStream::Ok))
            known_ = std::move(read);
    }

    QString folder_;
    QString path_;
    QHash<QString, Fitted> known_;
    bool loaded_ = false;
    bool changed_ = false;
};

FittedLabels& fittedLabels() {
    static FittedLabels labels;
    return labels;
}

} // namespace

void keepFittedLabelsIn(const QString& folder) {
    fittedLabels().keepIn(folder);
}

namespace {

// A label that a layout places is as tall as its font's lines; glyphs that
// reach above the first line or below the last get margins of that height,
// which the layout adds to the label. A label of one line is as wide as its
// text's advance, and glyphs that reach before its start or past its end get
// margins of that width too. A wrapped label's width is the layout's.
void growInLayout(QLabel& label) {
    const QFontMetrics metrics(label.font());
    const int advance = metrics.horizontalAdvance(label.text());
    const QRect line(0, 0, advance + 1, metrics.height());
    // One line, as the label draws its first and its last, mnemonic included.
    const int flags = (labelTextFlags(label) & Qt::TextShowMnemonic) | Qt::AlignLeft | Qt::AlignTop;
    const QRectF ink = drawnInk(label.font(), label.text(), line, flags, label.devicePixelRatioF());
    if (ink.isEmpty())
        return;
    const int above = std::max(0, int(std::ceil(-ink.top())));
    const int below = std::max(0, int(std::ceil(ink.bottom() - line.height())));
    const bool oneLine = !label.wordWrap();
    const int before = oneLine ? std::max(0, int(std::ceil(-ink.left()))) : 0;
    const int after = oneLine ? std::max(0, int(std::ceil(ink.right() - advance))) : 0;
    if (above + below + before + after > 0) {
        const QMargins margins = label.contentsMargins();
        label.setContentsMargins(std::max(margins.left(), before), std::max(margins.top(), above),
                                 std::max(margins.right(), after),
                                 std::max(margins.bottom(), below));
    }
}

bool inLayout(const QLabel& label) {
    const QWidget* parent = label.parentWidget();
    return parent && parent->layout();
}

} // namespace

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
        if (inLayout(*label)) {
            growInLayout(*label);
            continue;
        }
        QFont designed = label->font();
        designed.setPointSizeF(design.toDouble());
        const QRect box = label->geometry();
        const QString key = label->text() + u'\x1f' + designed.key() + u'\x1f' +
                            QString::number(box.width()) + u'x' + QString::number(box.height()) +
                            u'\x1f' + QString::number(label->devicePixelRatioF());
        if (const std::optional<Fitted> known = fittedLabels().find(key)) {
            designed.setPointSizeF(known->points);
            label->setFont(designed);
            label->setGeometry(known->geometry.translated(box.topLeft()));
            continue;
        }
        bool movedNothingElse = true;
        if (label->font().pointSizeF() < design.toDouble() || !textFits(*label, label->font())) {
            shrinkTextToFit(*label, design.toDouble(), SmallestTranslatedPoints);
            if (!textFits(*label, label->font()))
                movedNothingElse = growIntoFreeRoom(*label);
        }
        // Where the window had to grow, other controls moved too: that is
        // worked out again each time.
        if (movedNothingElse)
            fittedLabels().remember(
                key, {label->font().pointSizeF(), label->geometry().translated(-box.topLeft())});
    }
    fittedLabels().save();
}

} // namespace horavela
