// The rules behind the main window's input checks: which typed character codes
// each kind of box lets through, how the degree and minute boxes are read as
// numbers, and which days a month has.
#pragma once

#include "calc/Place.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace horavela {

// Key codes as the key filters see them: typed characters by their 16-bit
// code, plus these keys and the control codes of Ctrl+letter.
inline constexpr std::int16_t BackspaceCode = 8;
inline constexpr std::int16_t EnterCode = 13;
inline constexpr std::int16_t EscapeCode = 27;

// Degree and minute boxes, and the zone minutes: digits and Backspace.
bool isNumberBoxCode(std::int16_t code);
// Zone hours: as a number box, and "-" anywhere.
bool isZoneHourBoxCode(std::int16_t code);
// Name: letters of any script with their marks, space, Enter and Backspace.
bool isNameBoxCode(std::int16_t code);
// Small letters become capitals where the script has them; every other code
// stays as it is.
std::int16_t toCapital(std::int16_t code);

// A number here is what readNumberPrefix (TextNumbers.h) reads: an optional
// sign, then digits with at most one decimal point ("7", "+3", "-5", "1.5",
// ".5", "2."). Blanks around the text are ignored by both readings.
//
// The number at the start of the text ("12abc" gives 12), 0 when there is none.
double leadingNumber(QStringView text);
// The number when the whole text is one ("5x" gives nothing).
std::optional<double> wholeNumber(QStringView text);

// The leading number rounded to a whole number, a half going to the even
// neighbour ("2.5" gives 2), held within the 16-bit range.
std::int16_t roundedNumber(QStringView text);

// Degree boxes: not blank, and the leading number from 0 to highest.
bool degreesWithin(QStringView text, int highest);
// Minute boxes: a whole number from 0 to 59.
bool minutesWithin(QStringView text);

// The main window's place boxes as typed.
struct PlaceTexts {
    QString latDegrees;
    QString latMinutes;
    bool isSouth = false;
    QString lonDegrees;
    QString lonMinutes;
    bool isEast = true;
    QString zoneHours;
    QString zoneMinutes;
};

// The place the boxes name, read as leniently as the input checks read them,
// so that a value that passed them is the value used.
Place placeFromTexts(const PlaceTexts& texts);

// Positions count from 0 (January, the 1st); the calendar is readDate's.
bool dayFitsMonth(int monthIndex, int dayIndex, int year);

} // namespace horavela
