// The main window: the input form for one check, with its key filters, the
// checks run before a calculation, and its menus and web links.
#pragma once

#include "calc/CalculationState.h"
#include "calc/Place.h"
#include "calc/modSunRiseSunSet.h"
#include "month/MonthPlace.h"
#include "places/PlaceLookup.h"
#include "places/ZoneRules.h"
#include "platform/MessageBox.h"
#include "ui/main/InputChecks.h"

#include <QByteArray>
#include <QDateTime>
#include <QMainWindow>
#include <QPointer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class frmMain;
}

namespace horavela {

class frmDisplay;
class PlaceSuggestions;

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    // Builds the window, fixed in size and centred on the screen, and runs Form_Load.
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Asked when the user closes this window: true when it took the window into the tray, so
    // that the program runs on. Exit and the program's end never ask.
    void setCloseToTray(std::function<bool()> closeToTray);

signals:
    // The home place was kept or forgotten.
    void homePlaceChanged();
    // The user turned the tray icon on or off; the choice is kept.
    void trayChosen(bool on);
    // New reminder settings were kept.
    void remindersChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void cmdRashi_Click();
    // True when every input check passed; otherwise the user has been told what is wrong.
    bool ValidateInput();
    // Opens the month of the chosen date at the form's place over `over`, once
    // the input checks but the name's have passed.
    void mnuMonth_Click(QWidget* over);

    void lblTZHelp_Click();
    void cmdBrowser_Click();
    void mnuNow_Click();
    // Keeps the form's place as the home place, once the place's input checks have passed.
    void mnuSaveHome_Click();
    void mnuForgetHome_Click();
    // Turns the tray icon on or off; where the desktop has no tray, says so instead.
    void mnuTray_Click(bool on);
    void mnuReminders_Click();
    void mnuAutostart_Click(bool on);
    void mnuLanguage_Click();
    void mnuExit_Click();

private:
    void Form_Load();
    void Form_Unload();
    void fillDateLists();

    void txtLatD_KeyPress(std::int16_t& KeyAscii);
    void txtLatM_KeyPress(std::int16_t& KeyAscii);
    void txtLonD_KeyPress(std::int16_t& KeyAscii);
    void txtLonM_KeyPress(std::int16_t& KeyAscii);
    void txtZoneHour_KeyPress(std::int16_t& KeyAscii);
    void txtZoneMinute_KeyPress(std::int16_t& KeyAscii);
    void txtName_KeyPress(std::int16_t& KeyAscii);

    // The six date and time lists as they stand: their texts, and the month's
    // and the day's positions counted from 1.
    struct DateLists {
        QString month, day, year, hour, minute, second;
        int monthNumber;
        int dayNumber;
    };
    // The one reading of the lists, for the checks, the check and the search alike.
    DateLists dateLists() const;
    // Copies the controls into the calculation state; the place goes to the check.
    Place readInput();
    // The one reading of the place boxes, for the input checks and the check alike.
    PlaceTexts readPlaceBoxes() const;
    // The form's place, its names and its zone, for the month window.
    Place monthPlace() const;
    // monthPlace, or nothing after the check's message when it has no zone: the zone boxes do
    // not read as an offset and no zone is linked.
    std::optional<Place> placeWithZone();
    // The input checks after the name's, in the same order and with the same messages.
    bool validatePlaceAndDate();
    // Of those, the place's alone.
    bool validatePlace();
    // Starts with the home place kept, if any, at the present moment there.
    void startAtHome();
    // The entries that need a home place follow what is kept.
    void enableForgetHome();
    // Says so when the settings could not be written; Forget follows what is kept.
    void homePlaceWritten(bool written);
    PlaceQuery placeQuery() const;
    // The moment chosen in the lists, as the local time of a place found.
    ZoneMoment chosenMoment() const;
    // The present on the wall clock of the form's zone, for Set to Now and the month's today.
    QDateTime presentHere() const;
    // Fills the place boxes with a place found, leaving the checks to the check,
    // and links the zone boxes to its zone.
    void usePlace(const Place& place);
    // While linked, the zone boxes show the linked zone's pair at the chosen moment.
    void followZoneLink();
    // The boxes keep what they show and no longer follow the date.
    void endZoneLink();
    // Sets the six lists to the wall-clock moment, unless its year is not listed.
    void setListsTo(const QDateTime& local);
    bool reportSunFailure(SunResult result, std::chrono::year_month_day day);
    void showResult();
    frmDisplay& resultWindow();

    void applyLook();
    void keepBoxesDark();
    void connectControls();
    void refuseUnlessNumber(std::int16_t& KeyAscii, bool passes);
    // Tells the user, moves the focus to the box at fault and returns false.
    bool refuseInput(QWidget* box, const QString& message,
                     MessageIcon icon = MessageIcon::Critical);
    bool refuseDate();

    std::unique_ptr<Ui::frmMain> ui_;
    std::function<bool()> closeToTray_;
    bool exiting_ = false;
    // The one calculation state of the program: it keeps the last check's values.
    CalculationState state_;
    QPointer<frmDisplay> display_;
    PlaceSuggestions* suggestions_ = nullptr;
    // The zone of the place last used, whose offset the zone boxes follow;
    // null when they do not.
    std::shared_ptr<const ZoneHistory> zoneLink_;
    // Its name as the places give it, which the label and the month's heading show.
    QString zoneLinkName_;
};

} // namespace horavela
