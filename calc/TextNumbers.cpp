#include "TextNumbers.h"

#include <charconv>

namespace horavela {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<int> readWholeNumber(std::string_view text) {
    text = trimBlanks(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::chrono::year_month_day> readDate(int month, std::string_view day,
                                                    std::string_view year) {
    const auto dayNumber = readWholeNumber(day);
    const auto yearNumber = readWholeNumber(year);
    if (month < 1 || month > 12 || !dayNumber || *dayNumber < 1 || *dayNumber > 31 || !yearNumber ||
        *yearNumber < static_cast<int>(std::chrono::year::min()) ||
        *yearNumber > static_cast<int>(std::chrono::year::max())) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{*yearNumber},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(*dayNumber)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return date;
}

} // namespace horavela
