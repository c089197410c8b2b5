// Turns GeoNames' cities500 extract, its list of first-level divisions and
// the ISO 3166 country and subdivision lists into the read-only places
// database that the coordinate search opens.
//
// Usage: horavela_build_places CITIES ADMIN1_JSON ISO3166_1_JSON ISO3166_2_JSON TZDATA_ZI OUTPUT
#include "places/NameKey.h"
#include "places/PlacesFormat.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <sqlite3.h>
#include <string>
#include <tuple>
#include <vector>

namespace horavela {
namespace {

// A prefix that more names begin with than this gets its best places worked
// out here, so that a suggestion never has to read and sort thousands of
// names while the user types.
constexpr std::size_t HotPrefixNames = 200;
constexpr std::size_t SuggestionsKept = 10;

// Countries as people write them, beside ISO's names and codes.
const std::pair<const char*, const char*> EverydayCountries[] = {
    {"USA", "US"},         {"America", "US"},        {"UK", "GB"},
    {"Britain", "GB"},     {"Great Britain", "GB"},  {"England", "GB"},
    {"Scotland", "GB"},    {"Wales", "GB"},          {"Northern Ireland", "GB"},
    {"UAE", "AE"},         {"Emirates", "AE"},       {"Russia", "RU"},
    {"Turkey", "TR"},      {"Holland", "NL"},        {"Burma", "MM"},
    {"Ivory Coast", "CI"}, {"Swaziland", "SZ"},      {"Macedonia", "MK"},
    {"DRC", "CD"},         {"DR Congo", "CD"},       {"Ceylon", "LK"},
    {"Persia", "IR"},      {"Bharat", "IN"},         {"Brunei", "BN"},
    {"Vatican", "VA"},     {"Palestine", "PS"},      {"Kosovo", "XK"},
    {"Micronesia", "FM"},  {"Czech Republic", "CZ"}, {"East Timor", "TL"},
};

// ISO's names that read oddly in a list of places, and a country GeoNames
// has that ISO does not.
const std::pair<const char*, const char*> CountryNamesShown[] = {
    {"RU", "Russia"},       {"CD", "DR Congo"}, {"PS", "Palestine"}, {"FM", "Micronesia"},
    {"VA", "Vatican City"}, {"BN", "Brunei"},   {"XK", "Kosovo"},
};

// States as people write them where ISO's code or name differs: vehicle and
// everyday codes, and names that have changed.
struct EverydayState {
    const char* country;
    const char* typed;
    const char* state; // GeoNames' name
};
const EverydayState EverydayStates[] = {
    {"IN", "UK", "Uttarakhand"},         {"IN", "Uttaranchal", "Uttarakhand"},
    {"IN", "TS", "Telangana"},           {"IN", "OD", "Odisha"},
    {"IN", "Orissa", "Odisha"},          {"IN", "CG", "Chhattisgarh"},
    {"IN", "Pondicherry", "Puducherry"}, {"IN", "NCT", "Delhi"},
    {"IN", "New Delhi", "Delhi"},        {"IN", "Kashmir", "Jammu and Kashmir"},
};

// Names in everyday use that the extract does not yet give its places: a
// town renamed since, and temple towns known by the name of their temple.
const std::pair<long long, const char*> OtherNames[] = {
    {1270642, "Gurugram"},      // Gurgaon
    {1254657, "Kurukshetra"},   // Thanesar
    {1254177, "Trimbakeshwar"}, // Trimbak
    {1253237, "Somnath"},       // Veraval
};

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "horavela_build_places: %s\n", why.c_str());
    std::exit(1);
}

QJsonDocument readJson(const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        fail(std::string("cannot read ") + path);
    QJsonParseError error;
    QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        fail(std::string(path) + ": " + error.errorString().toStdString());
    return document;
}

struct Database {
    sqlite3* db = nullptr;

    explicit Database(const char* path) {
        std::remove(path);
        if (sqlite3_open(path, &db) != SQLITE_OK)
            fail(std::string("cannot create ") + path);
    }
    ~Database() { sqlite3_close(db); }

