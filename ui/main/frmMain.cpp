#include "ui/main/frmMain.h"

#include "ProgramVersion.h"
#include "calc/Check.h"
#include "lifetime/ProgramEnd.h"
#include "platform/Autostart.h"
#include "platform/Clock.h"
#include "platform/FitText.h"
#include "platform/FixedWindow.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/PointSize.h"
#include "ui/language/frmLanguage.h"
#include "ui/main/HomePlace.h"
#include "ui/main/InputChecks.h"
#include "ui/main/KeyPressFilter.h"
#include "ui/main/ZoneLink.h"
#include "ui/month/frmMonth.h"
#include "ui/placesearch/PlaceSuggestions.h"
#include "ui/placesearch/SiteSearch.h"
#include "ui/reminders/frmReminders.h"
#include "ui/result/ResultTexts.h"
#include "ui/result/frmDisplay.h"
#include "ui/timezone/frmTimeZone.h"
#include "ui_frmMain.h"
#include "weblinks/WebLinks.h"
#include "weblinks/modHelp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <tuple>
#include <utility>

namespace horavela {

namespace {

constexpr QSize ClientArea(504, 465);
constexpr double TZHelpPoints = 11.25;
// How far below its label the picker's top edge lies, before the panels around the label.
constexpr int PickerDrop = 40;

// Only the selected option of a pair is a Tab stop. Qt moves the stop only
// when an option takes the focus, so until then both options would be stops.
void keepSelectedOptionTheTabStop(QRadioButton* upper, QRadioButton* lower) {
    const auto settle = [upper, lower] {
        for (QRadioButton* option : {upper, lower})
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    settle();
    QObject::connect(upper, &QAbstractButton::toggled, upper, settle);
}

constexpr int FirstYear = 1901;

// In the language's own digits where it writes numbers so; in English as the
// lists always were, whatever the desktop's formats.
QStringList numbers(int first, int last) {
    QStringList texts;
    texts.reserve(last - first + 1);
    for (int n = first; n <= last; ++n)
        texts.append(localDigits(QString::number(n)));
    return texts;
}

QStringList monthNames() {
    if (languageInUse() == u"en")
        return {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
                QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
                QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
                QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    QStringList names;
    for (int month = 1; month <= 12; ++month)
        names.append(QLocale().standaloneMonthName(month, QLocale::LongFormat));
    return names;
}

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::frmMain>()) {
    // Set before the controls exist, so it does not have to be passed down to each of them.
    setFormFont(this);
    ui_->setupUi(this);
    setWindowTitle(QString::fromLatin1(ProgramCaption));
    applyLook();
    connectControls();
    Form_Load();
}

// The result window belongs to this window's check; it must not outlive it.
frmMain::~frmMain() {
    delete display_.data();
}

void frmMain::applyLook() {
    ui_->menubar->setFont(QApplication::font(ui_->menubar));
    keepBoxesDark();
    setPointSize(ui_->lblTZHelp, TZHelpPoints);
    fixClientAreaAndCentre(*this, ClientArea);
    // After the window's own size, which a translation may make it outgrow.
    fitTranslatedLabels(*this);
    ui_->txtName->setFocus();
}

// The system's own styles, Windows' and macOS's, draw text boxes and lists in
// the system's light colours and ignore the form's dark ones, but keep its
// light text, which cannot be read on them. A style sheet holds them to the
// form's colours; the other styles honour the colours as they are and pay
// nothing for it.
void frmMain::keepBoxesDark() {
    const QString styleName = style()->name();
    if (styleName.compare(u"windowsvista", Qt::CaseInsensitive) != 0 &&
        styleName.compare(u"macos", Qt::CaseInsensitive) != 0)
        return;
    const QPalette& boxes = ui_->Frame6->palette();
    ui_->Frame1->setStyleSheet(
        QStringLiteral("QLineEdit, QComboBox { background-color: %1; color: %2; }")
            .arg(boxes.color(QPalette::Base).name(), boxes.color(QPalette::Text).name()));
}

void frmMain::connectControls() {
    connect(ui_->cmdRashi, &QPushButton::clicked, this, &frmMain::cmdRashi_Click);
    connect(ui_->cmdBrowser, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    connect(ui_->lblTZHelp, &LinkLabel::clicked, this, &frmMain::lblTZHelp_Click);
    connect(ui_->mnuNext, &QAction::triggered, this, &frmMain::cmdRashi_Click);
    connect(ui_->mnuNow, &QAction::triggered, this, &frmMain::mnuNow_Click);
    connect(ui_->mnuMonth, &QAction::triggered, this, [this] { mnuMonth_Click(this); });
    connect(ui_->mnuSaveHome, &QAction::triggered, this, &frmMain::mnuSaveHome_Click);
    connect(ui_->mnuForgetHome, &QAction::triggered, this, &frmMain::mnuForgetHome_Click);
    connect(ui_->mnuTray, &QAction::triggered, this, &frmMain::mnuTray_Click);
    connect(ui_->mnuReminders, &QAction::triggered, this, &frmMain::mnuReminders_Click);
    connect(ui_->mnuAutostart, &QAction::triggered, this, &frmMain::mnuAutostart_Click);
    connect(ui_->mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(ui_->mnuLanguage, &QAction::triggered, this, &frmMain::mnuLanguage_Click);
    connectWebLinks(this, *ui_);

    keepSelectedOptionTheTabStop(ui_->optLat_0, ui_->optLat_1);
    keepSelectedOptionTheTabStop(ui_->optLong_0, ui_->optLong_1);

    installKeyPressFilter(
        ui_->txtLatD, [this](std::int16_t& k) { txtLatD_KeyPress(k); });
    installKeyPressFilter(
        ui_->txtLatM, [this](std::int16_t& k) { txtLatM_KeyPress(k); });
    installKeyPressFilter(
        ui_->txtLonD, [this](std::int16_t& k) { txtLonD_KeyPress(k); });
    installKeyPressFilter(
        ui_->txtLonM, [this](std::int16_t& k) { txtLonM_KeyPress(k); });
    installKeyPressFilter(
        ui_->txtZoneHour, [this](std::int16_t& k) { txtZoneHour_KeyPress(k); });
    installKeyPressFilter(
        ui_->txtZoneMinute, [this](std::int16_t& k) { txtZoneMinute_KeyPress(k); });
    installKeyPressFilter(ui_->txtName, [this](std::int16_t& k) { txtName_KeyPress(k); });
    // Names in Indian scripts are mostly typed through an input method.
    ui_->txtName->setAttribute(Qt::WA_InputMethodEnabled, true);
    suggestions_ = new PlaceSuggestions(*ui_->txtMCity, *ui_->txtMState, *ui_->txtMCountry);

    for (QComboBox* list :
         {ui_->cboMonth, ui_->cboDate, ui_->cboYear, ui_->cboHour, ui_->cboMinute, ui_->cboSecond})
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::followZoneLink);
    // Only what the user types ends the link; the boxes' own writing does not.
    for (QLineEdit* box : {ui_->txtZoneHour, ui_->txtZoneMinute, ui_->txtLatD, ui_->txtLatM,
                           ui_->txtLonD, ui_->txtLonM})
        connect(box, &QLineEdit::textEdited, this, &frmMain::endZoneLink);
}

void frmMain::Form_Load() {
    fillDateLists();
    for (QComboBox* list :
         {ui_->cboMonth, ui_->cboDate, ui_->cboYear, ui_->cboHour, ui_->cboMinute, ui_->cboSecond})
        list->setCurrentIndex(0);
    startAtHome();
}

void frmMain::startAtHome() {
    const KeptHomePlace home = keptHomePlace();
    enableForgetHome();
    if (const auto* fault = std::get_if<HomePlaceFault>(&home)) {
        const QString message =
            *fault == HomePlaceFault::UnreadableSettings
                ? tr("The settings could not be read, so the program starts without the "
                     "home place.")
                : tr("The home place kept in the settings is not a valid place, so the "
                     "program starts without it.");
        // Once the window is on the screen, over it.
        QTimer::singleShot(0, this,
                           [this, message] { showMessage(this, message, MessageIcon::Critical); });
        return;
    }
    const Place* place = std::get_if<Place>(&home);
    if (!place)
        return;
    usePlace(*place);
    if (!place->namedZone && place->zone) {
        ui_->txtZoneHour->setText(zoneBoxText(place->zone->hours));
        ui_->txtZoneMinute->setText(zoneBoxText(place->zone->minutes));
    }
    setListsTo(presentHere());
    // The name is still to be typed.
    ui_->txtName->setFocus();
}

void frmMain::enableForgetHome() {
    const bool kept = isHomePlaceKept();
    ui_->mnuForgetHome->setEnabled(kept);
    // The tray and the reminders speak of the home place: without one they have nothing to say.
    ui_->mnuTray->setEnabled(kept);
    ui_->mnuTray->setChecked(kept && isTrayKeptOn());
    ui_->mnuAutostart->setChecked(startsWithDesktop());
}

// The lists' texts in the language in use; the rows, and so the chosen moment, stay.
void frmMain::fillDateLists() {
    const std::pair<QComboBox*, QStringList> lists[] = {
        {ui_->cboMonth, monthNames()},
        {ui_->cboDate, numbers(1, 31)},
        {ui_->cboYear, numbers(FirstYear, 2050)},
        {ui_->cboHour, numbers(0, 23)},
        {ui_->cboMinute, numbers(0, 59)},
        {ui_->cboSecond, numbers(0, 59)},
    };
    for (const auto& [list, texts] : lists) {
        if (list->count() == 0) {
            list->addItems(texts);
            continue;
        }
        for (int row = 0; row < texts.size(); ++row)
            list->setItemText(row, texts[row]);
    }
}

void frmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        ui_->retranslateUi(this);
        setWindowTitle(QString::fromLatin1(ProgramCaption));
        fillDateLists();
        fitTranslatedLabels(*this);
    }
    QMainWindow::changeEvent(event);
}

void frmMain::setCloseToTray(std::function<bool()> closeToTray) {
    closeToTray_ = std::move(closeToTray);
}

// Closing this window ends the program, unless the program is already ending
// and is closing it as part of that, or the tray takes the window in.
void frmMain::closeEvent(QCloseEvent* event) {
    if (!exiting_ && !isProgramEnding() && closeToTray_ && closeToTray_()) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

// EndProgram deletes this window: nothing may touch it afterwards.
void frmMain::Form_Unload() {
    if (!isProgramEnding())
        EndProgram();
}

void frmMain::cmdRashi_Click() {
    if (!ValidateInput())
        return;
    const Place place = readInput();
    // The input checks let no date through that does not exist.
    const std::optional<DateTime> moment = chosenDateTime(state_);
    if (!moment) {
        refuseDate();
        return;
    }
    // A day without sunrise or sunset would leave no period to show, so the
    // check stops there and says why.
    const CheckOutcome outcome = check(state_, place, *moment);
    if (outcome.result != SunResult::Ok) {
        reportSunFailure(outcome.result, outcome.day);
        return;
    }
    showResult();
}

// The numbers come from the rows, never from the texts, which are in the
// language's own digits and month names.
frmMain::DateLists frmMain::dateLists() const {
    const auto row = [](const QComboBox* list, int first) {
        return QString::number(list->currentIndex() + first);
    };
    return {ui_->cboMonth->currentText(),
            row(ui_->cboDate, 1),
            row(ui_->cboYear, FirstYear),
            row(ui_->cboHour, 0),
            row(ui_->cboMinute, 0),
            row(ui_->cboSecond, 0),
            ui_->cboMonth->currentIndex() + 1,
            ui_->cboDate->currentIndex() + 1};
}

Place frmMain::readInput() {
    const DateLists lists = dateLists();
    state_.MonthText = lists.month.trimmed().toStdString();
    state_.MonthNumber = static_cast<std::int16_t>(lists.monthNumber);
    state_.DayText = lists.day.trimmed().toStdString();
    state_.YearText = lists.year.trimmed().toStdString();
    state_.HourText = lists.hour.toStdString();
    state_.MinuteText = lists.minute.toStdString();
    state_.SecondText = lists.second.toStdString();
    const Place place = placeFromTexts(readPlaceBoxes());
    state_.ChosenDateText =
        chosenDateText(QLocale(), state_.MonthNumber, QString::fromStdString(state_.DayText),
                       QString::fromStdString(state_.YearText))
            .toStdString();
    return place;
}

bool frmMain::reportSunFailure(SunResult result, std::chrono::year_month_day day) {
    if (result == SunResult::BadInput)
        return refuseInput(ui_->txtZoneHour,
                           tr("Please Enter a Number in the Hour and Minute of the Time Zone"));
    const QString dayText = chosenDateText(QLocale(), static_cast<unsigned>(day.month()),
                                           QString::number(static_cast<unsigned>(day.day())),
                                           QString::number(static_cast<int>(day.year())));
    showMessage(this,
                tr("The sun does not rise or does not set at this place on %1, so "
                   "Rahu Kaal cannot be calculated.")
                    .arg(dayText),
                MessageIcon::Information);
    return false;
}

void frmMain::showResult() {
    frmDisplay& display = resultWindow();
    display.writeResult(resultTexts(QLocale(), state_));
    hide();
    display.show();
}

// Writing into the result window loads it, hidden, when Back has unloaded it.
frmDisplay& frmMain::resultWindow() {
    if (!display_ || !display_->isLoaded()) {
        display_ = new frmDisplay(this);
        QPointer<frmDisplay> display = display_;
        connect(display_, &frmDisplay::monthRequested, this, [this, display] {
            if (display)
                mnuMonth_Click(display);
        });
    }
    return *display_;
}

PlaceTexts frmMain::readPlaceBoxes() const {
    return {ui_->txtLatD->text(),     ui_->txtLatM->text(),      ui_->optLat_1->isChecked(),
            ui_->txtLonD->text(),     ui_->txtLonM->text(),      ui_->optLong_0->isChecked(),
            ui_->txtZoneHour->text(), ui_->txtZoneMinute->text()};
}

Place frmMain::monthPlace() const {
    Place place = placeFromTexts(readPlaceBoxes());
    place.namedZone = zoneLink_;
    place.zoneName = zoneLinkName_.toStdString();
    place.city = ui_->txtMCity->text().trimmed().toStdString();
    place.state = ui_->txtMState->text().trimmed().toStdString();
    place.country = ui_->txtMCountry->text().trimmed().toStdString();
    return place;
}

std::optional<Place> frmMain::placeWithZone() {
    Place place = monthPlace();
    if (!place.zone && !place.namedZone) {
        reportSunFailure(SunResult::BadInput, {});
        return std::nullopt;
    }
    return place;
}

bool frmMain::ValidateInput() {
    if (ui_->txtName->text().trimmed().isEmpty())
        return refuseInput(ui_->txtName, tr("Please Enter Name"));
    return validatePlaceAndDate();
}

bool frmMain::validatePlaceAndDate() {
    if (!validatePlace())
        return false;
    const DateLists lists = dateLists();
    if (!dayFitsMonth(lists.monthNumber - 1, lists.dayNumber - 1, lists.year.toInt()))
        return refuseDate();
    return true;
}

bool frmMain::validatePlace() {
    const PlaceTexts place = readPlaceBoxes();
    if (!degreesWithin(place.lonDegrees, 179))
        return refuseInput(ui_->txtLonD,
                           tr("Please Enter Value Between 0 And 179 in the Degree of Longitude"));
    if (!minutesWithin(place.lonMinutes))
        return refuseInput(ui_->txtLonM,
                           tr("Please Enter Value Between 0 And 59 in the  Minute of Longitude"));
    if (!degreesWithin(place.latDegrees, 89))
        return refuseInput(ui_->txtLatD,
                           tr("Please Enter Value Between 0 And 89 in the Degree of Latitude"));
    if (!minutesWithin(place.latMinutes))
        return refuseInput(ui_->txtLatM,
                           tr("Please Enter Value Between 0 And 59 in the  Minute of Latitude"));
    return true;
}

bool frmMain::refuseDate() {
    showMessage(this, tr("Please Enter Correct Date Of Work"), MessageIcon::Information);
    return false;
}

bool frmMain::refuseInput(QWidget* box, const QString& message, MessageIcon icon) {
    showMessage(this, message, icon);
    box->setFocus();
    return false;
}

void frmMain::refuseUnlessNumber(std::int16_t& KeyAscii, bool passes) {
    if (passes)
        return;
    showMessage(this, tr("Only Numbers Are Accepted"), MessageIcon::Critical);
    KeyAscii = 0;
}

void frmMain::txtLatD_KeyPress(std::int16_t& KeyAscii) {
    refuseUnlessNumber(KeyAscii, isNumberBoxCode(KeyAscii));
}

void frmMain::txtLatM_KeyPress(std::int16_t& KeyAscii) {
    refuseUnlessNumber(KeyAscii, isNumberBoxCode(KeyAscii));
}

void frmMain::txtLonD_KeyPress(std::int16_t& KeyAscii) {
    refuseUnlessNumber(KeyAscii, isNumberBoxCode(KeyAscii));
}

void frmMain::txtLonM_KeyPress(std::int16_t& KeyAscii) {
    refuseUnlessNumber(KeyAscii, isNumberBoxCode(KeyAscii));
}

void frmMain::txtZoneHour_KeyPress(std::int16_t& KeyAscii) {
    refuseUnlessNumber(KeyAscii, isZoneHourBoxCode(KeyAscii));
}

void frmMain::txtZoneMinute_KeyPress(std::int16_t& KeyAscii) {
    refuseUnlessNumber(KeyAscii, isNumberBoxCode(KeyAscii));
}

void frmMain::txtName_KeyPress(std::int16_t& KeyAscii) {
    if (!isNameBoxCode(KeyAscii)) {
        showMessage(this, tr("Please Enter only Letters"), MessageIcon::Information);
        KeyAscii = 0;
    }
    KeyAscii = toCapital(KeyAscii);
}

// The sums leave out the panels around the zone box and the window's title and
// menu bars, so the picker opens beside the label and above it; it is not
// kept on the screen.
void frmMain::lblTZHelp_Click() {
    // On the heap behind a guard: a shutdown may delete it while it is open.
    QPointer<frmTimeZone> picker = new frmTimeZone(*ui_->txtZoneHour, *ui_->txtZoneMinute, this);
    const QWidget& band = *ui_->Frame2;
    const QWidget& zone = *ui_->fraZone;
    const QWidget& label = *ui_->lblTZHelp;
    picker->move(x() + zone.x() + label.x() + label.width(), y() + band.y() + band.height() +
                                                                 zone.y() + label.y() +
                                                                 label.height() + PickerDrop);
    // A zone chosen there is the user's own, which the date no longer changes.
    if (picker->exec() == QDialog::Accepted)
        endZoneLink();
    delete picker.data();
}

// Needs none of the check's input: only the place's names, looked up in the
// gazetteer or searched for on the web, and the chosen moment for the zone.
void frmMain::cmdBrowser_Click() {
    const PlaceQuery query = placeQuery();
    // A text of spaces counts as entered.
    const std::tuple<QLineEdit*, const QString*, QString> places[] = {
        {ui_->txtMCity, &query.city, tr("Please Enter City")},
        {ui_->txtMState, &query.state, tr("Please Enter State")},
        {ui_->txtMCountry, &query.country, tr("Please Enter Country")},
    };
    for (const auto& [box, text, message] : places) {
        if (text->isEmpty()) {
            refuseInput(box, message, MessageIcon::Information);
            return;
        }
    }
    SiteSearch search(this);
    if (const std::optional<Place> chosen = search.Search(query, mainSiteAddress(), chosenMoment()))
        usePlace(*chosen);
}

PlaceQuery frmMain::placeQuery() const {
    return {ui_->txtMCity->text(), ui_->txtMState->text(), ui_->txtMCountry->text(),
            suggestions_->chosenId()};
}

ZoneMoment frmMain::chosenMoment() const {
    const DateLists lists = dateLists();
    const int year = lists.year.toInt();
    return {year, QDate(year, lists.monthNumber, lists.dayNumber),
            QTime(lists.hour.toInt(), lists.minute.toInt(), lists.second.toInt())};
}

void frmMain::usePlace(const Place& place) {
    const std::pair<QLineEdit*, QString> texts[] = {
        {ui_->txtMCity, QString::fromStdString(place.city)},
        // A place without a state keeps the state typed, which the search asked for.
        {ui_->txtMState,
         place.state.empty() ? ui_->txtMState->text() : QString::fromStdString(place.state)},
        {ui_->txtMCountry, QString::fromStdString(place.country)},
        {ui_->txtLatD, QString::number(place.LatDegrees)},
        {ui_->txtLatM, QString::number(place.LatMinutes)},
        {ui_->txtLonD, QString::number(place.LonDegrees)},
        {ui_->txtLonM, QString::number(place.LonMinutes)},
    };
    for (const auto& [box, text] : texts)
        box->setText(text.left(box->maxLength()));
    (place.IsSouth ? ui_->optLat_1 : ui_->optLat_0)->setChecked(true);
    (place.IsEast ? ui_->optLong_0 : ui_->optLong_1)->setChecked(true);
    // A zone the places lack leaves the boxes empty for the user, and nothing
    // to follow.
    zoneLink_ = place.namedZone;
    zoneLinkName_ = zoneLink_ ? QString::fromStdString(place.zoneName) : QString();
    showZoneName(*ui_->lblZoneName, zoneLinkName_);
    const auto [hours, minutes] = linkedZoneTexts(zoneLink_.get(), chosenMoment());
    ui_->txtZoneHour->setText(hours);
    ui_->txtZoneMinute->setText(minutes);
    ui_->cmdRashi->setFocus();
}

void frmMain::followZoneLink() {
    if (!zoneLink_)
        return;
    const auto [hours, minutes] = linkedZoneTexts(zoneLink_.get(), chosenMoment());
    ui_->txtZoneHour->setText(hours);
    ui_->txtZoneMinute->setText(minutes);
}

void frmMain::endZoneLink() {
    zoneLink_.reset();
    zoneLinkName_.clear();
    showZoneName(*ui_->lblZoneName, QString());
}

QDateTime frmMain::presentHere() const {
    return presentInFormZone(currentUtc(), zoneLink_.get(),
                             readZoneOffset(ui_->txtZoneHour->text().toStdString(),
                                            ui_->txtZoneMinute->text().toStdString()));
}

void frmMain::mnuNow_Click() {
    setListsTo(presentHere());
}

void frmMain::setListsTo(const QDateTime& local) {
    const QDate date = local.date();
    const QTime time = local.time();
    const int yearRow = date.year() - FirstYear;
    if (yearRow < 0 || yearRow >= ui_->cboYear->count()) {
        const QString year = localDigits(QString::number(date.year()));
        showMessage(this,
                    tr("This year, %1, is not in the Year list (%2 to %3), so the "
                       "date and time are left as they were.")
                        .arg(year, ui_->cboYear->itemText(0),
                             ui_->cboYear->itemText(ui_->cboYear->count() - 1)),
                    MessageIcon::Information);
        return;
    }
    // Each change re-derives a linked zone; the last, with the whole moment set, stands.
    ui_->cboYear->setCurrentIndex(yearRow);
    ui_->cboMonth->setCurrentIndex(date.month() - 1);
    ui_->cboDate->setCurrentIndex(date.day() - 1);
    ui_->cboHour->setCurrentIndex(time.hour());
    ui_->cboMinute->setCurrentIndex(time.minute());
    ui_->cboSecond->setCurrentIndex(time.second());
}

// A month needs no name, but the place and the date as a check does; a zone
// the boxes do not hold as a number is refused as the check refuses it.
void frmMain::mnuMonth_Click(QWidget* over) {
    if (!validatePlaceAndDate())
        return;
    const std::optional<Place> place = placeWithZone();
    if (!place)
        return;
    const DateLists lists = dateLists();
    const std::chrono::year_month_day chosen{std::chrono::year{lists.year.toInt()},
                                             std::chrono::month(unsigned(lists.monthNumber)),
                                             std::chrono::day(unsigned(lists.dayNumber))};
    // On the heap behind a guard: a shutdown may delete it while it is open.
    QPointer<frmMonth> month = new frmMonth(*place, chosen, presentHere().date(), over);
    month->exec();
    delete month.data();
}

// A zone the boxes do not hold as a number is refused as the check refuses it.
void frmMain::mnuSaveHome_Click() {
    if (!validatePlace())
        return;
    if (const std::optional<Place> place = placeWithZone())
        homePlaceWritten(keepHomePlace(*place));
}

void frmMain::mnuForgetHome_Click() {
    homePlaceWritten(forgetHomePlace());
}

void frmMain::homePlaceWritten(bool written) {
    if (!written)
        showMessage(this, tr("The settings could not be written, so the home place is as it was."),
                    MessageIcon::Critical);
    enableForgetHome();
    emit homePlaceChanged();
}

void frmMain::mnuTray_Click(bool on) {
    if (on && !QSystemTrayIcon::isSystemTrayAvailable()) {
        ui_->mnuTray->setChecked(false);
        showMessage(this,
                    tr("This desktop has no system tray, so Horavela cannot show its icon there. "
                       "Reminders still come while Horavela is open."),
                    MessageIcon::Information);
        return;
    }
    if (!keepTrayOn(on)) {
        ui_->mnuTray->setChecked(!on);
        showMessage(this, tr("The settings could not be written, so the tray icon is as it was."),
                    MessageIcon::Critical);
        return;
    }
    emit trayChosen(on);
}

void frmMain::mnuLanguage_Click() {
    // On the heap behind a guard: a shutdown may delete it while it is open.
    QPointer<frmLanguage> languages = new frmLanguage(this);
    languages->exec();
    delete languages.data();
}

void frmMain::mnuReminders_Click() {
    showRemindersWindow(
        this, [this](const ReminderSettings&) { emit remindersChanged(); });
}

void frmMain::mnuAutostart_Click(bool on) {
    if (setStartWithDesktop(on, QCoreApplication::applicationFilePath()))
        return;
    ui_->mnuAutostart->setChecked(startsWithDesktop());
    showMessage(this, tr("The desktop's list of programs to start could not be changed."),
                MessageIcon::Critical);
}

// Exit ends the program even while the tray would take the window in.
void frmMain::mnuExit_Click() {
    exiting_ = true;
    close();
}

} // namespace horavela
