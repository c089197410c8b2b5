#include "Gazetteer.h"

#include <QLibrary>
#include <algorithm>

namespace horavela {

namespace {

// The few C functions of libgeonames we call, declared here rather than
// taken from its header: the header pulls in GLib and exists only where the
// library does, and this file must build everywhere. A city is an opaque
// GVariant handle; its strings belong to it and are copied before it is freed.
using City = void;
using CityCount = int (*)();
using GetCity = City* (*)(int index);
using FreeCity = void (*)(City* city);
using CityText = const char* (*)(City* city);
using CityNumber = double (*)(City* city);
using CityPopulation = unsigned (*)(City* city);

struct Geonames {
    CityCount count = nullptr;
    GetCity getCity = nullptr;
    FreeCity freeCity = nullptr;
    CityText name = nullptr;
    CityText state = nullptr;
    CityText country = nullptr;
    CityText countryCode = nullptr;
    CityText timeZone = nullptr;
    CityNumber latitude = nullptr;
    CityNumber longitude = nullptr;
    CityPopulation population = nullptr;

    bool complete() const {
        return count && getCity && freeCity && name && state && country && countryCode &&
               timeZone && latitude && longitude && population;
    }
};

template <typename Function> void resolve(QLibrary& library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(library.resolve(name));
}

// Loaded on the first search and never unloaded: GLib-based code cannot be
// unloaded safely, and QLibrary unloads only when asked. Null when missing.
const Geonames* geonames() {
    static const Geonames* const loaded = []() -> const Geonames* {
        // 0 is the soname's version, the C interface the types above describe.
        QLibrary library(QStringLiteral("geonames"), 0);
        if (!library.load())
            return nullptr;
        static Geonames gn;
        resolve(library, gn.count, "geonames_get_n_cities");
        resolve(library, gn.getCity, "geonames_get_city");
        resolve(library, gn.freeCity, "geonames_city_free");
        resolve(library, gn.name, "geonames_city_get_name");
        resolve(library, gn.state, "geonames_city_get_state");
        resolve(library, gn.country, "geonames_city_get_country");
        resolve(library, gn.countryCode, "geonames_city_get_country_code");
        resolve(library, gn.timeZone, "geonames_city_get_timezone");
        resolve(library, gn.latitude, "geonames_city_get_latitude");
        resolve(library, gn.longitude, "geonames_city_get_longitude");
        resolve(library, gn.population, "geonames_city_get_population");
        return gn.complete() ? &gn : nullptr;
    }();
    return loaded;
}

std::string copied(const char* text) {
    return text ? std::string(text) : std::string();
}

} // namespace

std::vector<std::string> readGazetteerNames() {
    const Geonames* gn = geonames();
    if (!gn)
        return {};
    std::vector<std::string> names;
    const int count = gn->count();
    names.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        City* city = gn->getCity(i);
        names.push_back(city ? copied(gn->name(city)) : std::string());
        if (city)
            gn->freeCity(city);
    }
    return names;
}

GazetteerCity gazetteerCity(std::size_t index) {
    const Geonames* gn = geonames();
    City* city = gn ? gn->getCity(static_cast<int>(index)) : nullptr;
    if (!city)
        return {};
    GazetteerCity read{copied(gn->name(city)),     copied(gn->state(city)),
                       copied(gn->country(city)),  copied(gn->countryCode(city)),
                       copied(gn->timeZone(city)), gn->latitude(city),
                       gn->longitude(city),        gn->population(city)};
    gn->freeCity(city);
    return read;
}

} // namespace horavela
