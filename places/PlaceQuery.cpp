#include "places/PlaceQuery.h"

namespace horavela {

QString webQueryText(const PlaceQuery& query) {
    return query.city + u' ' + query.state + u' ' + query.country +
           QStringLiteral(" Latitude Longitude");
}

} // namespace horavela