    void run(const char* sql) {
        char* error = nullptr;
        if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK)
            fail(std::string(sql) + ": " + (error ? error : "?"));
    }

    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
            fail(std::string(sql) + ": " + sqlite3_errmsg(db));
        return statement;
    }

    void step(sqlite3_stmt* statement) {
        if (sqlite3_step(statement) != SQLITE_DONE)
            fail(sqlite3_errmsg(db));
        sqlite3_reset(statement);
    }
};

void bindText(sqlite3_stmt* statement, int index, const std::string& text) {
    sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
}

struct PlaceRow {
    long long id;
    std::string name;
    std::string country;
    std::string state;
    long long latitude;  // 1e-5 degrees
    long long longitude; // 1e-5 degrees
    long long population;
    int zone;
};

struct NameRow {
    std::string key;
    long long place;
    bool own;
    bool operator<(const NameRow& other) const {
        return std::tie(key, place) < std::tie(other.key, other.place);
    }
};

// Degrees with at most five decimals, as GeoNames writes them, in 1e-5 degrees.
long long hundredThousandths(const QString& degrees) {
    bool ok = false;
    const double value = degrees.toDouble(&ok);
    if (!ok)
        fail("bad coordinate " + degrees.toStdString());
    return static_cast<long long>(value * 1e5 + (value < 0 ? -0.5 : 0.5));
}

// The number of UTF-8 bytes that the first `count` characters of the key take.
std::size_t prefixBytes(const std::string& key, std::size_t count) {
    std::size_t i = 0;
    for (; i < key.size() && count > 0; --count) {
        ++i;
        while (i < key.size() && (static_cast<unsigned char>(key[i]) & 0xC0) == 0x80)
            ++i;
    }
    return count == 0 ? i : std::string::npos;
}

class Builder {
public:
    explicit Builder(const char* output) : db_(output) {
        db_.run("PRAGMA page_size = 4096; PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;");
        db_.run(R"(
            CREATE TABLE zone (id INTEGER PRIMARY KEY, name TEXT NOT NULL);
            CREATE TABLE zone_name (name TEXT PRIMARY KEY, zone TEXT NOT NULL) WITHOUT ROWID;
            CREATE TABLE zone_rules (name TEXT PRIMARY KEY, first INTEGER NOT NULL,
                                     changes BLOB NOT NULL) WITHOUT ROWID;
            CREATE TABLE country (code TEXT PRIMARY KEY, name TEXT NOT NULL) WITHOUT ROWID;
            CREATE TABLE state (country TEXT, code TEXT, name TEXT NOT NULL,
                                PRIMARY KEY (country, code)) WITHOUT ROWID;
            CREATE TABLE place (id INTEGER PRIMARY KEY, name TEXT NOT NULL, country TEXT NOT NULL,
                                state TEXT NOT NULL, latitude INTEGER NOT NULL,
                                longitude INTEGER NOT NULL, population INTEGER NOT NULL,
                                zone INTEGER NOT NULL);
            CREATE TABLE name (key TEXT, place INTEGER, own INTEGER NOT NULL,
                               PRIMARY KEY (key, place)) WITHOUT ROWID;
            CREATE TABLE hot (key TEXT PRIMARY KEY, places TEXT NOT NULL) WITHOUT ROWID;
            CREATE TABLE country_key (key TEXT, country TEXT,
                                      PRIMARY KEY (key, country)) WITHOUT ROWID;
            CREATE TABLE state_key (key TEXT, country TEXT, state TEXT,
                                    PRIMARY KEY (key, country, state)) WITHOUT ROWID;
        )");
    }

    void readCountries(const char* path) {
        for (const QJsonValue& value : readJson(path).object().value(u"3166-1").toArray()) {
            const QJsonObject country = value.toObject();
            const std::string code = country.value(u"alpha_2").toString().toStdString();
            const QString common = country.value(u"common_name").toString();
            countryNames_[code] =
                (common.isEmpty() ? country.value(u"name").toString() : common).toStdString();
            for (const char* field : {"name", "common_name", "official_name", "alpha_2", "alpha_3"})
                addCountryKey(country.value(QLatin1String(field)).toString(), code);
        }
        for (const auto& [code, shown] : CountryNamesShown)
            countryNames_[code] = shown;
        for (const auto& [typed, code] : EverydayCountries)
            addCountryKey(QString::fromUtf8(typed), code);
    }

