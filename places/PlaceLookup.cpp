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

FoundPlace foundPlace(GazetteerPlace place, const ZoneMoment& moment) {
    const DegreesMinutes latitude = latitudeForm(place.latitude);
    const DegreesMinutes longitude = longitudeForm(place.longitude);
    Place form{static_cast<std::int16_t>(latitude.degrees),
               static_cast<std::int16_t>(latitude.minutes),
               latitude.hemisphere == 'S',
               static_cast<std::int16_t>(longitude.degrees),
               static_cast<std::int16_t>(longitude.minutes),
               longitude.hemisphere == 'E',
               {}};
    if (const std::optional<ZonePair> zone = zonePairAt(place.systemZoneId, moment))
        form.zone =
            zoneOffset(*zone);
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
