// Writes the whole calculation of a fixed set of randomized checks, one line each, so that the
// output of two builds can be compared byte for byte. Everything here, from the random numbers
// to the digits, is computed by our own code: neither the standard library's distributions nor
// its locale may differ between systems.
// Usage: horavela_crosscheck OUTPUT_FILE [COUNT]
#include "calc/Check.h"
#include "calc/modRahukal.h"

#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace horavela {
namespace {

using namespace std::chrono;

constexpr long DefaultCount = 50000;
constexpr std::uint32_t Seed = 20261207;

// mt19937's raw output is fixed by the standard; this reduction to [0, count) is ours.
class Draw {
public:
    int upTo(int count) {
        return static_cast<int>((std::uint64_t{engine_()} * static_cast<std::uint64_t>(count)) >>
                                32);
    }
    int between(int lowest, int highest) { return lowest + upTo(highest - lowest + 1); }
    bool coin() { return upTo(2) == 1; }

private:
    std::mt19937 engine_{Seed};
};

void appendNumber(std::string& line, long long value, int width = 0) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value < 0 ? -value : value).ptr;
    if (value < 0)
        line += '-';
    for (auto length = end - digits; length < width; ++length)
        line += '0';
    line.append(digits, end);
}

void appendDate(std::string& line, year_month_day date) {
    appendNumber(line, static_cast<int>(date.year()), 4);
    line += '-';
    appendNumber(line, static_cast<unsigned>(date.month()), 2);
    line += '-';
    appendNumber(line, static_cast<unsigned>(date.day()), 2);
}

void appendDateTime(std::string& line, const std::optional<DateTime>& time) {
    line += ' ';
    if (!time) {
        line += "unset";
        return;
    }
    const auto day = floor<days>(*time);
    const hh_mm_ss clock{*time - day};
    appendDate(line, year_month_day{day});
    line += 'T';
    appendNumber(line, clock.hours().count(), 2);
    line += ':';
    appendNumber(line, clock.minutes().count(), 2);
    line += ':';
    appendNumber(line, clock.seconds().count(), 2);
}

std::string_view resultName(SunResult result) {
    switch (result) {
    case SunResult::Ok:
        return "Ok";
    case SunResult::BadInput:
        return "BadInput";
    case SunResult::NoSunrise:
        return "NoSunrise";
    case SunResult::NoSunset:
        return "NoSunset";
    }
    return "Unknown";
}

// One check with random inputs inside what the main window's input checks let through.
std::string wholeCheck(Draw& draw) {
    const year y{draw.between(1901, 2050)};
    const month m{static_cast<unsigned>(draw.between(1, 12))};
    const auto lastDay = static_cast<unsigned>((y / m / last).day());
    const year_month_day chosen{y, m, day{static_cast<unsigned>(draw.between(1, lastDay))}};

    Place place;
    place.LatDegrees = static_cast<std::int16_t>(draw.between(0, 89));
    place.LatMinutes = static_cast<std::int16_t>(draw.between(0, 59));
    place.IsSouth = draw.coin();
    place.LonDegrees = static_cast<std::int16_t>(draw.between(0, 179));
    place.LonMinutes = static_cast<std::int16_t>(draw.between(0, 59));
    place.IsEast = draw.coin();
    // Whole, half and three-quarter hours, both parts with the sign of the whole offset, as the
    // time zone picker writes them.
    const int zoneHours = draw.between(-12, 13);
    const int quarterMinutes[] = {0, 30, 45};
    const int zoneMinutes = (zoneHours < 0 ? -1 : 1) * quarterMinutes[draw.upTo(3)];
    place.zone = ZoneOffset{static_cast<double>(zoneHours), static_cast<double>(zoneMinutes)};
    const int hour = draw.between(0, 23);
    const int minute = draw.between(0, 59);
    const int second = draw.between(0, 59);

    std::string line;
    appendDate(line, chosen);
    line +=
        ' ' + std::to_string(hour) + ':' + std::to_string(minute) + ':' + std::to_string(second);
    line += " lat " + std::to_string(place.LatDegrees) + ' ' + std::to_string(place.LatMinutes) +
            (place.IsSouth ? " S" : " N");
    line += " lon " + std::to_string(place.LonDegrees) + ' ' + std::to_string(place.LonMinutes) +
            (place.IsEast ? " E" : " W");
    line += " zone " + std::to_string(zoneHours) + ' ' + std::to_string(zoneMinutes) + " |";

    CalculationState state;
    const CheckOutcome outcome =
        check(state, place, local_days{chosen} + hours{hour} + minutes{minute} + seconds{second});
    if (outcome.result != SunResult::Ok) {
        line += ' ';
        line += resultName(outcome.result);
        line += ' ';
        appendDate(line, outcome.day);
        return line;
    }
    for (const auto& time :
         {state.PreviousDaySunRise, state.PreviousDaySunSet, state.InputDaySunRise,
          state.InputDaySunSet, state.NextDaySunRise, state.NextDaySunSet})
        appendDateTime(line, time);
    line += " |";
    appendDateTime(line, state.RahukalStart);
    appendDateTime(line, state.RahukalEnd);
    if (!state.RahukalResult)
        line += " none";
    else
        line += state.RahukalResult == Verdict::InRahukal ? " in" : " out";
    return line;
}

} // namespace
} // namespace horavela

int main(int argc, char** argv) {
    long count = horavela::DefaultCount;
    if (argc == 3) {
        const std::string_view text = argv[2];
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
        if (error != std::errc{} || end != text.data() + text.size() || count < 1)
            argc = 0;
    }
    if (argc != 2 && argc != 3) {
        std::fputs("usage: horavela_crosscheck OUTPUT_FILE [COUNT]\n", stderr);
        return 2;
    }
    // Binary, so that Windows writes no carriage returns.
    std::ofstream output(argv[1], std::ios::binary);
    horavela::Draw draw;
    for (long i = 0; i < count; ++i)
        output << horavela::wholeCheck(draw) << '\n';
    output.close();
    if (!output) {
        std::fprintf(stderr, "horavela_crosscheck: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
