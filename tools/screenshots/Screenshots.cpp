// Renders the README's pictures from the real windows: the filled main window,
// the result of a check that lands in Rahu Kaal, the time zone picker, the
// About window, the month of the chosen day, the City box's suggestions for "Pun", the places found
// for Pune and the main window after "Use This Place"; and, on a desktop with a tray and a
// notification server, the tray icon's menu and a reminder. Usage: see main below.
#include "app/BrandBanner.h"
#include "app/DisplayCheck.h"
#include "app/HomeTray.h"
#include "app/ProgramIcon.h"
#include "app/frmAbout.h"
#include "calc/DayPeriods.h"
#include "calc/modRahukal.h"
#include "places/PlacesDatabase.h"
#include "platform/Clock.h"
#include "platform/KeptSettings.h"
#include "platform/Language.h"
#include "platform/Notifier.h"
#include "tools/windowdriver/WindowDriver.h"
#include "ui/main/HomePlace.h"
#include "ui/main/frmMain.h"
#include "ui/month/frmMonth.h"
#include "ui/placesearch/frmPlaceSearch.h"
#include "ui/result/ResultTexts.h"
#include "ui/timezone/frmTimeZone.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStyleHints>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>

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
// Waits for what a window system does in its own time, such as showing or
// activating a window, and fails with `what` when it does not come.
template <typename Condition> void waitUntil(Condition done, const QString& what) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.hasExpired(AppearMilliseconds))
            throw WindowDriverError(what);
        pumpEvents(20);
    }
}

void showOnScreen(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
    waitUntil([&] { return window.windowHandle() && window.windowHandle()->isExposed(); },
              window.objectName() + QStringLiteral(" never appeared on the screen"));
    pumpEvents(SettleMilliseconds);
}

void save(const QPixmap& picture, const QDir& folder, const char* file) {
    const QString path = folder.filePath(QLatin1String(file));
    // Strongest compression: the pictures live in the repository.
    if (!picture.save(path, "PNG", 0))
        throw WindowDriverError(QStringLiteral("cannot write ") + path);
    std::printf("%s\n", qPrintable(path));
}

void save(QWidget& window, const QDir& folder, const char* file) {
    save(window.grab(), folder, file);
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
    if (verdict != verdictText(Verdict::InRahukal))
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

// The month of the filled-in day, opened from the File menu as a user opens it.
void renderMonth(QWidget& main, const QDir& folder, const char* file = "month.png") {
    std::optional<WindowDriverError> failure;
    bool opened = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* window = qobject_cast<frmMonth*>(QApplication::activeModalWidget());
        if (!window)
            return;
        poll.stop();
        opened = true;
        try {
            showOnScreen(*window);
            save(*window, folder, file);
        } catch (const WindowDriverError& error) {
            failure = error;
        }
        window->reject();
    });
    poll.start(10);
    control<QAction>(&main, "mnuMonth")->trigger();
    if (failure)
        throw *failure;
    if (!opened)
        throw WindowDriverError(QStringLiteral("Rahu Kaal of the Month opened no month window"));
}

// Key by key, as a user types, so that the box reports each edit.
void typeInto(QLineEdit& box, const QString& text) {
    box.setFocus();
    for (const QChar typed : text) {
        const int key = typed.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(typed));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(typed));
        QCoreApplication::sendEvent(&box, &press);
        QCoreApplication::sendEvent(&box, &release);
        pumpEvents(20);
    }
}

void pressKey(QWidget& target, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &press);
    QCoreApplication::sendEvent(&target, &release);
    pumpEvents(SettleMilliseconds);
}

// The suggestions are a window of their own that hangs below the City box and
// may reach past the main window's edge: the picture shows both as the screen
// does, with nothing around them.
QPixmap withPopup(QWidget& main, QWidget& popup) {
    const QRect mainArea(QPoint(0, 0), main.size());
    const QRect popupArea(popup.mapToGlobal(QPoint(0, 0)) - main.mapToGlobal(QPoint(0, 0)),
                          popup.size());
    const QRect whole = mainArea.united(popupArea);
    QPixmap picture(whole.size());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawPixmap(mainArea.topLeft() - whole.topLeft(), main.grab());
    painter.drawPixmap(popupArea.topLeft() - whole.topLeft(), popup.grab());
    return picture;
}

