// Renders the README's pictures from the real windows: the filled main window,
// the result of a check that lands in Rahu Kaal, the time zone picker, the
// About window and the places found for Pune. Usage: horavela_screenshots <folder>
#include "BrandBanner.h"
#include "DisplayCheck.h"
#include "ProgramIcon.h"
#include "WindowDriver.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmPlaceSearch.h"
#include "frmTimeZone.h"
#include "modRahukal.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyleHints>
#include <QThread>
#include <QWindow>
#include <cstdio>
#include <memory>

namespace horavela {

namespace {

// Any step that goes wrong throws WindowDriverError: main reports it and no picture is trusted.
// A draw of the start-up's banner choice that brings the co-brand banner
// forward, so that every run shows the same one.
constexpr double CobrandDraw = 0.0;
constexpr int AppearMilliseconds = 5000;
// After the window is on the screen: deferred layouts, text fits and repaints.
constexpr int SettleMilliseconds = 300;

void pumpEvents(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(10);
    } while (!timer.hasExpired(milliseconds));
}

// Shows the window and waits until the display server has mapped it, so the
// grab below uses the platform's real fonts and rendering.
void showOnScreen(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
    QElapsedTimer timer;
    timer.start();
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        if (timer.hasExpired(AppearMilliseconds))
            throw WindowDriverError(window.objectName() +
                                    QStringLiteral(" never appeared on the screen"));
        pumpEvents(20);
    }
    pumpEvents(SettleMilliseconds);
}

void save(QWidget& window, const QDir& folder, const char* file) {
    const QString path = folder.filePath(QLatin1String(file));
    // Strongest compression: the pictures live in the repository.
    if (!window.grab().save(path, "PNG", 0))
        throw WindowDriverError(QStringLiteral("cannot write ") + path);
    std::printf("%s\n", qPrintable(path));
}

// A real place and a Tuesday afternoon: Tuesday's Rahu Kaal is the seventh
// eighth of the daylight, about 15:30 to 17:00 in New Delhi in March.
void fillExample(const QWidget* main) {
    fillForm(main, "ASHA", {"28", "37", false, "77", "13", true, "-5", "-30"},
             {2025, 3, 18, 16, 10, 0});
    fillSearchPlace(main, QStringLiteral("New Delhi"), QStringLiteral("Delhi"),
                    QStringLiteral("India"));
}

void renderResult(const QWidget* main, const QDir& folder) {
    QMainWindow* result = runCheck(main);
    if (!result)
        throw WindowDriverError(QStringLiteral("the check showed no result window"));
    const QString verdict = resultText("lblRahukalResult");
    if (verdict != QString::fromUtf8(InRahukalText.data(), qsizetype(InRahukalText.size())))
        throw WindowDriverError(
            QStringLiteral("the example is not in Rahu Kaal; the verdict reads: ") + verdict);
    showOnScreen(*result);
    if (!control<QLabel>(result, "lblShow")->isVisible())
        throw WindowDriverError(QStringLiteral("the result window hides its note"));
    save(*result, folder, "result.png");
    goBack(result);
}

void renderPicker(QWidget& main, const QDir& folder) {
    auto* picker = new frmTimeZone(*control<QLineEdit>(&main, "txtZoneHour"),
                                   *control<QLineEdit>(&main, "txtZoneMinute"), &main);
    auto* list = control<QListWidget>(picker, "lstTimeZone");
    const QList<QListWidgetItem*> rows =
        list->findItems(QStringLiteral("Indian Time, IST, +5.3"), Qt::MatchExactly);
    if (rows.isEmpty())
        throw WindowDriverError(QStringLiteral("the picker lists no Indian Time"));
    list->setCurrentItem(rows.first());
    list->scrollToItem(rows.first(), QAbstractItemView::PositionAtCenter);
    showOnScreen(*picker);
    save(*picker, folder, "picker.png");
    delete picker;
}

void renderAbout(QWidget& main, const QDir& folder) {
    auto* about = new frmAbout(&main);
    showOnScreen(*about);
    save(*about, folder, "about.png");
    delete about;
}

// The window that the coordinate search opens for Pune, with the places of the
// built places database.
void renderPlaceSearch(QWidget& main, const QDir& folder) {
    const PlaceQuery query{QStringLiteral("Pune"), QStringLiteral("Maharashtra"),
                           QStringLiteral("India")};
    const ZoneMoment moment{2026, QDate(2026, 7, 15), QTime(12, 0)};
    std::optional<std::vector<FoundPlace>> places = lookUpPlaces(placesGazetteer(), query, moment);
    if (!places || places->empty())
        throw WindowDriverError(QStringLiteral("the places database found no Pune"));
    auto* window = new frmPlaceSearch(query, std::move(*places), moment, &main);
    showOnScreen(*window);
    save(*window, folder, "placesearch.png");
    delete window;
}

void renderAll(const QDir& folder) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // A steady text cursor, so that reruns give the same pictures.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    QApplication::setWindowIcon(programIcon());

    // The program's start-up without its single-instance lock, which a running copy would hold.
    const auto main = std::make_unique<frmMain>();
    ChooseBrandBanner(*main, CobrandDraw);
    fillExample(main.get());
    showOnScreen(*main);
    std::printf("Verdana is drawn as %s\n", qPrintable(QFontInfo(main->font()).family()));
    save(*main, folder, "main.png");

    renderResult(main.get(), folder);
    showOnScreen(*main);
    renderPicker(*main, folder);
    renderAbout(*main, folder);
    renderPlaceSearch(*main, folder);
}

} // namespace

} // namespace horavela

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder for the pictures>\n", argv[0]);
        return 2;
    }
    if (!horavela::checkDisplayAvailable())
        return 1;
    QApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create the folder %s\n", argv[1]);
        return 1;
    }
    try {
        horavela::renderAll(folder);
    } catch (const horavela::WindowDriverError& failure) {
        std::fprintf(stderr, "Rendering the pictures failed: %s\n", failure.what());
        return 1;
    }
    return 0;
}
