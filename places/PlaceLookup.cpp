#include "places/PlaceLookup.h"

#include "places/DegreesMinutes.h"

namespace horavela {

QString namesText(const Place& place) {
    QString text = QString::fromStdString(place.city);
    for (const std::string* part : {&place.state, &place.country})
        if (!part->empty())
            text += QStringLiteral(", ") + QString::fromStdString(*part);
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

std::optional<std::vector<Place>> lookUpPlaces(Gazetteer& gazetteer, const PlaceQuery& query) {
    return gazetteer.find(query, MostPlacesShown);
}

} // namespace horavela
