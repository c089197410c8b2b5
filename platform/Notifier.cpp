#include "platform/Notifier.h"

#include "ProgramVersion.h"

#include <QIcon>
#include <QSystemTrayIcon>

#ifdef HORAVELA_HAS_DBUS
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>
#endif

namespace horavela {

namespace {

// Long enough to read two lines; the desktop's own servers choose their own.
constexpr int TrayMessageMs = 15000;

#ifdef HORAVELA_HAS_DBUS

const QString NotificationService = QStringLiteral("org.freedesktop.Notifications");
const QString NotificationPath = QStringLiteral("/org/freedesktop/Notifications");
// The bus daemon itself answers at once; one that does not is as good as none.
constexpr int BusTimeoutMs = 1000;
// A server started on demand by the first call may take a while to come up.
constexpr int ServerTimeoutMs = 20000;
// The server's own choice of how long a notification stays.
constexpr int ServersExpiry = -1;

QDBusMessage busCall(const QString& method) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                          QStringLiteral("/org/freedesktop/DBus"),
                                          QStringLiteral("org.freedesktop.DBus"), method);
}

// Whether a notification server runs on the bus, or the bus starts one when
// called, as it does on desktops that start theirs only when needed.
bool hasNotificationServer(const QDBusConnection& bus) {
    if (!bus.isConnected())
        return false;
    const QDBusMessage owned = bus.call(
        busCall(QStringLiteral("NameHasOwner")) << NotificationService, QDBus::Block, BusTimeoutMs);
    if (owned.type() == QDBusMessage::ReplyMessage && owned.arguments().value(0).toBool())
        return true;
    const QDBusMessage activatable =
        bus.call(busCall(QStringLiteral("ListActivatableNames")), QDBus::Block, BusTimeoutMs);
    return activatable.type() == QDBusMessage::ReplyMessage &&
           activatable.arguments().value(0).toStringList().contains(NotificationService);
}

// A server that takes markup in bodies would read "<" or "&" in ours as
// markup; these three are all that markup gives a meaning to.
QString asMarkup(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text)
        if (c == u'&')
            escaped += QStringLiteral("&amp;");
        else if (c == u'<')
            escaped += QStringLiteral("&lt;");
        else if (c == u'>')
            escaped += QStringLiteral("&gt;");
        else
            escaped += c;
    return escaped;
}

void sendNotification(QDBusConnection bus, const QString& title, const QString& body) {
    QDBusMessage notify = QDBusMessage::createMethodCall(
        NotificationService, NotificationPath, NotificationService, QStringLiteral("Notify"));
    const QString appId = QString::fromLatin1(ProgramAppId);
    notify << QStringLiteral("Horavela") << uint{0} << appId << title << body << QStringList()
           << QVariantMap{{QStringLiteral("desktop-entry"), appId}} << ServersExpiry;
    // No reply is needed: the notification is the server's from here on.
    bus.send(notify);
}

// The summary is plain text for every server, the body markup for those that
// say so, so the server is asked first; neither call holds up the caller.
void notifyByDesktop(QDBusConnection bus, const QString& title, const QString& text) {
    const QDBusMessage capabilities =
        QDBusMessage::createMethodCall(NotificationService, NotificationPath, NotificationService,
                                       QStringLiteral("GetCapabilities"));
    // Owned by the application, so that a reply that never comes before the
    // end leaves nothing behind.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(capabilities, ServerTimeoutMs),
                                                QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [bus, title, text](QDBusPendingCallWatcher* answered) {
                         const QDBusPendingReply<QStringList> reply = *answered;
                         const bool markup = !reply.isError() &&
                                             reply.value().contains(QStringLiteral("body-markup"));
                         sendNotification(bus, title, markup ? asMarkup(text) : text);
                         answered->deleteLater();
                     });
}

#endif

bool trayShowsMessages(const QSystemTrayIcon* tray) {
    return tray && tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable() &&
           QSystemTrayIcon::supportsMessages();
}

} // namespace

NotificationShown showNotification(const QString& title, const QString& text,
                                   QSystemTrayIcon* tray) {
#ifdef HORAVELA_HAS_DBUS
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (hasNotificationServer(bus)) {
        notifyByDesktop(bus, title, text);
        return NotificationShown::ByDesktop;
    }
#endif
    if (!trayShowsMessages(tray))
        return NotificationShown::Nowhere;
    // Qt's own balloon (X11) and the systems' messages show both as plain text.
    tray->showMessage(title, text, tray->icon(), TrayMessageMs);
    return NotificationShown::InTray;
}

} // namespace horavela