// "Pun" typed into an empty City box, and the places it suggests; then the
// first of them, Pune, chosen with the arrow keys and Enter.
void renderSuggestions(QWidget& main, const QDir& folder) {
    fillSearchPlace(&main, QString(), QString(), QString());
    // Suggestions show only in the window that has the keyboard, which a
    // window system may hand back late after the About window closes.
    main.activateWindow();
    waitUntil([&] { return QApplication::activeWindow() == &main; },
              QStringLiteral("the main window did not get the keyboard back"));
    auto* city = control<QLineEdit>(&main, "txtMCity");
    typeInto(*city, QStringLiteral("Pun"));
    QCompleter* completer = city->findChild<QCompleter*>();
    QAbstractItemView* popup = completer ? completer->popup() : nullptr;
    waitUntil([&] { return popup && popup->isVisible(); },
              QStringLiteral("typing \"Pun\" showed no suggestions"));
    pumpEvents(SettleMilliseconds);
    save(withPopup(main, *popup), folder, "suggestions.png");

    pressKey(*popup, Qt::Key_Down);
    pressKey(*popup, Qt::Key_Return);
    const QStringList chosen{city->text(), control<QLineEdit>(&main, "txtMState")->text(),
                             control<QLineEdit>(&main, "txtMCountry")->text()};
    if (popup->isVisible() ||
        chosen != QStringList{QStringLiteral("Pune"), QStringLiteral("Maharashtra"),
                              QStringLiteral("India")})
        throw WindowDriverError(QStringLiteral("the first suggestion filled in ") +
                                chosen.join(QStringLiteral(", ")));
}

// Acts on the places window while the coordinate search holds it open; a
// failure inside is rethrown once the search has returned, and the window is
// closed if the action left it open.
void answerPlaceSearch(QWidget& main, const std::function<void(frmPlaceSearch&)>& action) {
    std::optional<WindowDriverError> failure;
    bool opened = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* window = qobject_cast<frmPlaceSearch*>(QApplication::activeModalWidget());
        if (!window)
            return;
        poll.stop();
        opened = true;
        try {
            action(*window);
        } catch (const WindowDriverError& error) {
            failure = error;
        }
        if (window->isVisible())
            window->reject();
    });
    poll.start(10);
    control<QPushButton>(&main, "cmdBrowser")->click();
    if (failure)
        throw *failure;
    if (!opened)
        throw WindowDriverError(QStringLiteral("the coordinate search opened no places window"));
}

// The places window for the chosen Pune, opened by the coordinate search as a
// user opens it, then "Use This Place" and the main window it fills in.
void renderPlaceSearch(QWidget& main, const QDir& folder) {
    answerPlaceSearch(main, [&](frmPlaceSearch& window) {
        showOnScreen(window);
        save(window, folder, "placesearch.png");
        control<QPushButton>(&window, "cmdUse")->click();
    });
    const QStringList filled{control<QLineEdit>(&main, "txtLatD")->text(),
                             control<QLineEdit>(&main, "txtLatM")->text(),
                             control<QLineEdit>(&main, "txtLonD")->text(),
                             control<QLineEdit>(&main, "txtLonM")->text(),
                             control<QLineEdit>(&main, "txtZoneHour")->text(),
                             control<QLineEdit>(&main, "txtZoneMinute")->text()};
    const bool northEast = control<QRadioButton>(&main, "optLat_0")->isChecked() &&
                           control<QRadioButton>(&main, "optLong_0")->isChecked();
    if (!northEast ||
        filled != QStringList{QStringLiteral("18"), QStringLiteral("31"), QStringLiteral("73"),
                              QStringLiteral("51"), QStringLiteral("-5"), QStringLiteral("-30")})
        throw WindowDriverError(QStringLiteral("Use This Place filled in ") +
                                filled.join(QStringLiteral(" ")));
    showOnScreen(main);
    if (QApplication::focusWidget() != control<QPushButton>(&main, "cmdRashi"))
        throw WindowDriverError(QStringLiteral("after Use This Place the focus is not on the "
                                               "check button"));
    save(main, folder, "placeused.png");
}

// The program's start-up without its single-instance lock, which a running
// copy would hold, and the example filled in.
std::unique_ptr<frmMain> showExample() {
    // A steady text cursor, so that reruns give the same pictures.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    QApplication::setWindowIcon(programIcon());
    auto main = std::make_unique<frmMain>();
    ChooseBrandBanner(*main, CobrandDraw);
    fillExample(main.get());
    showOnScreen(*main);
    return main;
}

