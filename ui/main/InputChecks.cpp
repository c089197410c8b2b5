#include "InputChecks.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace horavela {

namespace {

// Far above every limit the boxes are checked against, far below overflow.
constexpr double Saturation = 1e9;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

struct NumberPrefix {
    double value = 0;
    qsizetype length = 0; // 0: the text does not start with a number
};

NumberPrefix readNumberPrefix(QStringView text) {
    qsizetype i = 0;
    const qsizetype size = text.size();
    bool negative = false;
    if (i < size && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    double value = 0;
    int digits = 0;
    for (; i < size && isDigit(text[i]); ++i, ++digits)
        value = std::min(value * 10 + (text[i].unicode() - u'0'), Saturation);
    if (i < size && text[i] == u'.') {
        qsizetype j = i + 1;
        double scale = 0.1;
        for (; j < size && isDigit(text[j]); ++j, ++digits, scale /= 10)
            value += (text[j].unicode() - u'0') * scale;
        if (digits > 0)
            i = j;
    }
    if (digits == 0)
        return {};
    return {negative ? -value : value, i};
}

} // namespace

bool isNumberBoxCode(std::int16_t code) {
    return (code >= u'0' && code <= u'9') || code == BackspaceCode;
}

bool isZoneHourBoxCode(std::int16_t code) {
    return isNumberBoxCode(code) || code == u'-';
}

bool isNameBoxCode(std::int16_t code) {
    return (code >= u'A' && code <= u'Z') || (code >= u'a' && code <= u'z') || code == u' ' ||
           code == EnterCode || code == BackspaceCode;
}

std::int16_t toCapital(std::int16_t code) {
    return code >= u'a' && code <= u'z' ? static_cast<std::int16_t>(code - 32) : code;
}

double leadingNumber(QStringView text) {
    return readNumberPrefix(text.trimmed()).value;
}

std::optional<double> wholeNumber(QStringView text) {
    const QStringView trimmed = text.trimmed();
    const NumberPrefix number = readNumberPrefix(trimmed);
    if (number.length == 0 || number.length != trimmed.size())
        return std::nullopt;
    return number.value;
}

std::int16_t roundedNumber(QStringView text) {
    // nearbyint rounds in the default mode, to nearest with halves to even.
    const double rounded = std::nearbyint(leadingNumber(text));
    return static_cast<std::int16_t>(std::clamp<double>(rounded,
                                                        std::numeric_limits<std::int16_t>::min(),
                                                        std::numeric_limits<std::int16_t>::max()));
}

bool degreesWithin(QStringView text, int highest) {
    if (text.trimmed().isEmpty())
        return false;
    const double degrees = leadingNumber(text);
    return degrees >= 0 && degrees <= highest;
}

bool minutesWithin(QStringView text) {
    const std::optional<double> minutes = wholeNumber(text);
    return minutes && *minutes >= 0 && *minutes <= 59;
}

bool dayFitsMonth(int monthIndex, int dayIndex, int year) {
    constexpr int February = 1;
    const bool thirtyDays =
        monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
    if (thirtyDays)
        return dayIndex <= 29;
    if (monthIndex == February)
        return dayIndex <= (year % 4 == 0 ? 28 : 27);
    return true;
}

} // namespace horavela
