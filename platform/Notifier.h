// A notification shown the desktop's own way: on Linux and other freedesktop
// systems by the notification server on the session bus, elsewhere (or with
// no server) as the tray icon's message, which Windows shows as a toast.
#pragma once

#include <QString>

class QSystemTrayIcon;

namespace horavela {

enum class NotificationShown {
    ByDesktop, // handed to the desktop's notification server
    InTray,    // shown as the tray icon's message
    Nowhere,   // no server, and no tray icon on screen to show it
};

// Shows `title` and `text` exactly as written: no part of either is taken for
// markup. Waits for no notification server: only the session bus is asked,
// with a short timeout, whether one is there. `tray` may be null.
NotificationShown showNotification(const QString& title, const QString& text,
                                   QSystemTrayIcon* tray);

} // namespace horavela
