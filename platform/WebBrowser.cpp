#include "platform/WebBrowser.h"

#include <QDesktopServices>
#include <QUrl>

namespace horavela {

void openWebAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace horavela
