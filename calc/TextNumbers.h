// Reading typed texts as numbers and dates. Each kind of field has its own reader, and each
// reader its own rule; TextNumbersTest shows them side by side on the same texts.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string_view>

namespace horavela {

// The ASCII digits 0 to 9 and nothing else: digits of other scripts are no digits here.
constexpr bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// The text without blanks and tabs at either end.
std::string_view trimBlanks(std::string_view text);

// Day, year and clock texts. The whole text, blanks and tabs around it ignored, is an optional
// minus and digits ("-5", " 7 "); nothing for anything else ("+5", ".5", "2.", "12abc", "") or
// a number that does not fit an int.
std::optional<int> readWholeNumber(std::string_view text);

// Zone texts. The whole text, blanks and tabs around it ignored, is an optional minus, digits,
// and optionally a point followed by digits ("-5", "5.5", " 7 "); nothing for anything else.
// A plus sign is refused ("+5") because the zone fields count west as positive and a typed "+5"
// most likely means five hours east; ".5" and "2." are refused as half-typed.
std::optional<double> readDecimal(std::string_view text);

// The number at the start of a degree or minute box, which the caller has already trimmed:
// an optional sign, then digits with at most one decimal point, with digits on at least one
// side of it ("+5", ".5", "2.", "12abc" gives 12); no exponent, no separators, always "."
// whatever the locale. A leading blank ends the reading (" 7 " gives nothing). Magnitudes
// saturate at 1e9, far above any limit the boxes are checked against, so no text overflows.
struct NumberPrefix {
    double value = 0;
    std::size_t length = 0; // how many characters the number takes; 0: there is none
};
NumberPrefix readNumberPrefix(std::u16string_view text);

// The date of a month number (1 = January) and the day and year texts; nothing when the texts
// are not whole numbers or the date does not exist.
std::optional<std::chrono::year_month_day> readDate(int month, std::string_view day,
                                                    std::string_view year);

// Whether the day (1 to 31) exists in the month (1 = January) of that year, by the Gregorian
// calendar. The input form's date check and readDate both ask this.
bool isCalendarDate(int year, int month, int day);

} // namespace horavela
