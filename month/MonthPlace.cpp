#include "month/MonthPlace.h"

namespace horavela {

std::vector<DayPeriods> monthTable(const Place& place, std::chrono::year_month month) {
    using namespace std::chrono;
    std::vector<DayPeriods> days;
    if (!month.ok())
        return days;
    const unsigned last =
        unsigned(year_month_day_last{month.year(), month_day_last{month.month()}}.day());
    days.reserve(last);
    for (unsigned d = 1; d <= last; ++d)
        days.push_back(dayPeriods(place, year_month_day{month.year(), month.month(), day{d}}));
    return days;
}

} // namespace horavela
