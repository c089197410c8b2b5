#include "calc/ZoneHistory.h"

#include <algorithm>

namespace horavela {

using namespace std::chrono;

namespace {

// The universal moment of a local time read with an offset.
sys_seconds universal(DateTime local, std::int32_t secondsEast) {
    return sys_seconds{local.time_since_epoch() - seconds{secondsEast}};
}

} // namespace

std::int32_t ZoneHistory::secondsEastAt(sys_seconds moment) const {
    const auto after =
        std::upper_bound(changes.begin(), changes.end(), moment,
                         [](sys_seconds at, const ZoneChange& change) { return at < change.at; });
    return after == changes.begin() ? firstSecondsEast : std::prev(after)->secondsEast;
}

std::int32_t ZoneHistory::secondsEastAtLocal(DateTime local) const {
    // Read with the offset before a change near the moment, then with the one after: the first
    // that names a moment where it is in force is the local time's. Changes are hours apart, so
    // a day either side covers every candidate.
    const sys_seconds rough = universal(local, 0);
    const std::int32_t before = secondsEastAt(rough - days{1});
    const std::int32_t after = secondsEastAt(rough + days{1});
    for (const std::int32_t offset : {before, after, secondsEastAt(rough)})
        if (secondsEastAt(universal(local, offset)) == offset)
            return offset;
    return before;
}

bool ZoneHistory::dayHappened(year_month_day date) const {
    const local_seconds start{local_days{date}};
    const local_seconds end = start + days{1};
    // The day happened when some stretch of one offset shows a clock time within it.
    sys_seconds from = universal(start, 0) - days{2};
    const sys_seconds until = universal(end, 0) + days{2};
    auto change =
        std::upper_bound(changes.begin(), changes.end(), from,
                         [](sys_seconds at, const ZoneChange& change) { return at < change.at; });
    std::int32_t offset = secondsEastAt(from);
    while (from < until) {
        const sys_seconds to = change == changes.end() ? until : std::min(until, change->at);
        const local_seconds shownFrom{from.time_since_epoch() + seconds{offset}};
        const local_seconds shownTo{to.time_since_epoch() + seconds{offset}};
        if (shownFrom < end && shownTo > start)
            return true;
        if (change == changes.end())
            break;
        from = change->at;
        offset = change->secondsEast;
        ++change;
    }
    return false;
}

} // namespace horavela
