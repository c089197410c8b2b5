// The coordinate search's answer from the offline gazetteer: the places that
// match the query, best first, written as the main window takes them.
#pragma once

#include <QString>
#include <vector>

namespace horavela {

struct FoundPlace {
    QString place;     // "Pune, Maharashtra, India"
    QString latitude;  // "18° 31′ N"
    QString longitude; // "73° 51′ E"
    QString zone;      // "Asia/Kolkata: -5 -30"
};

inline constexpr std::size_t MostPlacesShown = 20;

// At most MostPlacesShown; empty when nothing matches or there is no
// gazetteer. Zones are given for `year`.
std::vector<FoundPlace> lookUpPlaces(const QString& query, int year);

} // namespace horavela
