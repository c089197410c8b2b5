// Our stand-in for the outside coordinate-search component: it answers from
// the offline gazetteer in the window frmPlaceSearch, and opens a web search
// for the query when the gazetteer knows no such place or cannot be used.
#pragma once

#include "places/PlaceLookup.h"
#include "places/ZoneRules.h"

#include <QString>
#include <optional>

class QWidget;

namespace horavela {

class SiteSearch {
public:
    // The window it opens is modal to `owner`.
    explicit SiteSearch(QWidget* owner) : owner_(owner) {}

    // Returns once the window is closed, with the place the user chose to
    // use, or at once after opening the web search. The site is accepted but
    // not searched: places are found in the gazetteer or on the whole web,
    // not on the maker's pages.
    std::optional<Place> Search(const PlaceQuery& query, const QString& site,
                                const ZoneMoment& moment);

private:
    QWidget* owner_;
};

} // namespace horavela
