#include "app/HomeTray.h"

#include "app/ProgramIcon.h"
#include "lifetime/ProgramEnd.h"
#include "month/NowAndNextTexts.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "ui/main/HomePlace.h"
#include "ui/main/frmMain.h"
#include "ui/month/frmMonth.h"
#include "ui/reminders/KeptReminders.h"
#include "ui/reminders/frmReminders.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QEvent>
#include <QLocale>
#include <QLoggingCategory>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <algorithm>

// Off unless asked for with QT_LOGGING_RULES="horavela.tray.info=true": what the tray icon's tool
// tip says as it changes, and each reminder shown. Checks of the real program read these lines.
Q_LOGGING_CATEGORY(lcTray, "horavela.tray", QtWarningMsg)

namespace horavela {

namespace {

using namespace std::chrono;

QString trayText(const char* text) {
    return QCoreApplication::translate("HomeTray", text);
}

sys_seconds presentMoment() {
    return sys_seconds{seconds{currentUtc().toSecsSinceEpoch()}};
}

// The program's icon with a red mark in its corner, for while a period is on.
QIcon markedIcon(const QIcon& plain) {
    constexpr int Side = 64;
    QPixmap pixmap = plain.pixmap(Side, Side);
    if (pixmap.isNull()) {
        pixmap = QPixmap(Side, Side);
        pixmap.fill(Qt::transparent);
    }
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 4));
    painter.setBrush(QColor(0xc6, 0x28, 0x28));
    painter.drawEllipse(QRectF(Side * 0.5, Side * 0.5, Side * 0.46, Side * 0.46));
    painter.end();
    return QIcon(pixmap);
}

// The tray's own icon while no period is on: the program's, or a plain sun when the program's
// cannot be drawn, since a tray icon without a picture cannot be shown at all.
QIcon plainIcon() {
    const QIcon icon = programIcon();
    if (!icon.isNull())
        return icon;
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf5, 0x9e, 0x0b));
    painter.drawEllipse(QRectF(4, 4, 24, 24));
    painter.end();
    return QIcon(pixmap);
}

} // namespace

HomeTray::HomeTray(frmMain& mainWindow, Notify notify)
    : QObject(&mainWindow), main_(mainWindow), notify_(std::move(notify)) {
    // Rounded to whole seconds: the tray never needs more, and the system can gather wake-ups.
    timer_.setTimerType(Qt::VeryCoarseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &HomeTray::wake);
    connect(&main_, &frmMain::homePlaceChanged, this, &HomeTray::reload);
    connect(&main_, &frmMain::remindersChanged, this, &HomeTray::reload);
    connect(&main_, &frmMain::trayChosen, this, &HomeTray::reload);
    // The main window is told of a change of language; the tray's words follow it.
    main_.installEventFilter(this);
    // It may go before the window does, and the window's close must not reach it then.
    main_.setCloseToTray(
        [tray = QPointer<HomeTray>(this)] { return tray && tray->takeIntoTray(); });
    reload();
}

HomeTray::~HomeTray() = default;

bool HomeTray::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &main_ && event->type() == QEvent::LanguageChange && menu_) {
        for (QAction* entry : menu_->actions())
            if (const QByteArray text = entry->data().toByteArray(); !text.isEmpty())
                entry->setText(trayText(text.constData()));
        wake();
    }
    return QObject::eventFilter(watched, event);
}

void HomeTray::reload() {
    const KeptHomePlace kept = keptHomePlace();
    const Place* place = std::get_if<Place>(&kept);
    home_ = place ? std::optional<Place>(*place) : std::nullopt;
    reminders_ = keptReminderSettings();
    showIcon(home_ && isTrayKeptOn() && QSystemTrayIcon::isSystemTrayAvailable());
    wake();
}

void HomeTray::wake() {
    if (!home_) {
        // Nothing to watch: the program sleeps until the home place changes.
        timer_.stop();
        lines_.clear();
        return;
    }
    // Asked afresh each time, from the clock as it stands: a sleep, or a change of the clock,
    // is caught up with at the next wake, at most a minute on.
    const sys_seconds moment = presentMoment();
    const Watch watch = watchAt(*home_, reminders_, moment);
    showNowAndNext(watch.nowAndNext);
    remind(moment, watch.reminders);
    const seconds sleep = std::clamp(watch.wake - moment, seconds{1}, seconds{minutes{1}});
    timer_.start(duration_cast<milliseconds>(sleep));
}

void HomeTray::showNowAndNext(const NowAndNext& now) {
    const QLocale locale;
    lines_ = nowAndNextLines(locale, now);
    if (!icon_)
        return;
    const QString place = QString::fromStdString(home_->city);
    QStringList tip = lines_;
    if (!place.isEmpty())
        tip.prepend(place);
    const QString toolTip = tip.join(u'\n');
    if (toolTip != icon_->toolTip())
        qCInfo(lcTray, "tool tip: %s", qUtf8Printable(tip.join(QStringLiteral(" | "))));
    icon_->setToolTip(toolTip);
    nowEntry_->setText(lines_.value(0));
    nowEntry_->setVisible(!lines_.isEmpty());
    nextEntry_->setText(lines_.value(1));
    nextEntry_->setVisible(lines_.size() > 1);
    const bool on = now.now.has_value();
    if (on != periodOn_ || icon_->icon().isNull()) {
        periodOn_ = on;
        icon_->setIcon(on ? markedIcon(plainIcon()) : plainIcon());
    }
}