    void readStates(const char* path) {
        for (const QJsonValue& value : readJson(path).array()) {
            const QJsonObject state = value.toObject();
            const QString code = state.value(u"code").toString();
            const qsizetype dot = code.indexOf(u'.');
            if (dot < 0)
                continue;
            const std::string country = code.left(dot).toStdString();
            const QString own = code.mid(dot + 1);
            const QString name = state.value(u"name").toString();
            states_[{country, own.toStdString()}] = name.toStdString();
            statesByKey_[{country, nameKey(name)}].insert(own.toStdString());
            addStateKey(name, country, own.toStdString());
            // US states, Canadian provinces and the like use their postal codes.
            if (std::all_of(own.begin(), own.end(), [](QChar c) { return c.isLetter(); }))
                addStateKey(own, country, own.toStdString());
        }
    }

    // ISO's subdivision codes and names, tied to GeoNames' divisions by name.
    void readSubdivisions(const char* path) {
        for (const QJsonValue& value : readJson(path).object().value(u"3166-2").toArray()) {
            const QJsonObject subdivision = value.toObject();
            const QString code = subdivision.value(u"code").toString();
            QString name = subdivision.value(u"name").toString();
            // "Isle of Anglesey [Sir Ynys Môn GB-YNM]": the other language's name in brackets.
            if (const qsizetype bracket = name.indexOf(u'['); bracket > 0)
                name = name.left(bracket);
            const qsizetype dash = code.indexOf(u'-');
            if (dash < 0)
                continue;
            const std::string country = code.left(dash).toStdString();
            const std::string own = stateNamed(country, nameKey(name));
            if (own.empty())
                continue;
            addStateKey(code.mid(dash + 1), country, own);
            addStateKey(code, country, own);
            addStateKey(name, country, own);
        }
        for (const EverydayState& state : EverydayStates) {
            const std::string own =
                stateNamed(state.country, nameKey(QString::fromUtf8(state.state)));
            if (own.empty())
                fail(std::string("no state named ") + state.state);
            addStateKey(QString::fromUtf8(state.typed), state.country, own);
        }
    }

