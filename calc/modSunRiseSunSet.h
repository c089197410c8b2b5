// Sunrise and sunset of one date at one place, in the zone the user typed, to the minute.
#pragma once

#include "calc/CalculationState.h"
#include "calc/Place.h"

#include <chrono>
#include <cstdint>
#include <string_view>

namespace horavela {

enum class SunResult {
    Ok,
    BadInput,  // a zone text is not a plain decimal number, or the date does not exist
    NoSunrise, // the sun stays above or below the horizon all day
    NoSunset,  // the sunrise was found and stored, the sunset was not
};

// Writes the sunrise into SunTimes[0] and then the sunset into SunTimes[1], each on the given
// date. On BadInput neither entry changes; on NoSunrise neither entry changes; on NoSunset the
// sunrise of this run stays stored and the sunset entry keeps its earlier value.
// A date that is not ok(), or a place without a zone, is BadInput.
SunResult sunRiseSunSetAt(CalculationState& state, std::chrono::year_month_day date,
                          const Place& place);

// For a day that sunRiseSunSetAt found no sunrise or no sunset in (result): whether the sun stays
// above the horizon through the event not found, rather than below it. False for any other result.
bool sunStaysUp(std::chrono::year_month_day date, const Place& place, SunResult result);

// sunRiseSunSetAt for the date that the month number and the day and year texts name; day and
// year are whole numbers, blanks around them ignored. BadInput when they name no date. Zone hours
// and minutes are read by readZoneOffset: plain decimal numbers ("-5", "5.5"), blanks around
// each text ignored, hours west of Greenwich positive, the sign of the minutes ignored.
SunResult ComputeSunRiseSunSet(CalculationState& state, int month, std::string_view day,
                               std::string_view year, std::int16_t LatDegrees,
                               std::int16_t LatMinutes, bool IsSouth, std::int16_t LonDegrees,
                               std::int16_t LonMinutes, bool IsEast, std::string_view zoneHours,
                               std::string_view zoneMinutes);

} // namespace horavela
