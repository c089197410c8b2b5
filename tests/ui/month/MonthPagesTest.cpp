// The month's pages as painted on a printer that records them, in every
// language, on both regional page sizes and on one too narrow for the table's
// spans: the printer's margins widened, every text whole on its page, none
// smaller than can be read, the table's texts apart from each other and within
// the table, the note as wide as the table; English on one upright page.
#include "ui/month/MonthPages.h"

#include "platform/Language.h"
#include "tests/support/ScriptFonts.h"

#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QTest>
#include <QtGui/private/qpagedpaintdevice_p.h>
#include <optional>

using namespace horavela;
using namespace std::chrono;

namespace {

// A printer's own margins, as Qt gives them when the program sets none.
constexpr QMarginsF PrinterMargins(10, 10, 10, 10);
constexpr double SmallestReadablePoints = 8;
// The table's, as designed.
constexpr double TablePoints = 9;
constexpr double LeastMarginMillimetres = 15;

struct PaintedText {
    QString text;
    double points;
    QRectF rect; // from the ascent to the descent, in the page's paint area
    int page;
};

// Records the texts painted and the rectangles outlined, page by page.
class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyBrush)
            outlining_ = state.brush().style() == Qt::NoBrush;
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawLines(const QLineF*, int) override {}
    void drawRects(const QRectF* rects, int count) override {
        if (outlining_)
            for (int i = 0; i < count; ++i)
                outlines.append({rects[i], page});
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        texts.append(
            {item.text(), item.font().pointSizeF(),
             QRectF(p.x(), p.y() - item.ascent(), item.width(), item.ascent() + item.descent()),
             page});
    }
    Type type() const override { return QPaintEngine::User; }

    QList<PaintedText> texts;
    QList<std::pair<QRectF, int>> outlines;
    int page = 0;

private:
    bool outlining_ = false;
};

// The page layout a printer keeps; Qt's printers and PDF writer keep theirs the same way.
class KeptLayout : public QPagedPaintDevicePrivate {
public:
    explicit KeptLayout(const QPageLayout& layout) : layout_(layout) {}
    bool setPageLayout(const QPageLayout& layout) override { return (layout_ = layout), true; }
    bool setPageSize(const QPageSize& size) override { return layout_.setPageSize(size), true; }
    bool setPageOrientation(QPageLayout::Orientation orientation) override {
        return layout_.setOrientation(orientation), true;
    }
    bool setPageMargins(const QMarginsF& margins, QPageLayout::Unit units) override {
        return layout_.setUnits(units), layout_.setMargins(margins);
    }
    QPageLayout pageLayout() const override { return layout_; }

private:
    QPageLayout layout_;
};

// A printer that keeps what is painted on it.
class RecordingPrinter : public QPagedPaintDevice {
public:
    RecordingPrinter(const QPageSize& size, int resolution)
        : QPagedPaintDevice(new KeptLayout(
              QPageLayout(size, QPageLayout::Portrait, PrinterMargins, QPageLayout::Point))),
          resolution_(resolution) {}
    bool newPage() override { return ++engine_.page, true; }
    QPaintEngine* paintEngine() const override { return &engine_; }
    const RecordingEngine& painted() const { return engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        const QRect area = pageLayout().paintRectPixels(resolution_);
        switch (metric) {
        case PdmWidth:
            return area.width();
        case PdmHeight:
            return area.height();
        case PdmWidthMM:
            return qRound(pageLayout().paintRect(QPageLayout::Millimeter).width());
        case PdmHeightMM:
            return qRound(pageLayout().paintRect(QPageLayout::Millimeter).height());
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return resolution_;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    mutable RecordingEngine engine_;
    int resolution_;
};

// Long names, as a user may type them, at a place whose month has days with
// and without sun times (the midnight sun from 20 May) and at one in India.
const Place Arctic{69,
                   39,
                   false,
                   18,
                   57,
                   true,
                   ZoneOffset{-2, 0},
                   {},
                   "Tromsø Skattøra Kvaløysletta Tromsdalen",
                   "Troms og Finnmark fylkeskommune",
                   "Norway"};
const Place India{8,
                  29,
                  false,
                  76,
                  57,
                  true,
                  ZoneOffset{-5, -30},
                  {},
                  "Thiruvananthapuram Kazhakootam Technopark Phase Three",
                  "Kerala",
                  "India"};

QString described(const PaintedText& text) {
    return u"\"%1\" at %2 pt, %3 x %4 from (%5, %6) on page %7"_qs.arg(text.text)
        .arg(text.points)
        .arg(text.rect.width())
        .arg(text.rect.height())
        .arg(text.rect.left())
        .arg(text.rect.top())
        .arg(text.page + 1);
}

} // namespace

class MonthPagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyTextWholeAndReadable_data();
    void everyTextWholeAndReadable();

private:
    std::optional<ReplacedTranslationsFolder> folder_;
};

