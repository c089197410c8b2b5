#include "places/PlacesDatabase.h"

#include "places/NameKey.h"
#include "places/PlaceLookup.h"
#include "places/PlacesFormat.h"
#include "places/SqliteLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QLoggingCategory>
#include <QUrl>
#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>

namespace horavela {

namespace {

Q_LOGGING_CATEGORY(placesLog, "horavela.places", QtWarningMsg)

// No name is shared by more places than this; it bounds a search's work
// whatever the database holds.
constexpr int MostCandidates = 5000;
// Past the prefixes whose best places are stored, no prefix begins more names
// than this; the bound holds a damaged database to it too.
constexpr int MostPrefixNames = 1000;

// Why the database cannot be used, for the one line on standard error.
struct Unusable : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The whole file hashed, its check bytes read as zero, against those bytes.
void checkWhole(const QString& path) {
    QFile file(path);
    if (!file.exists())
        throw Unusable("it is missing");
    if (!file.open(QIODevice::ReadOnly))
        throw Unusable("it cannot be opened: " + file.errorString().toStdString());
    const FileCheck check = checkFile([&](unsigned char* data, std::size_t capacity) {
        return file.read(reinterpret_cast<char*>(data), static_cast<qint64>(capacity));
    });
    if (check.readFailed)
        throw Unusable("it cannot be read: " + file.errorString().toStdString());
    if (check.size == 0)
        throw Unusable("it is empty");
    if (check.size < CheckOffset + CheckSize)
        throw Unusable("it is truncated");
    if (check.computed != check.stored)
        throw Unusable("it is damaged or truncated (its check does not match)");
}

const SqliteLibrary& loadedSqlite() {
    QString why;
    const SqliteLibrary* library = sqliteLibrary(&why);
    if (!library)
        throw Unusable("SQLite cannot be loaded: " + why.toStdString());
    return *library;
}

// A column as bytes; a NULL is empty.
std::string bytes(const SqliteLibrary& sql, sqlite3_stmt* statement, int column) {
    const auto* start = reinterpret_cast<const char*>(sql.column_text(statement, column));
    return start ? std::string(start, static_cast<std::size_t>(sql.column_bytes(statement, column)))
                 : std::string();
}

} // namespace

// One open database and its prepared statements. Every failure of SQLite
// throws Unusable, so a database that breaks halfway through a search is
// given up as a whole.
class PlacesDatabase::Connection {
public:
    explicit Connection(const QString& path) : sql_(loadedSqlite()) {
        checkWhole(path);
        try {
            open(path);
        } catch (const Unusable&) {
            release();
            throw;
        }
    }

    ~Connection() { release(); }

    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    std::vector<Place> find(const PlaceQuery& query, std::size_t limit) {
        std::vector<Candidate> candidates = namedPlaces(nameKey(query.city));
        // "Pune, Maharashtra" typed into the City box alone.
        if (const qsizetype comma = query.city.indexOf(u','); candidates.empty() && comma > 0)
            candidates = namedPlaces(nameKey(QStringView(query.city).left(comma)));
        if (candidates.empty())
            return {};
        const std::set<std::pair<std::string, std::string>> states = typedStates(query.state);
        const std::set<std::string> countries = typedCountries(query.country);
        for (Candidate& candidate : candidates) {
            candidate.place = place(candidate.place.id, &candidate.country, &candidate.state,
                                    &candidate.population);
            candidate.chosen = candidate.place.id == query.chosenId;
            candidate.agreement = (states.contains({candidate.country, candidate.state}) ? 1 : 0) +
                                  (countries.contains(candidate.country) ? 1 : 0);
        }
        const auto better = [](const Candidate& a, const Candidate& b) {
            return std::tuple(!a.chosen, -a.agreement, !a.own, -a.population, a.place.id) <
                   std::tuple(!b.chosen, -b.agreement, !b.own, -b.population, b.place.id);
        };
        std::sort(candidates.begin(), candidates.end(), better);
        std::vector<Place> found;
        for (std::size_t i = 0; i < std::min(limit, candidates.size()); ++i)
            found.push_back(std::move(candidates[i].place));
        return found;
    }

    std::vector<Place> suggest(QStringView typed, std::size_t limit) {
        const std::string prefix = nameKey(typed);
        if (prefix.empty() || limit == 0)
            return {};
        std::vector<qint64> ids = hotPlaces(prefix);
        if (ids.empty())
            ids = prefixPlaces(prefix);
        if (ids.size() > limit)
            ids.resize(limit);
        std::vector<Place> places;
        for (const qint64 id : ids)
            places.push_back(place(id, nullptr, nullptr, nullptr));
        return places;
    }

private:
    struct Candidate {
        Place place;
        qint64 population = 0;
        bool own = false;
        bool chosen = false;
        int agreement = 0;
        std::string country;
        std::string state;
    };

