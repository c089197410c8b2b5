// The offline gazetteer: the cities of Debian's libgeonames, loaded on first
// use so that start-up never pays for it.
#pragma once

#include <string>
#include <vector>

namespace horavela {

struct GazetteerCity {
    // In UTF-8, as the gazetteer gives them.
    std::string name;
    std::string state;
    std::string country;
    std::string countryCode;
    std::string timeZone; // IANA id, such as "Asia/Kolkata"
    double latitude;      // degrees, north positive
    double longitude;     // degrees, east positive
    unsigned population;
};

// The name of every city of the gazetteer, in its own order (by country,
// not by size), read anew on each call (about a tenth of a second). Empty
// where the library is missing (always so on Windows and macOS).
std::vector<std::string> readGazetteerNames();

// The city at `index` of that list.
GazetteerCity gazetteerCity(std::size_t index);

} // namespace horavela
