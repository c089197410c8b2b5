// Building date-times by their parts and printing them in failure messages.
#pragma once

#include "calc/CalculationState.h"
#include "calc/NowAndNext.h"

#include <chrono>
#include <optional>
#include <string>

namespace horavela {

inline DateTime at(int year, unsigned month, unsigned day, int hour = 0, int minute = 0,
                   int second = 0) {
    using namespace std::chrono;
    return local_days{std::chrono::year{year} / month / day} + hours{hour} + minutes{minute} +
           seconds{second};
}

inline std::string text(const std::optional<DateTime>& time) {
    if (!time)
        return "unset";
    using namespace std::chrono;
    const auto day = floor<days>(*time);
    const year_month_day date{day};
    const hh_mm_ss clock{*time - day};
    return std::to_string(static_cast<int>(date.year())) + "-" +
           std::to_string(static_cast<unsigned>(date.month())) + "-" +
           std::to_string(static_cast<unsigned>(date.day())) + " " +
           std::to_string(clock.hours().count()) + ":" + std::to_string(clock.minutes().count()) +
           ":" + std::to_string(clock.seconds().count());
}

// "Rahu 2026-12-8 15:12:0 to 2026-12-8 16:34:59", "... tomorrow" where it is, or "none".
inline std::string shown(const std::optional<PeriodAt>& at) {
    if (!at)
        return "none";
    const char* names[] = {"Rahu", "Yamaganda", "Gulika"};
    return std::string(names[std::size_t(at->period)]) + " " + text(at->span.start) + " to " +
           text(at->span.end) + (at->tomorrow ? " tomorrow" : "");
}

} // namespace horavela
