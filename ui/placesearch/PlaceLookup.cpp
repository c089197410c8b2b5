#include "PlaceLookup.h"

#include "DegreesMinutes.h"
#include "FoldedWords.h"
#include "Gazetteer.h"
#include "PlaceMatching.h"
#include "ZoneRules.h"

#include <QStringList>
#include <algorithm>
#include <numeric>

namespace horavela {

namespace {

// The first folded word of every city's name, in the gazetteer's order, made
// on the first search. The library's own search folds all 24,000 names again
// on each query, about three times the work of reading them once; with these
// words at hand every later search is nearly free. Reading any other field
// costs as much as the name, so the rest is read only for the cities found.
const std::vector<std::string>& firstNameWords() {
    static const std::vector<std::string> words = [] {
        const std::vector<std::string> names = readGazetteerNames();
        std::vector<std::string> firsts;
        firsts.reserve(names.size());
        for (const std::string& name : names) {
            std::vector<std::string> words = foldedWords(name);
            firsts.push_back(words.empty() ? std::string{} : std::move(words.front()));
        }
        return firsts;
    }();
    return words;
}

FoundPlace found(const GazetteerCity& city, int year) {
    QStringList parts;
    for (const std::string* part : {&city.name, &city.state, &city.country})
        if (!part->empty())
            parts.append(QString::fromStdString(*part));
    const QByteArray zone = QByteArray::fromStdString(city.timeZone);
    return {parts.join(QStringLiteral(", ")),
            QString::fromStdString(text(latitudeForm(city.latitude))),
            QString::fromStdString(text(longitudeForm(city.longitude))),
            zoneText(zone, zoneRules(zone, year))};
}

} // namespace

std::vector<FoundPlace> lookUpPlaces(const QString& query, int year) {
    const std::string queryText = query.toStdString();
    const std::string first = firstQueryWord(queryText);
    if (first.empty())
        return {};
    const std::vector<std::string>& firsts = firstNameWords();
    std::vector<GazetteerCity> cities;
    for (std::size_t i = 0; i < firsts.size(); ++i)
        if (firsts[i] == first)
            cities.push_back(gazetteerCity(i));
    // Most populous first, so that among equally good matches the city most
    // people mean comes first.
    std::vector<std::size_t> byPopulation(cities.size());
    std::iota(byPopulation.begin(), byPopulation.end(), std::size_t{0});
    std::stable_sort(byPopulation.begin(), byPopulation.end(), [&](std::size_t a, std::size_t b) {
        return cities[a].population > cities[b].population;
    });
    std::vector<PlaceNames> names;
    names.reserve(cities.size());
    for (const std::size_t i : byPopulation)
        names.push_back(
            {cities[i].name, cities[i].state, cities[i].country, cities[i].countryCode});
    std::vector<std::size_t> order = rankPlaces(queryText, names);
    if (order.size() > MostPlacesShown)
        order.resize(MostPlacesShown);
    std::vector<FoundPlace> places;
    places.reserve(order.size());
    for (const std::size_t i : order)
        places.push_back(found(cities[byPopulation[i]], year));
    return places;
}

} // namespace horavela