void renderAll(const QDir& folder) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::unique_ptr<frmMain> main = showExample();
    std::printf("Verdana is drawn as %s\n", qPrintable(QFontInfo(main->font()).family()));
    save(*main, folder, "main.png");

    renderResult(main.get(), folder);
    showOnScreen(*main);
    renderPicker(*main, folder);
    renderAbout(*main, folder);
    renderMonth(*main, folder);
    renderSuggestions(*main, folder);
    renderPlaceSearch(*main, folder);
}

// The main window and the month window in one of the translations, with the
// desktop's formats of that language, as its speakers see them.
void renderLanguage(const QDir& folder, const QString& code) {
    const ReplacedTranslationsFolder translations(QStringLiteral(TRANSLATIONS_FOLDER));
    if (!isKnownLanguage(code) || !useLanguage(code))
        throw WindowDriverError(QStringLiteral("no translation for ") + code);
    const std::unique_ptr<frmMain> main = showExample();
    save(*main, folder, qPrintable(QStringLiteral("main-%1.png").arg(code)));
    renderMonth(*main, folder, qPrintable(QStringLiteral("month-%1.png").arg(code)));
}

// The home place of the tray's pictures, as the places give Pune.
Place homePune(PlacesDatabase& places) {
    Place place;
    place.LatDegrees = 18;
    place.LatMinutes = 31;
    place.LonDegrees = 73;
    place.LonMinutes = 51;
    place.IsEast = true;
    place.city = "Pune";
    place.state = "Maharashtra";
    place.country = "India";
    place.zoneName = "Asia/Kolkata";
    place.namedZone = places.zone("Asia/Kolkata");
    if (!place.namedZone)
        throw WindowDriverError(QStringLiteral("the places know no zone Asia/Kolkata"));
    return place;
}

// A Tuesday at Pune, with Rahu Kaal from 15:12 to 16:35.
constexpr std::chrono::year_month_day TrayDay{std::chrono::year{2026}, std::chrono::December,
                                              std::chrono::day{8}};

// The universal moment of Rahu Kaal's start that day, moved by `offset`.
QDateTime rahuKaalStart(const Place& place, std::chrono::seconds offset) {
    const DayPeriods day = dayPeriods(place, TrayDay);
    if (day.sunless != Sunless::None || !day.zone)
        throw WindowDriverError(QStringLiteral("Pune has no Rahu Kaal on the tray's day"));
    const auto start = day[DayPeriod::RahuKaal].start.time_since_epoch() -
                       std::chrono::seconds{day.zone->secondsEast()} + offset;
    return QDateTime::fromSecsSinceEpoch(start.count(), Qt::UTC);
}

// The smallest rectangle holding every pixel that differs between the two,
// empty when none does.
QRect changedArea(const QImage& before, const QImage& after) {
    if (before.size() != after.size())
        return QRect(QPoint(0, 0), after.size());
    QRect area;
    for (int row = 0; row < after.height(); ++row)
        for (int column = 0; column < after.width(); ++column)
            if (before.pixel(column, row) != after.pixel(column, row))
                area |= QRect(column, row, 1, 1);
    return area;
}

QImage screenNow(QScreen& screen) {
    return screen.grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

// The reminder ten minutes before Rahu Kaal, as the notification server draws
// it on the screen: the screen is grabbed before and after, and the picture is
// what changed once it stays the same. Left out, with a message, where the
// desktop takes it but shows nothing on this screen, or has no server at all.
void renderNotification(HomeTray& tray, QDateTime& present, const Place& home,
                        const std::optional<NotificationShown>& shown, const QString& text,
                        const QDir& folder) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        throw WindowDriverError(QStringLiteral("no screen to grab"));
    pumpEvents(SettleMilliseconds);
    const QImage before = screenNow(*screen);
    present = rahuKaalStart(home, std::chrono::minutes{-10});
    tray.wake();
    if (!shown)
        throw WindowDriverError(QStringLiteral("no reminder came ten minutes before Rahu Kaal"));
    if (text != QLatin1String("Rahu Kaal starts at 3:12 PM, in 10 minutes (Pune)"))
        throw WindowDriverError(QStringLiteral("the reminder says ") + text);
    if (*shown != NotificationShown::ByDesktop) {
        std::printf("notification.png skipped: no notification server on the session bus\n");
        return;
    }
    QElapsedTimer timer;
    timer.start();
    QRect last;
    for (;;) {
        pumpEvents(200);
        const QRect area = changedArea(before, screenNow(*screen));
        // Drawn, and no longer growing or moving.
        if (!area.isEmpty() && area == last) {
            save(screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()), folder,
                 "notification.png");
            return;
        }
        last = area;
        if (timer.hasExpired(AppearMilliseconds)) {
            std::printf("notification.png skipped: the notification server drew nothing on "
                        "this screen\n");
            return;
        }
    }
}

