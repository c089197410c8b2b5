#include "tools/windowdriver/WindowDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace horavela {

void setBoxText(const QWidget* window, const char* box, const QString& text) {
    control<QLineEdit>(window, box)->setText(text);
}

void choose(const QWidget* window, const char* list, const QString& item) {
    auto* combo = control<QComboBox>(window, list);
    const int index = combo->findText(item);
    if (index < 0)
        throw WindowDriverError(QLatin1String(list) + QStringLiteral(" offers no ") + item);
    combo->setCurrentIndex(index);
}

// The lists write numbers in the language's own digits; their rows count from
// the first number, so a row is found by its number whatever the language.
void choose(const QWidget* window, const char* list, int number, int first) {
    auto* combo = control<QComboBox>(window, list);
    const int index = number - first;
    if (index < 0 || index >= combo->count())
        throw WindowDriverError(QLatin1String(list) + QStringLiteral(" offers no ") +
                                QString::number(number));
    combo->setCurrentIndex(index);
}

void fillForm(const QWidget* main, const char* name, const PlaceEntry& place,
              const MomentEntry& moment) {
    setBoxText(main, "txtName", QString::fromUtf8(name));
    setBoxText(main, "txtLatD", QString::fromUtf8(place.latDegrees));
    setBoxText(main, "txtLatM", QString::fromUtf8(place.latMinutes));
    control<QRadioButton>(main, place.south ? "optLat_1" : "optLat_0")->setChecked(true);
    setBoxText(main, "txtLonD", QString::fromUtf8(place.lonDegrees));
    setBoxText(main, "txtLonM", QString::fromUtf8(place.lonMinutes));
    control<QRadioButton>(main, place.east ? "optLong_0" : "optLong_1")->setChecked(true);
    setBoxText(main, "txtZoneHour", QString::fromUtf8(place.zoneHours));
    setBoxText(main, "txtZoneMinute", QString::fromUtf8(place.zoneMinutes));
    // Month names follow the user's language; the list holds them in calendar order.
    auto* months = control<QComboBox>(main, "cboMonth");
    if (moment.month < 1 || int(moment.month) > months->count())
        throw WindowDriverError(QStringLiteral("cboMonth has no month %1").arg(moment.month));
    months->setCurrentIndex(int(moment.month) - 1);
    choose(main, "cboDate", int(moment.day), 1);
    choose(main, "cboYear", moment.year, 1901);
    choose(main, "cboHour", moment.hour, 0);
    choose(main, "cboMinute", moment.minute, 0);
    choose(main, "cboSecond", moment.second, 0);
}

void fillSearchPlace(const QWidget* main, const QString& city, const QString& state,
                     const QString& country) {
    setBoxText(main, "txtMCity", city);
    setBoxText(main, "txtMState", state);
    setBoxText(main, "txtMCountry", country);
}

QStringList fieldStates(const QWidget* window) {
    QStringList texts;
    for (auto* edit : window->findChildren<QLineEdit*>())
        texts << edit->objectName() + u'=' + edit->text();
    for (auto* list : window->findChildren<QComboBox*>())
        texts << list->objectName() + u'=' + list->currentText();
    for (auto* option : window->findChildren<QRadioButton*>())
        texts << option->objectName() + u'=' + QString::number(option->isChecked());
    return texts;
}

QMainWindow* shownResult() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("frmDisplay") && window->isVisible())
            return qobject_cast<QMainWindow*>(window);
    return nullptr;
}

int resultWindowsLoaded() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += window->objectName() == QLatin1String("frmDisplay");
    return count;
}

QMainWindow* runCheck(const QWidget* main) {
    control<QAbstractButton>(main, "cmdRashi")->click();
    return shownResult();
}

QString resultText(const char* label) {
    const QMainWindow* result = shownResult();
    if (!result)
        throw WindowDriverError(QStringLiteral("no result window is shown"));
    return control<QLabel>(result, label)->text();
}

QStringList sunTimesShown() {
    QStringList texts;
    for (const char* label :
         {"lblPreviousDaySunRiseTime", "lblPreviousDaySunSetTime", "lblInputDaySunRiseTime",
          "lblInputDaySunSetTime", "lblNextDaySunRiseTime", "lblNextDaySunSetTime"})
        texts << resultText(label);
    return texts;
}

// Back unloads the window with deleteLater; the next check must not find it.
void goBack(QMainWindow* result) {
    control<QAbstractButton>(result, "cmdOK")->click();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace horavela