    void open(const QString& path) {
        // Immutable: the file is read-only data, so SQLite takes no locks and
        // writes nothing beside it, even in a read-only folder.
        const QByteArray uri = QUrl::fromLocalFile(path).toEncoded() + "?immutable=1";
        if (sql_.open_v2(uri.constData(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) !=
            SQLITE_OK)
            fail();
        place_ = prepare("PRAGMA application_id");
        if (!row(place_) ||
            static_cast<std::uint32_t>(sql_.column_int64(place_, 0)) != PlacesApplicationId)
            throw Unusable("it is not a places database");
        sql_.finalize(std::exchange(place_, nullptr));
        names_ = prepare("SELECT place, own FROM name WHERE key = ?1 LIMIT ?2");
        prefixNames_ = prepare("SELECT n.place, p.population, n.own FROM name n JOIN place p ON "
                               "p.id = n.place WHERE n.key >= ?1 AND n.key < ?2 LIMIT ?3");
        hot_ = prepare("SELECT places FROM hot WHERE key = ?1");
        place_ = prepare("SELECT p.name, s.name, c.name, z.name, p.latitude, p.longitude, "
                         "p.population, p.country, p.state FROM place p JOIN zone z "
                         "ON z.id = "
                         "p.zone LEFT JOIN state s ON s.country = p.country AND s.code = p.state "
                         "LEFT JOIN country c ON c.code = p.country WHERE p.id = ?1");
        states_ = prepare("SELECT country, state FROM state_key WHERE key = ?1");
        countries_ = prepare("SELECT country FROM country_key WHERE key = ?1");
        zone_ = prepare("SELECT r.name, r.first, r.changes FROM zone_name n JOIN zone_rules r ON "
                        "r.name = n.zone WHERE n.name = ?1");
    }

    // Finalizing and closing take null handles, so this also undoes half an open.
    void release() {
        for (sqlite3_stmt* statement :
             {names_, prefixNames_, hot_, place_, states_, countries_, zone_})
            sql_.finalize(statement);
        sql_.close(db_);
        db_ = nullptr;
    }

    [[noreturn]] void fail() const {
        throw Unusable(db_ ? sql_.errmsg(db_) : "SQLite could not start");
    }

    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* statement = nullptr;
        if (sql_.prepare_v2(db_, sql, -1, &statement, nullptr) != SQLITE_OK)
            fail();
        return statement;
    }

    // True for a row, false when the statement is done; the statement is
    // reset when done.
    bool row(sqlite3_stmt* statement) {
        const int result = sql_.step(statement);
        if (result == SQLITE_ROW)
            return true;
        sql_.reset(statement);
        if (result != SQLITE_DONE)
            fail();
        return false;
    }

    void bindText(sqlite3_stmt* statement, int index, const std::string& text) {
        sql_.bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                       SQLITE_TRANSIENT);
    }

    std::vector<Candidate> namedPlaces(const std::string& key) {
        std::vector<Candidate> candidates;
        if (key.empty())
            return candidates;
        bindText(names_, 1, key);
        sql_.bind_int(names_, 2, MostCandidates);
        while (row(names_)) {
            Candidate candidate;
            candidate.place.id = sql_.column_int64(names_, 0);
            candidate.own = sql_.column_int(names_, 1) != 0;
            candidates.push_back(std::move(candidate));
        }
        return candidates;
    }

    std::vector<qint64> hotPlaces(const std::string& prefix) {
        bindText(hot_, 1, prefix);
        std::vector<qint64> ids;
        if (!row(hot_))
            return ids;
        for (const QByteArray& id : QByteArray::fromStdString(bytes(sql_, hot_, 0)).split(' '))
            ids.push_back(id.toLongLong());
        sql_.reset(hot_);
        return ids;
    }

    // Every name that begins with the prefix sorts between the prefix and the
    // prefix followed by 0xF5, a byte that UTF-8 never uses.
    std::vector<qint64> prefixPlaces(const std::string& prefix) {
        bindText(prefixNames_, 1, prefix);
        bindText(prefixNames_, 2, prefix + '\xF5');
        sql_.bind_int(prefixNames_, 3, MostPrefixNames);
        std::vector<std::pair<qint64, qint64>> byPopulation; // (-weight, id)
        while (row(prefixNames_))
            byPopulation.push_back({-sql_.column_int64(prefixNames_, 1) *
                                        (sql_.column_int(prefixNames_, 2) ? OwnNameWeight : 1),
                                    sql_.column_int64(prefixNames_, 0)});
        std::sort(byPopulation.begin(), byPopulation.end());
        std::vector<qint64> ids;
        for (const auto& [population, id] : byPopulation)
            if (std::find(ids.begin(), ids.end(), id) == ids.end())
                ids.push_back(id);
        return ids;
    }

