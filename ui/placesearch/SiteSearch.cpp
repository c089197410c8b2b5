#include "SiteSearch.h"

#include "PlaceLookup.h"
#include "WebSearch.h"
#include "frmPlaceSearch.h"

#include <QDate>
#include <QPointer>

namespace horavela {

QVariant SiteSearch::Search(QString& query, QString& site) {
    Q_UNUSED(site);
    std::vector<FoundPlace> places = lookUpPlaces(query, QDate::currentDate().year());
    if (places.empty())
        return openWebSearch(query);
    // On the heap behind a guard: a shutdown may delete it while it is open.
    QPointer<frmPlaceSearch> window = new frmPlaceSearch(query, std::move(places), owner_);
    window->exec();
    delete window.data();
    return true;
}

} // namespace horavela
