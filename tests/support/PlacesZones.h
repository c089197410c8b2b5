// Zones as the places database built with the program carries them, for rows
// that need a named zone without a gazetteer.
#pragma once

#include "places/PlacesDatabase.h"

#include <QString>
#include <memory>

namespace horavela {

inline std::shared_ptr<const ZoneHistory> zoneNamed(const char* name) {
    static PlacesDatabase zones(QStringLiteral(PLACES_DATABASE));
    return zones.zone(name);
}

} // namespace horavela
