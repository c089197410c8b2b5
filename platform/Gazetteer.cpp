#include "Gazetteer.h"

#include <QLibrary>

namespace horavela {

namespace {

// The few C functions of libgeonames we call, declared here rather than
// taken from its header: the header pulls in GLib and exists only where the
// library does, and this file must build everywhere. A city is an opaque
// GVariant handle; strings belong to it and are copied before it is freed.
using City = void;
using QueryCities = int* (*)(const char* query, int flags, unsigned* length, void* cancellable,
                             void** error);
using GetCity = City* (*)(int index);
using FreeCity = void (*)(City* city);
using CityText = const char* (*)(City* city);
using CityNumber = double (*)(City* city);
using FreeMemory = void (*)(void* memory);

struct Geonames {
    QueryCities queryCities = nullptr;
    GetCity getCity = nullptr;
    FreeCity freeCity = nullptr;
    CityText name = nullptr;
    CityText state = nullptr;
    CityText country = nullptr;
    CityText countryCode = nullptr;
    CityText timeZone = nullptr;
    CityNumber latitude = nullptr;
    CityNumber longitude = nullptr;
    FreeMemory freeMemory = nullptr; // GLib's g_free, reached through the library

    bool complete() const {
        return queryCities && getCity && freeCity && name && state && country && countryCode &&
               timeZone && latitude && longitude && freeMemory;
    }
};

template <typename Function> void resolve(QLibrary& library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(library.resolve(name));
}

// Loaded once, on the first search; stays loaded for the rest of the run.
const Geonames* geonames() {
    static const Geonames* const loaded = []() -> const Geonames* {
        // The soname's version: the library's C interface of that version.
        static QLibrary library(QStringLiteral("geonames"), 0);
        if (!library.load())
            return nullptr;
        static Geonames functions;
        resolve(library, functions.queryCities, "geonames_query_cities_sync");
        resolve(library, functions.getCity, "geonames_get_city");
        resolve(library, functions.freeCity, "geonames_city_free");
        resolve(library, functions.name, "geonames_city_get_name");
        resolve(library, functions.state, "geonames_city_get_state");
        resolve(library, functions.country, "geonames_city_get_country");
        resolve(library, functions.countryCode, "geonames_city_get_country_code");
        resolve(library, functions.timeZone, "geonames_city_get_timezone");
        resolve(library, functions.latitude, "geonames_city_get_latitude");
        resolve(library, functions.longitude, "geonames_city_get_longitude");
        resolve(library, functions.freeMemory, "g_free");
        return functions.complete() ? &functions : nullptr;
    }();
    return loaded;
}

std::string copied(const char* text) {
    return text ? std::string(text) : std::string();
}

} // namespace

std::vector<GazetteerCity> gazetteerCities(const std::string& word) {
    const Geonames* gn = geonames();
    if (!gn || word.empty())
        return {};
    unsigned length = 0;
    int* indices = gn->queryCities(word.c_str(), 0, &length, nullptr, nullptr);
    std::vector<GazetteerCity> cities;
    cities.reserve(length);
    for (unsigned i = 0; indices && i < length; ++i) {
        City* city = gn->getCity(indices[i]);
        if (!city)
            continue;
        cities.push_back({copied(gn->name(city)), copied(gn->state(city)),
                          copied(gn->country(city)), copied(gn->countryCode(city)),
                          copied(gn->timeZone(city)), gn->latitude(city), gn->longitude(city)});
        gn->freeCity(city);
    }
    gn->freeMemory(indices);
    return cities;
}

} // namespace horavela
