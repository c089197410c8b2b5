// The place search without a window: name folding, the degree-and-minute
// form, zone offsets, and the built places database, whole and damaged.
#include "places/DegreesMinutes.h"
#include "places/NameKey.h"
#include "places/PlaceLookup.h"
#include "places/PlacesDatabase.h"
#include "places/PlacesFormat.h"
#include "places/ZoneRules.h"
#include "tests/support/FakeGazetteer.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <string>
#include <vector>

namespace horavela {
namespace {

TEST(NameKey, FoldsCaseAccentsPunctuationAndSpacesInEveryScript) {
    struct Row {
        QString name;
        std::string expected;
    };
    const Row rows[] = {
        {u"Dehra D\u016Bn"_qs, "dehradun"},
        {u"DEHRADUN"_qs, "dehradun"},
        {u"St. John's"_qs, "stjohns"},
        {u"St John\u2019s"_qs, "stjohns"},
        {u"Troms\u00F8"_qs, "tromso"},
        {u"\u0141\u00F3d\u017A"_qs, "lodz"},
        {u"Stra\u00DFe"_qs, "strasse"},
        {u"Kanyakumari"_qs, "kanyakumari"},
        {u"S\u00E3o Paulo"_qs, "saopaulo"},
        // Decomposed input folds like composed input.
        {u"Sa\u0303o Paulo"_qs, "saopaulo"},
        {u"\u041C\u041E\u0421\u041A\u0412\u0410"_qs, "\u043C\u043E\u0441\u043A\u0432\u0430"},
        // Devanagari and Tamil keep their vowel signs.
        {u"\u092A\u0941\u0923\u0947"_qs, "\u092A\u0941\u0923\u0947"},
        {u"\u0B9A\u0BC6\u0BA9\u0BCD\u0BA9\u0BC8"_qs, "\u0B9A\u0BC6\u0BA9\u0BCD\u0BA9\u0BC8"},
        {u" -,.;'\"()"_qs, ""},
        {QString(QChar(0xD800)) + u"Pune"_qs + QChar(0xDC00), "pune"},
        {u"\u0001Pu\u0007ne\t"_qs, "pune"},
        {QString(500, u'a'), std::string(LongestName, 'a')},
    };
    for (const Row& row : rows)
        EXPECT_EQ(nameKey(row.name), row.expected) << row.name.toStdString();
}

TEST(DegreesMinutes, RoundsToTheMinuteWithinWhatTheMainWindowTakes) {
    struct Row {
        double value;
        bool latitude;
        std::string expected;
    };
    const Row rows[] = {
        {18.51957, true, "18\u00B0 31\u2032 N"},
        {73.85535, false, "73\u00B0 51\u2032 E"},
        {18 + 59.5 / 60, true, "19\u00B0 0\u2032 N"},
        {18 + 59.49 / 60, true, "18\u00B0 59\u2032 N"},
        {-34.61315, true, "34\u00B0 37\u2032 S"},
        {-58.37723, false, "58\u00B0 23\u2032 W"},
        {-0.5 / 60, false, "0\u00B0 1\u2032 W"},
        {-0.004, true, "0\u00B0 0\u2032 N"},
        {0, false, "0\u00B0 0\u2032 E"},
        {89.9999, true, "89\u00B0 59\u2032 N"},
        {-89.995, true, "89\u00B0 59\u2032 S"},
        {179.9999, false, "179\u00B0 59\u2032 E"},
        {-180, false, "179\u00B0 59\u2032 W"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(text(row.latitude ? latitudeForm(row.value) : longitudeForm(row.value)),
                  row.expected)
            << (row.latitude ? "latitude " : "longitude ") << row.value;
}

// 2026: daylight time in North America from 8 March to 1 November, in
// Sydney until 5 April and from 4 October; Ireland keeps GMT as its winter
// (daylight) time and Morocco drops to GMT for Ramadan.
TEST(ZoneRules, GivesTheOffsetInForceAndEveryOffsetOfTheYear) {
    const QTime noon(12, 0);
    struct Row {
        const char* zone;
        ZoneMoment moment;
        std::string expected;
    };
    const Row rows[] = {
        // By the older names, which Windows knows them by too.
        {"Asia/Calcutta", {2026, QDate(2026, 7, 15), noon}, "Asia/Calcutta: -5 -30"},
        {"Asia/Katmandu", {2026, QDate(2026, 1, 1), noon}, "Asia/Katmandu: -5 -45"},
        {"Pacific/Kiritimati", {2026, QDate(2026, 1, 1), noon}, "Pacific/Kiritimati: -14 0"},
        {"Pacific/Marquesas", {2026, QDate(2026, 1, 1), noon}, "Pacific/Marquesas: 9 30"},
        {"America/New_York",
         {2026, QDate(2026, 7, 15), noon},
         "America/New_York: 4 0 on 15 July 2026 (in 2026: 5 0, 4 0 from 8 March, 5 0 from 1 "
         "November)"},
        {"America/New_York",
         {2026, QDate(2026, 1, 15), noon},
         "America/New_York: 5 0 on 15 January 2026 (in 2026: 5 0, 4 0 from 8 March, 5 0 from 1 "
         "November)"},
        {"America/New_York",
         {2026, QDate(), noon},
         "America/New_York: 5 0 standard (in 2026: 5 0, 4 0 from 8 March, 5 0 from 1 November)"},
        {"America/St_Johns",
         {2026, QDate(2026, 7, 15), noon},
         "America/St_Johns: 2 30 on 15 July 2026 (in 2026: 3 30, 2 30 from 8 March, 3 30 from 1 "
         "November)"},
        {"Australia/Sydney",
         {2026, QDate(2026, 1, 15), noon},
         "Australia/Sydney: -11 0 on 15 January 2026 (in 2026: -11 0, -10 0 from 5 April, -11 0 "
         "from 4 October)"},
        {"Europe/Dublin",
         {2026, QDate(2026, 7, 15), noon},
         "Europe/Dublin: -1 0 on 15 July 2026 (in 2026: 0 0, -1 0 from 29 March, 0 0 from 25 "
         "October)"},
        {"Europe/Dublin",
         {2026, QDate(2026, 12, 15), noon},
         "Europe/Dublin: 0 0 on 15 December 2026 (in 2026: 0 0, -1 0 from 29 March, 0 0 from 25 "
         "October)"},
        // Half an hour of daylight saving.
        {"Australia/Lord_Howe",
         {2026, QDate(2026, 7, 15), noon},
         "Australia/Lord_Howe: -10 -30 on 15 July 2026 (in 2026: -11 0, -10 -30 from 5 April, -11 "
         "0 from 4 October)"},
        // Amsterdam Mean Time, 19 minutes 32 seconds east: the hours are -0.
        {"Europe/Amsterdam", {1905, QDate(1905, 7, 1), noon}, "Europe/Amsterdam: -0 -19"},
        {"Asia/Kolkata", {1901, QDate(1901, 1, 1), QTime(0, 0)}, "Asia/Kolkata: -5 -21"},
        // India's war time, an hour ahead of its standard time.
        {"Asia/Kolkata", {1943, QDate(1943, 1, 15), noon}, "Asia/Kolkata: -6 -30"},
        {"Asia/Kolkata", {2025, QDate(2025, 3, 15), noon}, "Asia/Kolkata: -5 -30"},
        {"America/New_York",
         {1950, QDate(1950, 7, 15), noon},
         "America/New_York: 4 0 on 15 July 1950 (in 1950: 5 0, 4 0 from 30 April, 5 0 from 24 "
         "September)"},
        // The oil crisis's daylight time, from 23 February.
        {"America/New_York",
         {1975, QDate(1975, 3, 1), noon},
         "America/New_York: 4 0 on 1 March 1975 (in 1975: 5 0, 4 0 from 23 February, 5 0 from 26 "
         "October)"},
        {"America/New_York",
         {2025, QDate(2025, 3, 15), noon},
         "America/New_York: 4 0 on 15 March 2025 (in 2025: 5 0, 4 0 from 9 March, 5 0 from 2 "
         "November)"},
        {"Nowhere/Nothing",
         {2026, QDate(2026, 1, 1), noon},
         "Nowhere/Nothing: not in this system's time-zone data"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(zoneText(row.zone, zoneNamed(row.zone).get(), row.moment).toStdString(),
                  row.expected)
            << row.zone << " " << row.moment.date.toString().toStdString();
}

// Casablanca's Ramadan dates move every year; what holds is that it keeps
// two offsets, GMT+1 most of the year and GMT in Ramadan.
TEST(ZoneRules, CasablancaShowsBothOfItsOffsets) {
    const std::vector<ZonePeriod> periods = zonePeriods(*zoneNamed("Africa/Casablanca"), 2026);
    ASSERT_GE(periods.size(), 3u) << "no Ramadan change in 2026";
    EXPECT_EQ(periods.front().pair, (ZonePair{-1, 0}));
    bool sawGmt = false;
    for (const ZonePeriod& period : periods)
        sawGmt = sawGmt || period.pair == ZonePair{0, 0};
    EXPECT_TRUE(sawGmt);
}

// The zones are built from the same tzdata that Linux's QTimeZone reads: every
// zone must give its offset just before and at each of its changes, and at
// the first moment, as QTimeZone does there; elsewhere the system's data is
// another, and the database is what makes the answers the same.
TEST(ZoneRules, EveryZoneAgreesWithTheSystemsTzdataAtEveryChange) {
    if (QTimeZone("Asia/Kolkata")
            .offsetFromUtc(QDateTime(QDate(1901, 1, 1), QTime(0, 0), Qt::UTC)) != 19270)
        GTEST_SKIP() << "this system's QTimeZone does not read tzdata's history";
    int zones = 0;
    long long changes = 0;
    for (const QByteArray& name : QTimeZone::availableTimeZoneIds()) {
        const std::shared_ptr<const ZoneHistory> zone = zoneNamed(name.constData());
        const QTimeZone system(name);
        if (!zone) {
            // Qt lists a few names of its own beyond tzdata ("UTC+05:30").
            EXPECT_FALSE(name.contains('/')) << name.toStdString();
            continue;
        }
        ++zones;
        const auto offset = [&](std::chrono::sys_seconds at) {
            return system.offsetFromUtc(
                QDateTime::fromSecsSinceEpoch(at.time_since_epoch().count(), Qt::UTC));
        };
        const std::chrono::sys_seconds start{
            std::chrono::sys_days{std::chrono::year{1901} / 1 / 1}};
        ASSERT_EQ(zone->secondsEastAt(start), offset(start)) << name.toStdString();
        for (const ZoneChange& change : zone->changes) {
            ++changes;
            const auto before = change.at - std::chrono::seconds{1};
            ASSERT_EQ(zone->secondsEastAt(before), offset(before))
                << name.toStdString() << " before " << change.at.time_since_epoch().count();
            ASSERT_EQ(zone->secondsEastAt(change.at), offset(change.at))
                << name.toStdString() << " at " << change.at.time_since_epoch().count();
        }
    }
    EXPECT_GT(zones, 400);
    EXPECT_GT(changes, 10000);
}

// The database built with the program, opened as the program opens it.
class PlacesDatabaseTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        database_ = new PlacesDatabase(QStringLiteral(PLACES_DATABASE));
    }
    static void TearDownTestSuite() { delete database_; }

    static std::string first(const QString& city, const QString& state, const QString& country) {
        const auto found = database_->find({city, state, country}, 20);
        if (!found)
            return "<unusable>";
        if (found->empty())
            return "<none>";
        const Place& place = found->front();
        return place.city + ", " + place.state + ", " + place.country;
    }

    static PlacesDatabase* database_;
};

PlacesDatabase* PlacesDatabaseTest::database_ = nullptr;

TEST_F(PlacesDatabaseTest, FindsPlacesByAnyOfTheirNamesStatesAndCountries) {
    struct Row {
        const char* city;
        const char* state;
        const char* country;
        std::string expected;
    };
    const Row rows[] = {
        {"Pune", "Maharashtra", "India", "Pune, Maharashtra, India"},
        // Old and new names, both ways round.
        {"Bombay", "Maharashtra", "India", "Mumbai, Maharashtra, India"},
        {"Calcutta", "West Bengal", "India", "Kolkata, West Bengal, India"},
        {"Madras", "Tamil Nadu", "India", "Chennai, Tamil Nadu, India"},
        {"Madras", "Oregon", "USA", "Madras, Oregon, United States"},
        {"Bangalore", "Karnataka", "India", "Bengaluru, Karnataka, India"},
        {"Benares", "UP", "India", "Varanasi, Uttar Pradesh, India"},
        {"Poona", "MH", "India", "Pune, Maharashtra, India"},
        // The state typed into the City box too, behind a comma.
        {"Pune, Maharashtra", "Maharashtra", "India", "Pune, Maharashtra, India"},
        {"Baroda", "Gujarat", "India", "Vadodara, Gujarat, India"},
        {"Cochin", "Kerala", "India", "Cochin, Kerala, India"},
        {"Calicut", "Kerala", "India", "Kozhikode, Kerala, India"},
        {"Simla", "HP", "India", "Shimla, Himachal Pradesh, India"},
        {"Trichy", "TN", "India", "Tiruchirappalli, Tamil Nadu, India"},
        {"Vizag", "AP", "India", "Visakhapatnam, Andhra Pradesh, India"},
        {"Thiruvananthapuram", "Kerala", "India", "Thiruvananthapuram, Kerala, India"},
        {"Trivandrum", "Kerala", "India", "Thiruvananthapuram, Kerala, India"},
        {"Gurugram", "Haryana", "India", "Gurgaon, Haryana, India"},
        {"Pondicherry", "Puducherry", "India", "Puducherry, Puducherry, India"},
        {"Mysuru", "Karnataka", "India", "Mysore, Karnataka, India"},
        {"Allahabad", "UP", "India", "Allah\u0101b\u0101d, Uttar Pradesh, India"},
        {"Dehradun", "Uttarakhand", "India", "Dehra D\u016Bn, Uttarakhand, India"},
        // Codes of states and everyday forms of countries.
        {"Portland", "ME", "USA", "Portland, Maine, United States"},
        {"Springfield", "IL", "US", "Springfield, Illinois, United States"},
        {"Kansas City", "KS", "USA", "Kansas City, Kansas, United States"},
        {"Birmingham", "AL", "USA", "Birmingham, Alabama, United States"},
        {"Birmingham", "England", "UK", "Birmingham, England, United Kingdom"},
        {"Cambridge", "MA", "USA", "Cambridge, Massachusetts, United States"},
        {"Aurangabad", "BR", "India", "Aurang\u0101b\u0101d, Bihar, India"},
        {"Hamirpur", "HP", "India", "Ham\u012Brpur, Himachal Pradesh, India"},
        {"Srinagar", "UK", "India", "Sr\u012Bnagar, Uttarakhand, India"},
        {"Dubai", "Dubai", "UAE", "Dubai, Dubai, United Arab Emirates"},
        // The less populous of two: only the country puts it first, by its
        // name or by its code, as the state's older name matches no state.
        {"Hyderabad", "Sind", "Pakistan", "Hyderabad, Sindh, Pakistan"},
        {"Hyderabad", "Sind", "PK", "Hyderabad, Sindh, Pakistan"},
        // Other scripts.
        {"\u092A\u0941\u0923\u0947", "Maharashtra", "India", "Pune, Maharashtra, India"},
        {"\u0B9A\u0BC6\u0BA9\u0BCD\u0BA9\u0BC8", "TN", "India", "Chennai, Tamil Nadu, India"},
        // Places too small for a list of cities.
        {"Singapore", "Singapore", "Singapore", "Singapore, , Singapore"},
        {"Kedarnath", "Uttarakhand", "India", "Ked\u0101rn\u0101th, Uttarakhand, India"},
        {"Hampi", "Karnataka", "India", "Hampi, Karnataka, India"},
        {"Tromso", "Troms", "Norway", "Troms\u00F8, , Norway"},
        // A state or country that matches nothing hides nothing.
        {"Pune", "Atlantis", "Narnia", "Pune, Maharashtra, India"},
        {"Nowhereville Xyzzy", "Nowhere", "Nowhere", "<none>"},
        {" ", " ", " ", "<none>"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(first(QString::fromUtf8(row.city), QString::fromUtf8(row.state),
                        QString::fromUtf8(row.country)),
                  row.expected)
            << row.city << ", " << row.state << ", " << row.country;
}

// Places name their zones as GeoNames does, which tzdata may know by another
// name: every place found carries its zone's offsets.
TEST_F(PlacesDatabaseTest, EveryZoneFoundCarriesItsOffsets) {
    for (const char* city : {"Pune", "Kathmandu", "Yangon", "Ho Chi Minh City", "Kyiv", "Nuuk",
                             "Buenos Aires", "Indianapolis", "Asmara"}) {
        const auto found = database_->find({QString::fromUtf8(city), u"-"_qs, u"-"_qs}, 1);
        ASSERT_TRUE(found && !found->empty()) << city;
        EXPECT_TRUE(found->front().namedZone) << city;
    }
}

TEST_F(PlacesDatabaseTest, TheChosenPlaceComesFirstAmongPlacesOfItsName) {
    const auto all = database_->find({u"Springfield"_qs, u"x"_qs, u"x"_qs}, 20);
    ASSERT_TRUE(all && all->size() > 2);
    const qint64 last = all->back().id;
    const auto chosen = database_->find({u"Springfield"_qs, u"x"_qs, u"x"_qs, last}, 20);
    ASSERT_TRUE(chosen && !chosen->empty());
    EXPECT_EQ(chosen->front().id, last);
}

TEST_F(PlacesDatabaseTest, SuggestsThePlaceMostPeopleMeanFirst) {
    struct Row {
        const char* typed;
        std::string firstName;
    };
    const Row rows[] = {
        {"p", ""},
        {"Pun", "Pune"},
        {"pune", "Pune"},
        {"Bomb", "Mumbai"},
        {"Banga", "Bengaluru"},
        {"\u092A\u0941\u0923", "Pune"},
        {"Dehra", "Dehra D\u016Bn"},
        {"sing", "Singapore"},
        // A whole name, which no longer name begins with.
        {"Kolkata", "Kolkata"},
    };
    for (const Row& row : rows) {
        const auto found = database_->suggest(QString::fromUtf8(row.typed), 10);
        ASSERT_TRUE(found) << row.typed;
        ASSERT_FALSE(found->empty()) << row.typed;
        EXPECT_LE(found->size(), 10u) << row.typed;
        EXPECT_TRUE(row.firstName.empty() || found->front().city == row.firstName)
            << row.typed << " suggests " << found->front().city << " first";
    }
}

// Whatever is typed, the answer is bounded and the database stays usable.
TEST_F(PlacesDatabaseTest, AnyTextGivesABoundedAnswer) {
    const QString texts[] = {
        QString(1 << 20, u'a'),   QString(3, QChar(0xD800)), QString(QChar(0xDFFF)) + u"Pune"_qs,
        u"\u0001\u0002\u001F"_qs, u",.;:-'\"!?()[]{}"_qs,    u"%s%n%x' OR 1=1; --"_qs,
        QString(1000, u'\u0905'),
    };
    for (const QString& text : texts) {
        const auto found = database_->find({text, text, text}, 20);
        ASSERT_TRUE(found);
        EXPECT_LE(found->size(), 20u);
        const auto suggested = database_->suggest(text, 10);
        ASSERT_TRUE(suggested);
        EXPECT_LE(suggested->size(), 10u);
    }
    EXPECT_EQ(first(u"Pune"_qs, u"MH"_qs, u"IN"_qs), "Pune, Maharashtra, India");
}

// What the user's language is must not change what matches.
TEST_F(PlacesDatabaseTest, TheDesktopLanguageChangesNothing) {
    for (const char* language : {"hi_IN", "ta_IN", "en_US"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(language)));
        EXPECT_EQ(first(u"London"_qs, u"England"_qs, u"UK"_qs), "London, England, United Kingdom")
            << language;
        EXPECT_EQ(first(u"Sydney"_qs, u"NSW"_qs, u"Australia"_qs),
                  "Sydney, New South Wales, Australia")
            << language;
        EXPECT_EQ(first(u"Melbourne"_qs, u"Victoria"_qs, u"Australia"_qs),
                  "Melbourne, Victoria, Australia")
            << language;
    }
    QLocale::setDefault(QLocale::c());
}

// Places that users type, against coordinates and zones from references
// independent of GeoNames: the first place found must lie within 0.15° (about
// 9′, a town's size) of the reference and keep its zone.
TEST_F(PlacesDatabaseTest, FindsTheReferencePlaces) {
    QFile file(QStringLiteral(REFERENCE_PLACES));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    struct Tally {
        int rows = 0;
        int found = 0;
        int right = 0;
    };
    std::map<std::string, Tally> groups;
    std::vector<double> errors; // arcminutes, of the places found right
    std::vector<std::string> wrong;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const QStringList fields = line.split(u'\t');
        if (line.startsWith(u'#') || fields.size() != 7 || fields[0] == u"group"_qs)
            continue;
        Tally& tally = groups[fields[0].toStdString()];
        ++tally.rows;
        const auto found = database_->find({fields[1], fields[2], fields[3]}, 20);
        ASSERT_TRUE(found);
        const std::string typed =
            (fields[1] + u", "_qs + fields[2] + u", "_qs + fields[3]).toStdString();
        if (found->empty()) {
            wrong.push_back(typed + ": nothing");
            continue;
        }
        ++tally.found;
        const Place& place = found->front();
        const double placeLatitude =
            (place.LatDegrees + place.LatMinutes / 60.0) * (place.IsSouth ? -1 : 1);
        const double placeLongitude =
            (place.LonDegrees + place.LonMinutes / 60.0) * (place.IsEast ? 1 : -1);
        const std::string zone = place.namedZone ? place.namedZone->name : "no zone";
        const double latitude = fields[4].toDouble();
        const double northError = std::fabs(placeLatitude - latitude);
        const double eastError =
            std::fabs(std::remainder(placeLongitude - fields[5].toDouble(), 360)) *
            std::cos(latitude * std::numbers::pi / 180);
        const double error = std::hypot(northError, eastError);
        if (error <= 0.15 && zone == fields[6].toStdString()) {
            ++tally.right;
            errors.push_back(error * 60);
        } else {
            wrong.push_back(typed + ": " + place.city + ", " + place.state + " (" +
                            std::to_string(error) + "°, " + zone + ")");
        }
    }
    Tally all;
    for (const auto& [group, tally] : groups) {
        std::printf("%-10s %3d places, %3d found, %3d right\n", group.c_str(), tally.rows,
                    tally.found, tally.right);
        all.rows += tally.rows;
        all.found += tally.found;
        all.right += tally.right;
    }
    std::sort(errors.begin(), errors.end());
    std::printf("all        %3d places, %3d found, %3d right; median error %.1f′\n", all.rows,
                all.found, all.right, errors.empty() ? 0.0 : errors[errors.size() / 2]);
    for (const std::string& line : wrong)
        std::printf("  not right: %s\n", line.c_str());
    ASSERT_GE(all.rows, 150);
    EXPECT_GE(all.right * 100, all.rows * 95)
        << "fewer than 95% of the reference places found right";
}

// Copies of the database with one kind of damage each: every one is given
// up, with one line on standard error, and never crashes the search.
class DamagedDatabaseTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        previous_ = qInstallMessageHandler(&DamagedDatabaseTest::note);
        warnings().clear();
    }
    void TearDown() override { qInstallMessageHandler(previous_); }

    QString damaged(const char* name, const std::function<void(QByteArray&)>& damage) {
        QFile original(QStringLiteral(PLACES_DATABASE));
        EXPECT_TRUE(original.open(QIODevice::ReadOnly));
        QByteArray bytes = original.readAll();
        damage(bytes);
        const QString path = folder_.filePath(QString::fromLatin1(name));
        QFile copy(path);
        EXPECT_TRUE(copy.open(QIODevice::WriteOnly));
        copy.write(bytes);
        return path;
    }

    static QStringList& warnings() {
        static QStringList list;
        return list;
    }

    static void note(QtMsgType, const QMessageLogContext& context, const QString& message) {
        if (QLatin1String(context.category) == QLatin1String("horavela.places"))
            warnings().append(message);
    }

    QTemporaryDir folder_;
    QtMessageHandler previous_ = nullptr;
};

TEST_F(DamagedDatabaseTest, EveryDamageIsRefusedOnceWithItsReason) {
    using Damage = std::function<void(QByteArray&)>;
    const auto flip = [](qsizetype at) {
        return Damage([at](QByteArray& bytes) { bytes[at < 0 ? bytes.size() + at : at] ^= 0x10; });
    };
    struct Row {
        const char* name;
        Damage damage;
        const char* reason;
    };
    const Row rows[] = {
        {"flip-header", flip(20), "check does not match"},
        {"flip-check", flip(61), "check does not match"},
        {"unsealed",
         [](QByteArray& bytes) {
             for (std::size_t at = CheckOffset; at < CheckOffset + CheckSize; ++at)
                 bytes[static_cast<qsizetype>(at)] = 0;
         },
         "check does not match"},
        {"flip-application-id", flip(70), "check does not match"},
        {"flip-middle", flip(12'345'679), "check does not match"},
        {"flip-last", flip(-1), "check does not match"},
        {"half", [](QByteArray& bytes) { bytes.truncate(bytes.size() / 2); },
         "check does not match"},
        {"one-page", [](QByteArray& bytes) { bytes.truncate(4096); }, "check does not match"},
        {"fifty-bytes", [](QByteArray& bytes) { bytes.truncate(50); }, "truncated"},
        {"empty", [](QByteArray& bytes) { bytes.clear(); }, "empty"},
        {"text", [](QByteArray& bytes) { bytes = QByteArray(100, 'x'); }, "check does not match"},
    };
    for (const Row& row : rows) {
        warnings().clear();
        PlacesDatabase database(damaged(row.name, row.damage));
        EXPECT_FALSE(database.find({u"Pune"_qs, u"MH"_qs, u"India"_qs}, 20)) << row.name;
        EXPECT_FALSE(database.suggest(u"Pun"_qs, 10)) << row.name;
        ASSERT_EQ(warnings().size(), 1) << row.name;
        EXPECT_TRUE(warnings().front().contains(QLatin1String(row.reason)))
            << row.name << ": " << warnings().front().toStdString();
    }
    warnings().clear();
    PlacesDatabase missing(folder_.filePath(QStringLiteral("missing.sqlite")));
    EXPECT_FALSE(missing.find({u"Pune"_qs, u"MH"_qs, u"India"_qs}, 20));
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_TRUE(warnings().front().contains(QLatin1String("missing")));
}

// A whole copy beside the damaged ones is read, so the damage is what they are refused for.
TEST_F(DamagedDatabaseTest, AWholeCopyIsRead) {
    PlacesDatabase database(damaged("whole", [](QByteArray&) {}));
    const auto found = database.find({u"Pune"_qs, u"MH"_qs, u"India"_qs}, 20);
    ASSERT_TRUE(found && !found->empty());
    EXPECT_EQ(found->front().city, "Pune");
    EXPECT_TRUE(warnings().isEmpty());
}

// A stand-in left in place would answer the next test's searches.
TEST(ScopedGazetteer, StandsInWhileItLivesAndBringsBackTheOneBefore) {
    FakeGazetteer outer({}), middle({}), inner({});
    const ScopedGazetteer usingOuter(outer);
    {
        const ScopedGazetteer usingMiddle(middle);
        {
            const ScopedGazetteer usingInner(inner);
            EXPECT_EQ(&placesGazetteer(), &inner);
        }
        EXPECT_EQ(&placesGazetteer(), &middle);
    }
    EXPECT_EQ(&placesGazetteer(), &outer);
}

// The place found, as "Use This Place" puts it into the form: degrees and
// minutes rounded to the nearest, and the pair its zone gives at the moment.
TEST(PlaceLookup, GivesTheMainWindowsFormOfEachPlace) {
    const Place newYork = listedPlace(1, "New York", "New York", "United States",
                                      "America/New_York", 40.71427, -74.00597);
    const Place sydney = listedPlace(2, "Sydney", "New South Wales", "Australia",
                                     "Australia/Sydney", -33.86785, 151.20732);
    const Place amsterdam = listedPlace(3, "Amsterdam", "North Holland", "Netherlands",
                                        "Europe/Amsterdam", 52.37403, 4.88969);
    struct Row {
        const Place& place;
        QDate date;
        Place expected;
    };
    const Row rows[] = {
        // 19 minutes east, which hours of 0 would read as behind.
        {amsterdam, QDate(1905, 7, 1), {52, 22, false, 4, 53, true, ZoneOffset{-0.0, -19}}},
        {newYork, QDate(2026, 7, 15), {40, 43, false, 74, 0, false, ZoneOffset{4, 0}}},
        {newYork, QDate(2026, 1, 15), {40, 43, false, 74, 0, false, ZoneOffset{5, 0}}},
        {sydney, QDate(2026, 1, 15), {33, 52, true, 151, 12, true, ZoneOffset{-11, 0}}},
        {sydney, QDate(2026, 7, 15), {33, 52, true, 151, 12, true, ZoneOffset{-10, 0}}},
        {sydney, QDate(), {33, 52, true, 151, 12, true, ZoneOffset{-10, 0}}},
    };
    for (const Row& row : rows) {
        const int year = row.date.isValid() ? row.date.year() : 2026;
        ASSERT_TRUE(row.place.namedZone) << row.place.city;
        Place place = row.place;
        // As the zone boxes show the pair and the check reads them back.
        const ZonePair pair = zonePairAt(*place.namedZone, {year, row.date, QTime(12, 0)});
        place.zone =
            readZoneOffset(zoneHoursText(pair).toStdString(), std::to_string(pair.minutes));
        // -0 and 0 hours compare equal; the offset east tells them apart.
        const auto fields = [](const Place& p) {
            return std::tuple(p.LatDegrees, p.LatMinutes, p.IsSouth, p.LonDegrees, p.LonMinutes,
                              p.IsEast, p.zone, p.zone ? p.zone->hoursEast() : 0.0);
        };
        EXPECT_EQ(fields(place), fields(row.expected))
            << row.place.city << " " << row.date.toString().toStdString();
    }
}

} // namespace
} // namespace horavela