void MonthPagesTest::initTestCase() {
    folder_.emplace(QStringLiteral(TRANSLATIONS_FOLDER));
}

void MonthPagesTest::cleanupTestCase() {
    useLanguage(QStringLiteral("en"));
}

void MonthPagesTest::everyTextWholeAndReadable_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QPageSize>("size");
    QTest::addColumn<int>("resolution"); // the PDF's, or a printer's
    // English keeps its one portrait page, its table at the designed size.
    QTest::addColumn<bool>("asDesigned");
    for (const Language& language : Languages) {
        const QByteArray code(language.code);
        const QString name = QString::fromLatin1(code);
        const bool english = code == "en";
        QTest::newRow(code + " A4") << name << QPageSize(QPageSize::A4) << 300 << english;
        QTest::newRow(code + " Letter") << name << QPageSize(QPageSize::Letter) << 1200 << english;
        // Narrower than the program's pages even when turned, so that spans break.
        QTest::newRow(code + " A5") << name << QPageSize(QPageSize::A5) << 300 << false;
    }
}

void MonthPagesTest::everyTextWholeAndReadable() {
    QFETCH(QString, language);
    QFETCH(QPageSize, size);
    QFETCH(int, resolution);
    QFETCH(bool, asDesigned);
    QVERIFY(useLanguage(language));
    // Boxes in place of a script's glyphs measure nothing a user would see.
    if (const QString font = missingScriptFont(QLocale().language()); !font.isEmpty())
        QSKIP(qPrintable(
            QStringLiteral("%1 is not installed (scripts/deps.sh test installs it)").arg(font)));
    // The Arctic's month on Letter, India's on the others.
    const bool arctic = size.id() == QPageSize::Letter;
    RecordingPrinter printer(size, resolution);
    QVERIFY(paintMonthPages(printer, QLocale(), arctic ? Arctic : India,
                            {year{2022} / (arctic ? May : January), 1}));
    const RecordingEngine& painted = printer.painted();
    QVERIFY(!painted.texts.isEmpty());

    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
    for (const double margin : {margins.left(), margins.top(), margins.right(), margins.bottom()})
        QVERIFY2(margin >= LeastMarginMillimetres - 0.01,
                 qPrintable(u"a margin of %1 mm"_qs.arg(margin)));
    const QRectF page(0, 0, printer.width(), printer.height());
    // A rounding's worth, in the device's dots.
    const double slack = resolution / 600.0;
    for (const PaintedText& text : painted.texts) {
        if (text.points < SmallestReadablePoints)
            QFAIL(qPrintable(u"too small: "_qs + described(text)));
        if (!page.adjusted(-slack, -slack, slack, slack).contains(text.rect))
            QFAIL(qPrintable(u"off the page: "_qs + described(text)));
    }
    if (asDesigned) {
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        QCOMPARE(painted.page, 0);
    }
    // The table's texts lie within the table, and what follows it (the note) within its width.
    for (const auto& [table, onPage] : painted.outlines) {
        for (const PaintedText& text : painted.texts) {
            if (text.page != onPage || text.rect.center().y() < table.top())
                continue;
            if (text.rect.left() < table.left() - slack ||
                text.rect.right() > table.right() + slack)
                QFAIL(qPrintable(u"wider than the table: "_qs + described(text)));
            if (text.rect.center().y() > table.bottom())
                continue;
            if (text.rect.top() < table.top() - slack ||
                text.rect.bottom() > table.bottom() + slack)
                QFAIL(qPrintable(u"taller than the table: "_qs + described(text)));
            if (asDesigned && text.points < TablePoints)
                QFAIL(qPrintable(u"smaller than designed: "_qs + described(text)));
        }
    }
    // No text runs into another: each cell's text within its cell, each row within its row.
    for (qsizetype i = 0; i < painted.texts.size(); ++i) {
        for (qsizetype j = i + 1; j < painted.texts.size(); ++j) {
            const PaintedText& a = painted.texts[i];
            const PaintedText& b = painted.texts[j];
            const QRectF overlap = a.rect.intersected(b.rect);
            if (a.page == b.page && overlap.width() > slack && overlap.height() > slack)
                QFAIL(qPrintable(described(a) + u" runs into "_qs + described(b)));
        }
    }
}

QTEST_MAIN(MonthPagesTest)
#include "MonthPagesTest.moc"
