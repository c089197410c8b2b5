#include "calc/TextNumbers.h"

#include <algorithm>
#include <charconv>

namespace horavela {

namespace {

constexpr double Saturation = 1e9;

} // namespace

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<int> readWholeNumber(std::string_view text) {
    text = trimBlanks(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> readDecimal(std::string_view text) {
    text = trimBlanks(text);
    std::size_t i = (!text.empty() && text[0] == '-') ? 1 : 0;
    const std::size_t integerStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i == integerStart)
        return std::nullopt;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i == fractionStart)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

NumberPrefix readNumberPrefix(std::u16string_view text) {
    std::size_t i = 0;
    const std::size_t size = text.size();
    bool negative = false;
    if (i < size && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    double value = 0;
    int digits = 0;
    for (; i < size && isDigit(text[i]); ++i, ++digits)
        value = std::min(value * 10 + (text[i] - u'0'), Saturation);
    if (i < size && text[i] == u'.') {
        std::size_t j = i + 1;
        double scale = 0.1;
        for (; j < size && isDigit(text[j]); ++j, ++digits, scale /= 10)
            value += (text[j] - u'0') * scale;
        if (digits > 0)
            i = j;
    }
    if (digits == 0)
        return {};
    return {negative ? -value : value, i};
}

bool isCalendarDate(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31 ||
        year < static_cast<int>(std::chrono::year::min()) ||
        year > static_cast<int>(std::chrono::year::max()))
        return false;
    return std::chrono::year_month_day{std::chrono::year{year},
                                       std::chrono::month{static_cast<unsigned>(month)},
                                       std::chrono::day{static_cast<unsigned>(day)}}
        .ok();
}

std::optional<std::chrono::year_month_day> readDate(int month, std::string_view day,
                                                    std::string_view year) {
    const auto dayNumber = readWholeNumber(day);
    const auto yearNumber = readWholeNumber(year);
    if (!dayNumber || !yearNumber || !isCalendarDate(*yearNumber, month, *dayNumber))
        return std::nullopt;
    return std::chrono::year_month_day{std::chrono::year{*yearNumber},
                                       std::chrono::month{static_cast<unsigned>(month)},
                                       std::chrono::day{static_cast<unsigned>(*dayNumber)}};
}

} // namespace horavela