    void readPlaces(const char* path) {
        std::set<long long> renamed;
        for (const auto& [id, other] : OtherNames)
            renamed.insert(id);
        QFile file(QString::fromLocal8Bit(path));
        if (!file.open(QIODevice::ReadOnly))
            fail(std::string("cannot read ") + path);
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).chopped(1);
            const QStringList fields = line.split(u'\t');
            if (fields.size() < 19)
                fail("short line: " + line.toStdString());
            PlaceRow place{fields[0].toLongLong(),        fields[1].toStdString(),
                           fields[8].toStdString(),       fields[10].toStdString(),
                           hundredThousandths(fields[4]), hundredThousandths(fields[5]),
                           fields[14].toLongLong(),       zoneId(fields[17].toStdString())};
            std::map<std::string, bool> keys;
            for (const QString& own : {fields[1], fields[2]})
                if (std::string key = nameKey(own); !key.empty())
                    keys[key] = true;
            for (const QString& other : fields[3].split(u',', Qt::SkipEmptyParts))
                if (std::string key = nameKey(other); !key.empty())
                    keys.try_emplace(key, false);
            for (const auto& [id, other] : OtherNames)
                if (id == place.id)
                    keys.try_emplace(nameKey(QString::fromUtf8(other)), false);
            for (auto& [key, own] : keys)
                names_.push_back({key, place.id, own});
            populations_[place.id] = place.population;
            renamed.erase(place.id);
            places_.push_back(std::move(place));
        }
        // A newer extract that drops one of them must not lose its name silently.
        if (!renamed.empty())
            fail("no place " + std::to_string(*renamed.begin()) + " for its other name");
    }

    // Every zone of tzdata's compact form ("Z Asia/Kolkata ...") with its offsets from 1901 to
    // 2050, read from the zone files beside it, and every name of it, old names included ("L
    // Asia/Kolkata Asia/Calcutta"), so that the program knows the same zones by the same names
    // on every system.
    void readZones(const char* path) {
        QFile file(QString::fromLocal8Bit(path));
        if (!file.open(QIODevice::ReadOnly))
            fail(std::string("cannot read ") + path);
        while (!file.atEnd()) {
            const QList<QByteArray> fields = file.readLine().simplified().split(' ');
            if (fields.size() >= 2 && fields[0] == "Z")
                zoneNames_[fields[1].toStdString()] = fields[1].toStdString();
            else if (fields.size() == 3 && fields[0] == "L")
                zoneNames_[fields[2].toStdString()] = fields[1].toStdString();
        }
        using namespace std::chrono;
        // A day either side, so that every local time of 1901 to 2050 has its offset.
        const QDateTime from(QDate(1900, 12, 31), QTime(0, 0), Qt::UTC);
        const QDateTime until(QDate(2051, 1, 2), QTime(0, 0), Qt::UTC);
        for (const auto& [name, zone] : zoneNames_) {
            if (name != zone)
                continue;
            const QTimeZone rules(QByteArray::fromStdString(name));
            if (!rules.isValid())
                fail("the zone files lack " + name);
            ZoneHistory history{name, rules.offsetFromUtc(from), {}};
            std::int32_t east = history.firstSecondsEast;
            for (const QTimeZone::OffsetData& change : rules.transitions(from, until)) {
                // A new name for the same offset is no change.
                if (change.offsetFromUtc == east)
                    continue;
                east = change.offsetFromUtc;
                history.changes.push_back(
                    {sys_seconds{seconds{change.atUtc.toSecsSinceEpoch()}}, east});
            }
            zoneRules_.push_back(std::move(history));
        }
        for (const auto& [zone, id] : zones_)
            if (!zoneNames_.contains(zone))
                std::fprintf(stderr, "note: tzdata has no zone %s\n", zone.c_str());
    }

    void write() {
        db_.run("BEGIN");
        writeZones();
        writeCountries();
        writeStates();
        writePlaces();
        writeNames();
        writeHotPrefixes();
        db_.run("COMMIT");
        db_.run("VACUUM");
        db_.run(("PRAGMA application_id = " + std::to_string(PlacesApplicationId)).c_str());
        std::printf("%zu places, %zu names, %zu hot prefixes\n", places_.size(), names_.size(),
                    hotCount_);
    }

