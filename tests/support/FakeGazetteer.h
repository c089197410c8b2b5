// A gazetteer of the few places a test lists, so that window tests depend
// neither on the installed places database nor on its ordering rules.
#pragma once

#include "places/Gazetteer.h"
#include "tests/support/PlacesZones.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <utility>

namespace horavela {

class FakeGazetteer : public Gazetteer {
public:
    // Each place's zone comes from the places database built with the
    // program, as the real gazetteer's do.
    explicit FakeGazetteer(std::vector<GazetteerPlace> places) : places_(std::move(places)) {
        for (GazetteerPlace& place : places_)
            place.zone = zone(place.zoneId);
    }

    // False answers as a missing or damaged database does.
    bool usable = true;

    // The places of exactly that name, in the order listed, the chosen one first.
    std::optional<std::vector<GazetteerPlace>> find(const PlaceQuery& query,
                                                    std::size_t limit) override {
        return matching(
            [&](const QString& name) { return name.compare(query.city, Qt::CaseInsensitive) == 0; },
            query.chosenId, limit);
    }

    std::optional<std::vector<GazetteerPlace>> suggest(QStringView typed,
                                                       std::size_t limit) override {
        return matching(
            [&](const QString& name) { return name.startsWith(typed, Qt::CaseInsensitive); }, 0,
            limit);
    }

    std::shared_ptr<const ZoneHistory> zone(QByteArrayView name) override {
        return usable ? zoneNamed(name.toByteArray().constData()) : nullptr;
    }

private:
    template <typename Matches>
    std::optional<std::vector<GazetteerPlace>> matching(Matches matches, qint64 firstId,
                                                        std::size_t limit) const {
        if (!usable)
            return std::nullopt;
        std::vector<GazetteerPlace> found;
        std::copy_if(
            places_.begin(), places_.end(), std::back_inserter(found),
            [&](const GazetteerPlace& place) { return matches(place.name); });
        std::stable_partition(found.begin(), found.end(), [&](const GazetteerPlace& place) {
            return firstId != 0 && place.id == firstId;
        });
        found.resize(std::min(found.size(), limit));
        return found;
    }

    std::vector<GazetteerPlace> places_;
};

} // namespace horavela
