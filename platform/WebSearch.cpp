#include "platform/WebSearch.h"

#include "SearchAddress.h"

#include <QDesktopServices>
#include <QUrl>

namespace horavela {

bool openWebSearch(const QString& query) {
    return QDesktopServices::openUrl(QUrl(QString::fromUtf8(SearchAddressStart) +
                                              QString::fromLatin1(QUrl::toPercentEncoding(query)),
                                          QUrl::StrictMode));
}

} // namespace horavela