private:
    int zoneId(const std::string& zone) {
        const auto [at, added] = zones_.try_emplace(zone, static_cast<int>(zones_.size()) + 1);
        return at->second;
    }

    std::string stateNamed(const std::string& country, const std::string& key) {
        const auto found = statesByKey_.find({country, key});
        if (found != statesByKey_.end() && found->second.size() == 1)
            return *found->second.begin();
        // "Andaman and Nicobar Islands" for "Andaman and Nicobar": one name
        // holding the other, when only one state of the country does.
        std::string only;
        for (const auto& [stateKey, codes] : statesByKey_) {
            if (stateKey.first != country || codes.size() != 1 || key.size() < 4 ||
                stateKey.second.size() < 4)
                continue;
            if (key.find(stateKey.second) == std::string::npos &&
                stateKey.second.find(key) == std::string::npos)
                continue;
            if (!only.empty())
                return {};
            only = *codes.begin();
        }
        return only;
    }

    void addCountryKey(const QString& text, const std::string& code) {
        if (std::string key = nameKey(text); !key.empty())
            countryKeys_.insert({key, code});
    }

    void addStateKey(const QString& text, const std::string& country, const std::string& state) {
        if (std::string key = nameKey(text); !key.empty())
            stateKeys_.insert({key, country, state});
    }

    // Every row through one prepared INSERT; `bind` binds one row's values.
    template <typename Rows, typename Bind>
    void insertAll(const char* sql, const Rows& rows, Bind bind) {
        sqlite3_stmt* insert = db_.prepare(sql);
        for (const auto& row : rows) {
            bind(insert, row);
            db_.step(insert);
        }
        sqlite3_finalize(insert);
    }

    void writeZones() {
        insertAll("INSERT INTO zone VALUES (?, ?)", zones_,
                  [](sqlite3_stmt* insert, const auto& zone) {
                      sqlite3_bind_int(insert, 1, zone.second);
                      bindText(insert, 2, zone.first);
                  });
        insertAll("INSERT INTO zone_name VALUES (?, ?)", zoneNames_,
                  [](sqlite3_stmt* insert, const auto& name) {
                      bindText(insert, 1, name.first);
                      bindText(insert, 2, name.second);
                  });
        insertAll("INSERT INTO zone_rules VALUES (?, ?, ?)", zoneRules_,
                  [](sqlite3_stmt* insert, const ZoneHistory& zone) {
                      bindText(insert, 1, zone.name);
                      sqlite3_bind_int(insert, 2, zone.firstSecondsEast);
                      const std::vector<unsigned char> changes = zoneChangeBytes(zone.changes);
                      // A null pointer would bind NULL rather than no changes.
                      static const unsigned char none = 0;
                      sqlite3_bind_blob(insert, 3, changes.empty() ? &none : changes.data(),
                                        int(changes.size()), SQLITE_TRANSIENT);
                  });
    }

    void writeCountries() {
        const auto pair = [](sqlite3_stmt* insert, const auto& row) {
            bindText(insert, 1, row.first);
            bindText(insert, 2, row.second);
        };
        insertAll("INSERT INTO country VALUES (?, ?)", countryNames_, pair);
        insertAll("INSERT INTO country_key VALUES (?, ?)", countryKeys_, pair);
    }

    void writeStates() {
        insertAll("INSERT INTO state VALUES (?, ?, ?)", states_,
                  [](sqlite3_stmt* insert, const auto& state) {
                      bindText(insert, 1, state.first.first);
                      bindText(insert, 2, state.first.second);
                      bindText(insert, 3, state.second);
                  });
        insertAll("INSERT INTO state_key VALUES (?, ?, ?)", stateKeys_,
                  [](sqlite3_stmt* insert, const auto& key) {
                      bindText(insert, 1, std::get<0>(key));
                      bindText(insert, 2, std::get<1>(key));
                      bindText(insert, 3, std::get<2>(key));
                  });
    }

    void writePlaces() {
        insertAll(
            "INSERT INTO place VALUES (?, ?, ?, ?, ?, ?, ?, ?)", places_,
            [](sqlite3_stmt* insert, const PlaceRow& place) {
                sqlite3_bind_int64(insert, 1, place.id);
                bindText(insert, 2, place.name);
                bindText(insert, 3, place.country);
                bindText(insert, 4, place.state);
                sqlite3_bind_int64(insert, 5, place.latitude);
                sqlite3_bind_int64(insert, 6, place.longitude);
                sqlite3_bind_int64(insert, 7, place.population);
                sqlite3_bind_int(insert, 8, place.zone);
            });
    }

    void writeNames() {
        std::sort(names_.begin(), names_.end());
        insertAll("INSERT INTO name VALUES (?, ?, ?)", names_,
                  [](sqlite3_stmt* insert, const NameRow& name) {
                      bindText(insert, 1, name.key);
                      sqlite3_bind_int64(insert, 2, name.place);
                      sqlite3_bind_int(insert, 3, name.own ? 1 : 0);
                  });
    }

    // The names are sorted, so the names that share a prefix lie together.
    void writeHotPrefixes() {
        sqlite3_stmt* insert = db_.prepare("INSERT INTO hot VALUES (?, ?)");
        for (std::size_t length = 1;; ++length) {
            bool anyHot = false;
            std::size_t begin = 0;
            while (begin < names_.size()) {
                const std::size_t bytes = prefixBytes(names_[begin].key, length);
                if (bytes == std::string::npos) {
                    ++begin;
                    continue;
                }
                const std::string_view prefix(names_[begin].key.data(), bytes);
                std::size_t end = begin + 1;
                while (end < names_.size() && names_[end].key.starts_with(prefix))
                    ++end;
                if (end - begin > HotPrefixNames) {
                    anyHot = true;
                    bindText(insert, 1, std::string(prefix));
                    bindText(insert, 2, bestPlaces(begin, end));
                    db_.step(insert);
                    ++hotCount_;
                }
                begin = end;
            }
            if (!anyHot)
                break;
        }
        sqlite3_finalize(insert);
    }

    // The ids of the most populous places among names [begin, end), as text.
    std::string bestPlaces(std::size_t begin, std::size_t end) const {
        std::map<long long, long long> weights; // by place
        for (std::size_t i = begin; i < end; ++i) {
            const long long weight =
                populations_.at(names_[i].place) * (names_[i].own ? OwnNameWeight : 1);
            long long& best = weights[names_[i].place];
            best = std::max(best, weight);
        }
        std::vector<std::pair<long long, long long>> byPopulation; // (-weight, id)
        for (const auto& [id, weight] : weights)
            byPopulation.push_back({-weight, id});
        const std::size_t kept = std::min(SuggestionsKept, byPopulation.size());
        std::partial_sort(byPopulation.begin(), byPopulation.begin() + static_cast<long>(kept),
                          byPopulation.end());
        std::string ids;
        for (std::size_t i = 0; i < kept; ++i) {
            if (i > 0)
                ids += ' ';
            ids += std::to_string(byPopulation[i].second);
        }
        return ids;
    }

    Database db_;
    std::map<std::string, int> zones_;
    std::map<std::string, std::string> zoneNames_; // every name, to the zone's own
    std::vector<ZoneHistory> zoneRules_;
    std::map<std::string, std::string> countryNames_;
    std::set<std::pair<std::string, std::string>> countryKeys_;
    std::map<std::pair<std::string, std::string>, std::string> states_;
    std::map<std::pair<std::string, std::string>, std::set<std::string>> statesByKey_;
    std::set<std::tuple<std::string, std::string, std::string>> stateKeys_;
    std::vector<PlaceRow> places_;
    std::vector<NameRow> names_;
    std::map<long long, long long> populations_;
    std::size_t hotCount_ = 0;
};

