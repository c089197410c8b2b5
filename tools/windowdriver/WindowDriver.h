// Drives the program's windows as a user would: finds a named control, fills
// the main window's form, runs a check and reads what the result window shows.
// Every step that cannot be done throws WindowDriverError, saying what was missing.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <stdexcept>

namespace horavela {

class WindowDriverError : public std::runtime_error {
public:
    explicit WindowDriverError(const QString& what) : std::runtime_error(what.toStdString()) {}
};

// The named control of the window.
template <typename T> T* control(const QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        throw WindowDriverError(QStringLiteral("%1 has no %2 named %3")
                                    .arg(window->objectName(),
                                         QLatin1String(T::staticMetaObject.className()),
                                         QLatin1String(name)));
    return found;
}

// A place as typed into the main window: degrees, minutes and hemisphere, and
// the zone as its two boxes hold it (east of Greenwich negative).
struct PlaceEntry {
    const char* latDegrees;
    const char* latMinutes;
    bool south;
    const char* lonDegrees;
    const char* lonMinutes;
    bool east;
    const char* zoneHours;
    const char* zoneMinutes;
};

inline constexpr PlaceEntry GreenwichEquator{"0", "0", false, "0", "0", true, "0", "0"};
inline constexpr PlaceEntry Pune{"18", "31", false, "73", "50", true, "-5", "-30"};

// A moment as chosen from the six lists.
struct MomentEntry {
    int year;
    unsigned month, day;
    int hour, minute, second;
};

void setBoxText(const QWidget* window, const char* box, const QString& text);
// Selects the list's item of that text.
void choose(const QWidget* window, const char* list, const QString& item);
// Selects the row of `number` in a list of numbers that begins at `first`.
void choose(const QWidget* window, const char* list, int number, int first);
// Name, place and moment; the city, state and country boxes are left as they are.
void fillForm(const QWidget* main, const char* name, const PlaceEntry& place,
              const MomentEntry& moment);
void fillSearchPlace(const QWidget* main, const QString& city, const QString& state,
                     const QString& country);

// What every text box, list and option of the window holds, one "name=value" each.
QStringList fieldStates(const QWidget* window);

// The result window on the screen, or nullptr.
QMainWindow* shownResult();
int resultWindowsLoaded();
// Presses "Is the Chosen Period in Rahul Kaal?"; the result window it shows,
// or nullptr when the check was refused.
QMainWindow* runCheck(const QWidget* main);
// The text of a label of the result window on the screen.
QString resultText(const char* label);
// The six sun times of the shown result: day before, chosen day, day after.
QStringList sunTimesShown();
// Presses Back and lets the result window go.
void goBack(QMainWindow* result);

} // namespace horavela
