// Finding the city in the query, the degree-and-minute form and the zone
// pairs, without a window.
#include "DegreesMinutes.h"
#include "PlaceMatching.h"
#include "ZoneRules.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace horavela {
namespace {

std::vector<std::string> ranked(const char* query, const std::vector<PlaceNames>& places) {
    std::vector<std::string> names;
    for (std::size_t i : rankPlaces(query, places))
        names.push_back(places[i].name + " (" + places[i].state + ")");
    return names;
}

// The places are the gazetteer's whose name begins with the query's first
// word, most populous first.
TEST(PlaceMatching, FindsTheCityInTheQueryAndRanksByStateAndCountry) {
    const PlaceNames pune{"Pune", "Maharashtra", "India", "IN"};
    const PlaceNames newYork{"New York", "New York", "United States of America", "US"};
    const PlaceNames newOrleans{"New Orleans", "Louisiana", "United States of America", "US"};
    const PlaceNames newDelhi{"New Delhi", "National Capital Territory of Delhi", "India", "IN"};
    const PlaceNames newYorkMills{"New York Mills", "Minnesota", "United States of America", "US"};
    const PlaceNames springfieldMo{"Springfield", "Missouri", "United States of America", "US"};
    const PlaceNames springfieldIl{"Springfield", "Illinois", "United States of America", "US"};
    const PlaceNames birminghamUk{"Birmingham", "England", "United Kingdom", "GB"};
    const PlaceNames birminghamUs{"Birmingham", "Alabama", "United States of America", "US"};
    const PlaceNames tromso{"Troms\u00F8", "Troms og Finnmark", "Norway", "NO"};
    const PlaceNames stJohnsCa{"St. John's", "Newfoundland and Labrador", "Canada", "CA"};
    const PlaceNames stJohnsAg{"St John's", "Saint John", "Antigua and Barbuda", "AG"};
    const PlaceNames buenosAires{"Buenos Aires", "Buenos Aires F.D.", "Argentina", "AR"};
    const std::vector<PlaceNames> news{newYork, newOrleans, newDelhi, newYorkMills};
    struct Row {
        const char* query;
        std::vector<PlaceNames> places;
        std::string firstWord;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"Pune Maharashtra India Latitude Longitude", {pune}, "pune", {"Pune (Maharashtra)"}},
        {"New Delhi Delhi India Latitude Longitude",
         news,
         "new",
         {"New Delhi (National Capital Territory of Delhi)"}},
        {"New York New York United States Latitude Longitude",
         news,
         "new",
         {"New York (New York)"}},
        {"New Nowhere Ohio United States Latitude Longitude", news, "new", {}},
        {"Springfield Illinois United States Latitude Longitude",
         {springfieldMo, springfieldIl},
         "springfield",
         {"Springfield (Illinois)", "Springfield (Missouri)"}},
        {"Birmingham West Midlands United Kingdom Latitude Longitude",
         {birminghamUs, birminghamUk},
         "birmingham",
         {"Birmingham (England)", "Birmingham (Alabama)"}},
        {"Birmingham Alabama USA Latitude Longitude",
         {birminghamUk, birminghamUs},
         "birmingham",
         {"Birmingham (Alabama)", "Birmingham (England)"}},
        {"Tromso Troms Norway Latitude Longitude",
         {tromso},
         "tromso",
         {"Troms\u00F8 (Troms og Finnmark)"}},
        {"St John's NL Canada Latitude Longitude",
         {stJohnsAg, stJohnsCa},
         "st",
         {"St. John's (Newfoundland and Labrador)", "St John's (Saint John)"}},
        {"Buenos Aires Capital Federal Argentina Latitude Longitude",
         {buenosAires},
         "buenos",
         {"Buenos Aires (Buenos Aires F.D.)"}},
        {"  Pune   India Latitude Longitude", {pune}, "pune", {"Pune (Maharashtra)"}},
        {"   Maharashtra India Latitude Longitude", {pune}, "maharashtra", {}},
        {"     Latitude Longitude", {pune}, "", {}},
        {"- Pune India Latitude Longitude", {pune}, "pune", {"Pune (Maharashtra)"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(firstQueryWord(row.query), row.firstWord) << "query: " << row.query;
        EXPECT_EQ(ranked(row.query, row.places), row.expected) << "query: " << row.query;
    }
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
// Sydney from 4 October until 5 April.
TEST(ZoneRules, GivesHoursAndMinutesBehindUniversalTime) {
    struct Row {
        const char* zone;
        std::string expected;
    };
    const Row rows[] = {
        {"Asia/Kolkata", "Asia/Kolkata: -5 -30"},
        {"Asia/Kathmandu", "Asia/Kathmandu: -5 -45"},
        {"America/St_Johns",
         "America/St_Johns: 3 30 standard, 2 30 daylight from 8 March to 1 November"},
        {"America/New_York",
         "America/New_York: 5 0 standard, 4 0 daylight from 8 March to 1 November"},
        {"Pacific/Kiritimati", "Pacific/Kiritimati: -14 0"},
        {"Pacific/Marquesas", "Pacific/Marquesas: 9 30"},
        {"Australia/Sydney",
         "Australia/Sydney: -10 0 standard, -11 0 daylight from 4 October to 5 April"},
        {"Nowhere/Nothing", "Nowhere/Nothing: not in this system's time-zone data"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(zoneText(row.zone, zoneRules(row.zone, 2026)).toStdString(), row.expected);
}

} // namespace
} // namespace horavela