// The tray icon's menu while Rahu Kaal is on, opened at a point as the
// desktop opens it under the icon.
void renderTrayMenu(HomeTray& tray, QDateTime& present, const QDir& folder) {
    present = QDateTime(QDate(2026, 12, 8), QTime(10, 0), Qt::UTC); // 15:30 at Pune
    tray.wake();
    const QStringList expected{QStringLiteral("Rahu Kaal now, until 4:35 PM"),
                               QStringLiteral("Next: Yamaganda tomorrow, 8:18 AM to 9:41 AM")};
    if (tray.nowLines() != expected)
        throw WindowDriverError(QStringLiteral("the tray says ") +
                                tray.nowLines().join(QStringLiteral(" | ")));
    QMenu* menu = tray.icon()->contextMenu();
    if (!menu)
        throw WindowDriverError(QStringLiteral("the tray icon has no menu"));
    const QRect icon = tray.icon()->geometry();
    menu->popup(icon.isValid() ? icon.bottomLeft() : QPoint(100, 100));
    waitUntil([&] { return menu->windowHandle() && menu->windowHandle()->isExposed(); },
              QStringLiteral("the tray icon's menu never appeared on the screen"));
    pumpEvents(SettleMilliseconds);
    save(*menu, folder, "traymenu.png");
    menu->hide();
}

// The tray's two pictures, at Pune kept as the home place with the tray on,
// in settings of the tool's own that end with it. Where a picture cannot be
// made (no tray, no notification server, or settings that cannot be kept
// apart from the user's) it is left out with a message: the tool then still
// succeeds.
void renderTray(PlacesDatabase& places, const QString& settingsFolder, const QDir& folder) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (!KeptSettings().fileName().startsWith(settingsFolder)) {
        std::printf("traymenu.png and notification.png skipped: the settings cannot be kept "
                    "apart from the user's here (%s)\n",
                    qPrintable(KeptSettings().fileName()));
        return;
    }
    const Place home = homePune(places);
    if (!keepHomePlace(home) || !keepTrayOn(true))
        throw WindowDriverError(QStringLiteral("the home place could not be kept"));
    QApplication::setWindowIcon(programIcon());
    // Eleven minutes before Rahu Kaal: nothing due yet, and the icon shows no period on.
    QDateTime present = rahuKaalStart(home, std::chrono::minutes{-11});
    const ReplacedClock clock([&present] { return present; });
    const auto main = std::make_unique<frmMain>();
    std::optional<NotificationShown> shown;
    QString reminder;
    // Sent as the program sends its reminders.
    auto* tray =
        new HomeTray(*main, [&shown, &reminder](const QString& text, QSystemTrayIcon* icon) {
            reminder = text;
            shown = showNotification(QStringLiteral("Horavela"), text, icon);
        });
    const std::unique_ptr<HomeTray> ending(tray);
    if (tray->icon()) {
        waitUntil([&] { return tray->icon()->isVisible(); },
                  QStringLiteral("the tray icon never appeared"));
    } else {
        std::printf("traymenu.png skipped: this desktop has no system tray\n");
    }
    renderNotification(*tray, present, home, shown, reminder, folder);
    if (tray->icon())
        renderTrayMenu(*tray, present, folder);
}
} // namespace

} // namespace horavela

