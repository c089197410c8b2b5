#include "places/PlaceLookup.h"

#include "places/DegreesMinutes.h"

#include <utility>

namespace horavela {

QString namesText(const GazetteerPlace& place) {
    QString text = place.name;
    for (const QString* part : {&place.state, &place.country})
        if (!part->isEmpty())
            text += QStringLiteral(", ") + *part;
    return text;
}

Place formPlace(double latitude, double longitude) {
    const DegreesMinutes lat = latitudeForm(latitude);
    const DegreesMinutes lon = longitudeForm(longitude);
    return {static_cast<std::int16_t>(lat.degrees),
            static_cast<std::int16_t>(lat.minutes),
            lat.hemisphere == 'S',
            static_cast<std::int16_t>(lon.degrees),
            static_cast<std::int16_t>(lon.minutes),
            lon.hemisphere == 'E',
            {}};
}

FoundPlace foundPlace(GazetteerPlace place, const ZoneMoment& moment) {
    Place form = formPlace(place.latitude, place.longitude);
    if (place.zone) {
        form.zone = zoneOffset(zonePairAt(*place.zone, moment));
        form.namedZone = place.zone;
    }
    return {std::move(place), std::move(form)};
}

std::optional<std::vector<FoundPlace>> lookUpPlaces(Gazetteer& gazetteer, const PlaceQuery& query,
                                                    const ZoneMoment& moment) {
    std::optional<std::vector<GazetteerPlace>> places = gazetteer.find(query, MostPlacesShown);
    if (!places)
        return std::nullopt;
    std::vector<FoundPlace> found;
    found.reserve(places->size());
    for (GazetteerPlace& place : *places)
        found.push_back(foundPlace(std::move(place), moment));
    return found;
}

} // namespace horavela
