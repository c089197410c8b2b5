#include "ui/placesearch/SiteSearch.h"

#include "platform/WebSearch.h"
#include "ui/placesearch/frmPlaceSearch.h"

#include <QPointer>
#include <memory>

namespace horavela {

std::optional<Place> SiteSearch::Search(const PlaceQuery& query, const QString& site,
                                        const ZoneMoment& moment) {
    Q_UNUSED(site);
    std::optional<std::vector<Place>> places = lookUpPlaces(placesGazetteer(), query);
    if (!places || places->empty()) {
        openWebSearch(webQueryText(query));
        return std::nullopt;
    }
    // On the heap behind a guard: a shutdown may delete it while it is open.
    QPointer<frmPlaceSearch> window = new frmPlaceSearch(query, std::move(*places), moment, owner_);
    window->exec();
    if (!window)
        return std::nullopt;
    const std::unique_ptr<frmPlaceSearch> closed(window.data());
    return closed->chosenPlace();
}

} // namespace horavela
