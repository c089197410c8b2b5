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
};

// The cities with a word that begins like `word`, ignoring case and accents,
// most populous first. Empty when none does, and also where the library is
// missing (always so on Windows and macOS).
std::vector<GazetteerCity> gazetteerCities(const std::string& word);

} // namespace horavela