void HomeTray::remind(sys_seconds moment, const std::vector<Reminder>& due) {
    // Those older than a day can never come round again.
    std::erase_if(shown_, [&](const auto& key) { return std::get<0>(key) < moment - days{1}; });
    const QLocale locale;
    for (const Reminder& reminder : due) {
        if (!reminder.dueNow)
            break;
        const auto key =
            std::make_tuple(reminder.due, int(reminder.period), int(reminder.minutesBefore));
        if (!shown_.insert(key).second)
            continue;
        const QString text = reminderText(locale, reminder, *home_);
        qCInfo(lcTray, "reminder: %s", qUtf8Printable(text));
        notify_(text, icon_ && icon_->isVisible() ? icon_.get() : nullptr);
    }
}

void HomeTray::showIcon(bool show) {
    // With the window in the tray, closing a message or the month must not end the program:
    // only Quit and Exit do.
    QApplication::setQuitOnLastWindowClosed(!show);
    if (!show) {
        const bool wasOnlyInTray = onlyInTray();
        icon_.reset();
        menu_.reset();
        nowEntry_ = nextEntry_ = nullptr;
        // Without its icon the program cannot be reached from the tray.
        if (wasOnlyInTray)
            main_.show();
        return;
    }
    if (icon_)
        return;
    menu_ = std::make_unique<QMenu>();
    menu_->setObjectName(QStringLiteral("mnuTrayMenu"));
    nowEntry_ = menu_->addAction(QString());
    nowEntry_->setObjectName(QStringLiteral("mnuTrayNow"));
    nowEntry_->setEnabled(false);
    nextEntry_ = menu_->addAction(QString());
    nextEntry_->setObjectName(QStringLiteral("mnuTrayNext"));
    nextEntry_->setEnabled(false);
    menu_->addSeparator();
    const auto add = [this](const char* name, const char* text, auto handler) {
        QAction* entry = menu_->addAction(trayText(text));
        entry->setObjectName(QLatin1String(name));
        // Kept for a change of language while the icon stands.
        entry->setData(QByteArray(text));
        connect(entry, &QAction::triggered, this, handler);
        return entry;
    };
    add("mnuTrayOpen", QT_TRANSLATE_NOOP("HomeTray", "Open Horavela"), &HomeTray::openMainWindow);
    add("mnuTrayMonth", QT_TRANSLATE_NOOP("HomeTray", "Rahu Kaal of the Month..."),
        &HomeTray::openMonth);
    add("mnuTrayReminders", QT_TRANSLATE_NOOP("HomeTray", "Reminders..."),
        &HomeTray::openReminders);
    menu_->addSeparator();
    add("mnuTrayQuit", QT_TRANSLATE_NOOP("HomeTray", "Quit"), [] { EndProgram(); });

    icon_ = std::make_unique<QSystemTrayIcon>();
    icon_->setObjectName(QStringLiteral("trayHome"));
    periodOn_ = false;
    icon_->setIcon(plainIcon());
    icon_->setContextMenu(menu_.get());
    connect(icon_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    openMainWindow();
            });
    icon_->show();
}

QSystemTrayIcon* HomeTray::icon() const {
    return icon_.get();
}

bool HomeTray::onlyInTray() const {
    return icon_ && !main_.isVisible();
}

bool HomeTray::showFromTray() {
    if (!onlyInTray())
        return false;
    openMainWindow();
    return true;
}

bool HomeTray::takeIntoTray() {
    if (!icon_)
        return false;
    main_.hide();
    if (!wasToldOfTray()) {
        keepToldOfTray();
        // After the close has been dealt with, rather than inside it.
        QTimer::singleShot(0, this, [] {
            showMessage(nullptr,
                        trayText(QT_TRANSLATE_NOOP(
                            "HomeTray", "Horavela goes on running in the system tray, and its "
                                        "reminders still come. To end it, choose \"Quit\" in "
                                        "the menu of its icon there.")),
                        MessageIcon::Information);
        });
    }
    return true;
}

void HomeTray::openMainWindow() {
    main_.showNormal();
    main_.raise();
    main_.activateWindow();
}

void HomeTray::openMonth() {
    if (!home_)
        return;
    if (month_) {
        month_->raise();
        month_->activateWindow();
        return;
    }
    const NowAndNext now = nowAndNext(*home_, presentMoment());
    const QDate today(int(now.today.year()), int(unsigned(now.today.month())),
                      int(unsigned(now.today.day())));
    // On the heap behind a guard: a shutdown may delete it while it is open.
    month_ = new frmMonth(*home_, now.today, today, main_.isVisible() ? &main_ : nullptr);
    month_->exec();
    delete month_.data();
}

void HomeTray::openReminders() {
    showRemindersWindow(
        main_.isVisible() ? &main_ : nullptr, [this](const ReminderSettings&) { reload(); });
}

} // namespace horavela
