#include "ui/main/InputChecks.h"

#include "calc/TextNumbers.h"

#include <QChar>
#include <algorithm>
#include <cmath>
#include <limits>

namespace horavela {

namespace {

// Qt's text is UTF-16 already; the reader needs no copy of it.
NumberPrefix numberAtStart(QStringView text) {
    return readNumberPrefix(std::u16string_view(text.utf16(), size_t(text.size())));
}

} // namespace

bool isNumberBoxCode(std::int16_t code) {
    return isDigit(code) || code == BackspaceCode;
}

bool isZoneHourBoxCode(std::int16_t code) {
    return isNumberBoxCode(code) || code == u'-';
}

// A name in Tamil or Devanagari is letters too, with the vowel signs and
// viramas that join them, which Unicode counts as marks.
bool isNameBoxCode(std::int16_t code) {
    const QChar c(static_cast<char16_t>(code));
    return c.isLetter() || c.isMark() || code == u' ' || code == EnterCode || code == BackspaceCode;
}

// Scripts without capitals keep their letters as they are.
std::int16_t toCapital(std::int16_t code) {
    const QChar c(static_cast<char16_t>(code));
    const QChar capital = c.toUpper();
    return c.isLower() && !capital.isSurrogate() ? static_cast<std::int16_t>(capital.unicode())
                                                 : code;
}

double leadingNumber(QStringView text) {
    return numberAtStart(text.trimmed()).value;
}

std::optional<double> wholeNumber(QStringView text) {
    const QStringView trimmed = text.trimmed();
    const NumberPrefix number = numberAtStart(trimmed);
    if (number.length == 0 || number.length != size_t(trimmed.size()))
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

Place placeFromTexts(const PlaceTexts& texts) {
    return {roundedNumber(texts.latDegrees),
            roundedNumber(texts.latMinutes),
            texts.isSouth,
            roundedNumber(texts.lonDegrees),
            roundedNumber(texts.lonMinutes),
            texts.isEast,
            readZoneOffset(texts.zoneHours.toStdString(), texts.zoneMinutes.toStdString())};
}

bool dayFitsMonth(int monthIndex, int dayIndex, int year) {
    return isCalendarDate(year, monthIndex + 1, dayIndex + 1);
}

} // namespace horavela
