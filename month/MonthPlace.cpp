#include "month/MonthPlace.h"

#include "places/ZoneRules.h"

#include <QDate>
#include <QTime>

namespace horavela {

namespace {

std::optional<ZoneOffset> zoneOnDay(const MonthPlace& place, std::chrono::year_month_day day) {
    if (place.zoneId.isEmpty())
        return place.place.zone;
    // Noon keeps clear of the changes of offset, which fall in the night.
    const ZoneMoment noon{int(day.year()),
                          QDate(int(day.year()), unsigned(day.month()), unsigned(day.day())),
                          QTime(12, 0)};
    const std::optional<ZonePair> pair = zonePairAt(place.zoneId, noon);
    if (!pair)
        return std::nullopt;
    return zoneOffset(*pair);
}

} // namespace

std::vector<DayPeriods> monthTable(const MonthPlace& place, std::chrono::year_month month) {
    using namespace std::chrono;
    std::vector<DayPeriods> days;
    if (!month.ok())
        return days;
    const unsigned last =
        unsigned(year_month_day_last{month.year(), month_day_last{month.month()}}.day());
    days.reserve(last);
    Place onDay = place.place;
    for (unsigned d = 1; d <= last; ++d) {
        const year_month_day date{month.year(), month.month(), day{d}};
        onDay.zone = zoneOnDay(place, date);
        days.push_back(dayPeriods(onDay, date));
    }
    return days;
}

} // namespace horavela
