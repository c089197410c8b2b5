// The places the coordinate search can find, behind a small interface that
// window tests replace with a fake.
#pragma once

#include "calc/Place.h"
#include "places/PlaceQuery.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace horavela {

class Gazetteer {
public:
    virtual ~Gazetteer() = default;

    // The places whose name, or one of whose other names, is the query's
    // city, each with its own name, its zone and its latitude and longitude
    // in the form's whole degrees and minutes, best first: agreement with the typed state and
    // country, then a place's own name before another of its names, then population. At most
    // `limit`; empty when none matches; nothing when the gazetteer cannot be used.
    virtual std::optional<std::vector<Place>> find(const PlaceQuery& query, std::size_t limit) = 0;

    // The places with a name that begins with what is typed, most populous
    // first (a place's own name counting ten times its population against
    // its other names), for the City box's suggestions.
    virtual std::optional<std::vector<Place>> suggest(QStringView typed, std::size_t limit) = 0;

    // The zone of that name or of an older name of it; null when none is
    // known or the gazetteer cannot be used.
    virtual std::shared_ptr<const ZoneHistory> zone(QByteArrayView name) = 0;
};

// The program's gazetteer: the places database installed with it, opened on
// first use, unless a ScopedGazetteer stands in for it.
Gazetteer& placesGazetteer();

// While it lives, placesGazetteer() is the gazetteer given (tests use a fake,
// or a database of their own); its end brings back the one before, so guards
// nest and nothing outlives the test that set it.
class ScopedGazetteer {
public:
    explicit ScopedGazetteer(Gazetteer& gazetteer);
    ~ScopedGazetteer();

    ScopedGazetteer(const ScopedGazetteer&) = delete;
    ScopedGazetteer& operator=(const ScopedGazetteer&) = delete;

private:
    Gazetteer* previous_;
};

} // namespace horavela
