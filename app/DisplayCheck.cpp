#include "app/DisplayCheck.h"

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

namespace horavela {

namespace {

// Only systems whose desktop may be missing ask.
#if defined(__linux__) || defined(__FreeBSD__)
bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}
#endif

} // namespace

bool checkDisplayAvailable() {
#if defined(__linux__) || defined(__FreeBSD__)
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM"))
        return true;
    std::fputs("Horavela needs a graphical desktop, but no display was found: neither DISPLAY "
               "nor WAYLAND_DISPLAY is set (nor QT_QPA_PLATFORM).\n",
               stderr);
    return false;
#else
    return true;
#endif
}

void drawOffscreenWithoutDisplay() {
#if defined(__linux__) || defined(__FreeBSD__)
    if (!isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY") && !isSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
#endif
}

} // namespace horavela
