// The coordinate search's answer: the gazetteer's places for the typed place,
// as the main window takes them.
#pragma once

#include "calc/Place.h"
#include "places/Gazetteer.h"

#include <QString>
#include <optional>
#include <vector>

namespace horavela {

inline constexpr std::size_t MostPlacesShown = 20;

// Nothing when the gazetteer cannot be used.
std::optional<std::vector<Place>> lookUpPlaces(Gazetteer& gazetteer, const PlaceQuery& query);

// "Pune, Maharashtra, India", leaving out a name the gazetteer lacks.
QString namesText(const Place& place);

// Signed decimal degrees (north and east positive) as the main window takes
// them: whole degrees and minutes, the nearest, with their hemispheres; no zone.
Place formPlace(double latitude, double longitude);

} // namespace horavela