// Writes the check of every byte but its own into the file's check bytes.
void sealFile(const char* path) {
    std::FILE* file = std::fopen(path, "r+b");
    if (!file)
        fail(std::string("cannot reopen ") + path);
    const FileCheck check = checkFile([&](unsigned char* data, std::size_t capacity) {
        const std::size_t count = std::fread(data, 1, capacity, file);
        return std::ferror(file) ? -1 : static_cast<long long>(count);
    });
    if (check.readFailed || check.size < CheckOffset + CheckSize)
        fail(std::string("cannot read back ") + path);
    const auto bytes = checkBytes(check.computed);
    if (std::fseek(file, CheckOffset, SEEK_SET) != 0 ||
        std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        fail(std::string("cannot seal ") + path);
    std::fclose(file);
}

} // namespace
} // namespace horavela

int main(int argc, char** argv) {
    using namespace horavela;
    if (argc != 7) {
        std::fprintf(
            stderr, "usage: %s CITIES ADMIN1_JSON ISO3166_1_JSON ISO3166_2_JSON TZDATA_ZI OUTPUT\n",
            argv[0]);
        return 2;
    }
    const char* output = argv[6];
    const std::string temporary = std::string(output) + ".part";
    {
        Builder builder(temporary.c_str());
        builder.readCountries(argv[3]);
        builder.readStates(argv[2]);
        builder.readSubdivisions(argv[4]);
        builder.readPlaces(argv[1]);
        builder.readZones(argv[5]);
        builder.write();
    }
    sealFile(temporary.c_str());
    // Renamed only when whole, so a failed build leaves no database behind.
    if (std::rename(temporary.c_str(), output) != 0)
        fail(std::string("cannot write ") + output);
    return 0;
}