namespace horavela {
namespace {

// The month window is as wide as its texts, which another system's font
// engine draws a few pixels wider or narrower: its size may differ by this
// share either way. Every other window has one size.
constexpr double MonthWindowLeeway = 0.05;

bool sizesAgree(const QString& name, QSize a, QSize b) {
    if (name != QLatin1String("month.png"))
        return a == b;
    const auto near = [](int x, int y) { return std::abs(x - y) <= MonthWindowLeeway * x; };
    return near(a.width(), b.width()) && near(a.height(), b.height());
}

// The tray's pictures, which --tray makes on a desktop session of its own
// and other systems leave out.
bool madeOnlyOnDesktop(const QString& name) {
    return name == QLatin1String("traymenu.png") || name == QLatin1String("notification.png");
}

// For each picture of the first folder, whether the second has one of the
// same size, and the share of its pixels that differ; false when any picture
// is missing or differs in size.
bool comparePictures(const QDir& first, const QDir& second) {
    bool same = true;
    for (const QString& name : first.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        if (madeOnlyOnDesktop(name) && !second.exists(name)) {
            std::printf("%s: made only on a desktop with a tray and notifications\n",
                        qPrintable(name));
            continue;
        }
        const QImage a(first.filePath(name));
        const QImage b(second.filePath(name));
        if (!b.isNull() && a.size() != b.size() && sizesAgree(name, a.size(), b.size())) {
            std::printf("%s: %dx%d against %dx%d, within the month window's leeway\n",
                        qPrintable(name), a.width(), a.height(), b.width(), b.height());
            continue;
        }
        if (b.isNull() || a.size() != b.size()) {
            std::printf("%s: %s\n", qPrintable(name),
                        b.isNull() ? "missing"
                                   : qPrintable(QStringLiteral("%1x%2 against %3x%4")
                                                    .arg(a.width())
                                                    .arg(a.height())
                                                    .arg(b.width())
                                                    .arg(b.height())));
            same = false;
            continue;
        }
        const QImage x = a.convertToFormat(QImage::Format_RGB32);
        const QImage y = b.convertToFormat(QImage::Format_RGB32);
        qint64 differing = 0;
        for (int row = 0; row < x.height(); ++row)
            for (int column = 0; column < x.width(); ++column)
                differing += x.pixel(column, row) != y.pixel(column, row);
        std::printf("%s: %dx%d, %.1f%% of the pixels differ\n", qPrintable(name), a.width(),
                    a.height(), 100.0 * static_cast<double>(differing) / (x.width() * x.height()));
    }
    return same;
}

} // namespace
} // namespace horavela

// Usage: horavela_screenshots FOLDER [PLACES_DATABASE]
//        horavela_screenshots --language CODE FOLDER
//        horavela_screenshots --tray FOLDER
//        horavela_screenshots --compare FOLDER OTHER_FOLDER
int main(int argc, char* argv[]) {
    if (argc == 4 && qstrcmp(argv[1], "--language") == 0) {
        if (!horavela::checkDisplayAvailable())
            return 1;
        QApplication app(argc, argv);
        const QDir folder(QString::fromLocal8Bit(argv[3]));
        try {
            if (!folder.mkpath(QStringLiteral(".")))
                throw horavela::WindowDriverError(QStringLiteral("cannot create ") + folder.path());
            horavela::renderLanguage(folder, QString::fromLatin1(argv[2]));
        } catch (const horavela::WindowDriverError& failure) {
            std::fprintf(stderr, "Rendering the pictures failed: %s\n", failure.what());
            return 1;
        }
        return 0;
    }
    if (argc == 3 && qstrcmp(argv[1], "--tray") == 0) {
        if (!horavela::checkDisplayAvailable())
            return 1;
        // The home place and the tray's choice are kept here, never in the user's settings.
        const QTemporaryDir settings;
        if (!settings.isValid()) {
            std::fprintf(stderr, "no temporary folder for the settings\n");
            return 1;
        }
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QApplication app(argc, argv);
        horavela::PlacesDatabase places{QStringLiteral(PLACES_DATABASE)};
        const horavela::ScopedGazetteer usingPlaces(places);
        const QDir folder(QString::fromLocal8Bit(argv[2]));
        try {
            if (!folder.mkpath(QStringLiteral(".")))
                throw horavela::WindowDriverError(QStringLiteral("cannot create ") + folder.path());
            horavela::renderTray(places, settings.path(), folder);
        } catch (const horavela::WindowDriverError& failure) {
            std::fprintf(stderr, "Rendering the pictures failed: %s\n", failure.what());
            return 1;
        }
        return 0;
    }
    if (argc == 4 && qstrcmp(argv[1], "--compare") == 0) {
        QGuiApplication app(argc, argv);
        return horavela::comparePictures(QDir(QString::fromLocal8Bit(argv[2])),
                                         QDir(QString::fromLocal8Bit(argv[3])))
                   ? 0
                   : 1;
    }
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr,
                     "usage: %s <folder for the pictures> [places database]\n"
                     "       %s --language <code> <folder>\n"
                     "       %s --tray <folder>\n"
                     "       %s --compare <folder> <other folder>\n",
                     argv[0], argv[0], argv[0], argv[0]);
        return 2;
    }
    if (!horavela::checkDisplayAvailable())
        return 1;
    QApplication app(argc, argv);
    // The database this build made, unless another is named (a build for
    // another system runs where the build's path means nothing): the tool
    // does not lie where the program would find it.
    horavela::PlacesDatabase places(argc == 3 ? QString::fromLocal8Bit(argv[2])
                                              : QStringLiteral(PLACES_DATABASE));
    const horavela::ScopedGazetteer usingPlaces(places);
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
