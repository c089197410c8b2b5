#include "SiteSearch.h"

#include "SearchAddress.h"

#include <QDesktopServices>
#include <QUrl>

namespace horavela {

namespace {

QUrl searchAddress(const QString& query) {
    return QUrl(QString::fromUtf8(SearchAddressStart) +
                    QString::fromLatin1(QUrl::toPercentEncoding(query)),
                QUrl::StrictMode);
}

} // namespace

QVariant SiteSearch::Search(QString& query, QString& site) {
    Q_UNUSED(site);
    return QDesktopServices::openUrl(searchAddress(query));
}

} // namespace horavela
