#include "PlaceLookup.h"

#include "DegreesMinutes.h"
#include "Gazetteer.h"
#include "PlaceMatching.h"
#include "ZoneRules.h"

#include <QStringList>

namespace horavela {

std::vector<FoundPlace> lookUpPlaces(const QString& query, int year) {
    const std::string queryText = query.toStdString();
    const std::vector<GazetteerCity> cities = gazetteerCities(gazetteerWord(queryText));
    std::vector<PlaceNames> names;
    names.reserve(cities.size());
    for (const GazetteerCity& city : cities)
        names.push_back({city.name, city.state, city.country, city.countryCode});
    std::vector<std::size_t> order = rankPlaces(queryText, names);
    if (order.size() > MostPlacesShown)
        order.resize(MostPlacesShown);

    std::vector<FoundPlace> found;
    found.reserve(order.size());
    for (const std::size_t i : order) {
        const GazetteerCity& city = cities[i];
        const QByteArray zone = QByteArray::fromStdString(city.timeZone);
        QStringList parts;
        for (const std::string* part : {&city.name, &city.state, &city.country})
            if (!part->empty())
                parts.append(QString::fromStdString(*part));
        found.push_back({parts.join(QStringLiteral(", ")),
                         QString::fromStdString(text(latitudeForm(city.latitude))),
                         QString::fromStdString(text(longitudeForm(city.longitude))),
                         zoneText(zone, zoneRules(zone, year))});
    }
    return found;
}

} // namespace horavela
