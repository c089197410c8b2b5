// Reading the calculation's input texts: whole numbers and calendar dates.
#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace horavela {

// The text without blanks and tabs at either end.
std::string_view trimBlanks(std::string_view text);

// The whole number that the text is, blanks around it ignored; nothing when the text is anything
// else or does not fit an int.
std::optional<int> readWholeNumber(std::string_view text);

// The date of a month number (1 = January) and the day and year texts; nothing when the texts
// are not whole numbers or the date does not exist.
std::optional<std::chrono::year_month_day> readDate(int month, std::string_view day,
                                                    std::string_view year);

} // namespace horavela
