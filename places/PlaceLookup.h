// The coordinate search's answer: the gazetteer's places for the typed place,
// each with what the main window's boxes take for it.
#pragma once

#include "calc/Place.h"
#include "places/Gazetteer.h"
#include "places/ZoneRules.h"

#include <optional>
#include <vector>

namespace horavela {

struct FoundPlace {
    GazetteerPlace found;
    // Its latitude and longitude in whole degrees and minutes, the zone pair
    // in force at the chosen moment and the zone itself (neither where the
    // zone is unknown).
    Place place;
};

inline constexpr std::size_t MostPlacesShown = 20;

// Nothing when the gazetteer cannot be used.
std::optional<std::vector<FoundPlace>> lookUpPlaces(Gazetteer& gazetteer, const PlaceQuery& query,
                                                    const ZoneMoment& moment);

// "Pune, Maharashtra, India", leaving out a name the gazetteer lacks.
QString namesText(const GazetteerPlace& place);

// Signed decimal degrees (north and east positive) as the main window takes
// them: whole degrees and minutes, the nearest, with their hemispheres; no zone.
Place formPlace(double latitude, double longitude);

// The place as the main window takes it.
FoundPlace foundPlace(GazetteerPlace place, const ZoneMoment& moment);

} // namespace horavela