    Place place(qint64 id, std::string* countryCode, std::string* stateCode, qint64* population) {
        sql_.bind_int64(place_, 1, id);
        if (!row(place_))
            throw Unusable("a name leads to no place");
        Place place = formPlace(static_cast<double>(sql_.column_int64(place_, 4)) / 1e5,
                                static_cast<double>(sql_.column_int64(place_, 5)) / 1e5);
        place.id = id;
        place.city = bytes(sql_, place_, 0);
        place.state = bytes(sql_, place_, 1);
        place.country = bytes(sql_, place_, 2);
        place.zoneName = bytes(sql_, place_, 3);
        place.namedZone = zone(QByteArray::fromStdString(place.zoneName));
        if (population)
            *population = sql_.column_int64(place_, 6);
        if (countryCode)
            *countryCode = bytes(sql_, place_, 7);
        if (stateCode)
            *stateCode = bytes(sql_, place_, 8);
        sql_.reset(place_);
        return place;
    }

public:
    std::shared_ptr<const ZoneHistory> zone(QByteArrayView name) {
        const QByteArray key = name.toByteArray();
        if (const auto known = zones_.find(key); known != zones_.end())
            return known->second;
        std::shared_ptr<const ZoneHistory> found;
        bindText(zone_, 1, key.toStdString());
        if (row(zone_)) {
            const auto* changes = static_cast<const unsigned char*>(sql_.column_blob(zone_, 2));
            std::optional<std::vector<ZoneChange>> read =
                zoneChanges(changes, std::size_t(sql_.column_bytes(zone_, 2)));
            if (!read)
                throw Unusable("a zone's changes are damaged");
            found = std::make_shared<const ZoneHistory>(
                ZoneHistory{bytes(sql_, zone_, 0), sql_.column_int(zone_, 1), std::move(*read)});
            sql_.reset(zone_);
        }
        return zones_[key] = found;
    }

private:
    std::set<std::pair<std::string, std::string>> typedStates(const QString& typed) {
        std::set<std::pair<std::string, std::string>> states;
        const std::string key = nameKey(typed);
        if (key.empty())
            return states;
        bindText(states_, 1, key);
        while (row(states_))
            states.insert({bytes(sql_, states_, 0), bytes(sql_, states_, 1)});
        return states;
    }

    std::set<std::string> typedCountries(const QString& typed) {
        std::set<std::string> countries;
        const std::string key = nameKey(typed);
        if (key.empty())
            return countries;
        bindText(countries_, 1, key);
        while (row(countries_))
            countries.insert(bytes(sql_, countries_, 0));
        return countries;
    }

    const SqliteLibrary& sql_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* names_ = nullptr;
    sqlite3_stmt* prefixNames_ = nullptr;
    sqlite3_stmt* hot_ = nullptr;
    sqlite3_stmt* place_ = nullptr;
    sqlite3_stmt* states_ = nullptr;
    sqlite3_stmt* countries_ = nullptr;
    sqlite3_stmt* zone_ = nullptr;
    // Read once each: every place of a zone shares it.
    std::map<QByteArray, std::shared_ptr<const ZoneHistory>> zones_;
};

PlacesDatabase::PlacesDatabase(QString path) : path_(std::move(path)) {}

PlacesDatabase::~PlacesDatabase() = default;

QString PlacesDatabase::installedPath() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/horavela/places.sqlite"));
}

PlacesDatabase::Connection* PlacesDatabase::connection() {
    if (!connection_ && !failed_) {
        try {
            connection_ = std::make_unique<Connection>(path_);
        } catch (const Unusable& why) {
            failed_ = true;
            qCWarning(placesLog,
                      "The places database %s cannot be used: %s. The coordinate "
                      "search opens a web search instead.",
                      qUtf8Printable(path_), why.what());
        }
    }
    return connection_.get();
}

template <typename Work>
std::optional<std::invoke_result_t<Work, PlacesDatabase::Connection&>>
PlacesDatabase::answer(const Work& work) {
    try {
        if (Connection* open = connection())
            return work(*open);
    } catch (const Unusable& why) {
        connection_.reset();
        failed_ = true;
        qCWarning(placesLog,
                  "The places database %s failed: %s. The coordinate search opens a "
                  "web search instead.",
                  qUtf8Printable(path_), why.what());
    }
    return std::nullopt;
}

std::optional<std::vector<Place>> PlacesDatabase::find(const PlaceQuery& query, std::size_t limit) {
    return answer([&](Connection& open) { return open.find(query, limit); });
}

std::optional<std::vector<Place>> PlacesDatabase::suggest(QStringView typed, std::size_t limit) {
    return answer([&](Connection& open) { return open.suggest(typed, limit); });
}

std::shared_ptr<const ZoneHistory> PlacesDatabase::zone(QByteArrayView name) {
    return answer([&](Connection& open) { return open.zone(name); }).value_or(nullptr);
}

namespace {

// The stand-in of the innermost ScopedGazetteer alive; null when none is.
Gazetteer* standIn = nullptr;

} // namespace

Gazetteer& placesGazetteer() {
    if (standIn)
        return *standIn;
    static PlacesDatabase installed(PlacesDatabase::installedPath());
    return installed;
}

ScopedGazetteer::ScopedGazetteer(Gazetteer& gazetteer)
    : previous_(std::exchange(standIn, &gazetteer)) {}

ScopedGazetteer::~ScopedGazetteer() {
    standIn = previous_;
}

} // namespace horavela
