// A gazetteer of the few places a test lists, so that window tests depend
// neither on the installed places database nor on its ordering rules.
#pragma once

#include "places/Gazetteer.h"
#include "places/PlaceLookup.h"
#include "tests/support/PlacesZones.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <utility>

namespace horavela {

// A place as the database gives it: its names, its zone as the places
// database built with the program carries it (none where it lacks the zone),
// and its latitude and longitude in the form's whole degrees and minutes.
inline Place listedPlace(qint64 id, const char* city, const char* state, const char* country,
                         const char* zone, double latitude, double longitude) {
    Place place = formPlace(latitude, longitude);
    place.id = id;
    place.city = city;
    place.state = state;
    place.country = country;
    place.zoneName = zone;
    place.namedZone = zoneNamed(zone);
    return place;
}

class FakeGazetteer : public Gazetteer {
public:
    explicit FakeGazetteer(std::vector<Place> places) : places_(std::move(places)) {}

    // False answers as a missing or damaged database does.
    bool usable = true;

    // The places of exactly that name, in the order listed, the chosen one first.
    std::optional<std::vector<Place>> find(const PlaceQuery& query, std::size_t limit) override {
        return matching(
            [&](const QString& name) { return name.compare(query.city, Qt::CaseInsensitive) == 0; },
            query.chosenId, limit);
    }

    std::optional<std::vector<Place>> suggest(QStringView typed, std::size_t limit) override {
        return matching(
            [&](const QString& name) { return name.startsWith(typed, Qt::CaseInsensitive); }, 0,
            limit);
    }

    std::shared_ptr<const ZoneHistory> zone(QByteArrayView name) override {
        return usable ? zoneNamed(name.toByteArray().constData()) : nullptr;
    }

private:
    template <typename Matches>
    std::optional<std::vector<Place>> matching(Matches matches, qint64 firstId,
                                               std::size_t limit) const {
        if (!usable)
            return std::nullopt;
        std::vector<Place> found;
        std::copy_if(
            places_.begin(), places_.end(), std::back_inserter(found),
            [&](const Place& place) { return matches(QString::fromStdString(place.city)); });
        std::stable_partition(found.begin(), found.end(), [&](const Place& place) {
            return firstId != 0 && place.id == firstId;
        });
        found.resize(std::min(found.size(), limit));
        return found;
    }

    std::vector<Place> places_;
};

} // namespace horavela
