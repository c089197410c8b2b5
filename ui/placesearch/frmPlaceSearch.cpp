#include "ui/placesearch/frmPlaceSearch.h"

#include "ProgramVersion.h"
#include "places/DegreesMinutes.h"
#include "platform/FitText.h"
#include "platform/PointSize.h"
#include "platform/WebSearch.h"
#include "ui_frmPlaceSearch.h"

#include <QHeaderView>
#include <QLabel>

namespace horavela {

namespace {

enum Column { PlaceColumn, LatitudeColumn, LongitudeColumn, ZoneColumn };
// Wide enough for the longest degrees and minutes; the place's names and the
// zone wrap within theirs, so the window never has to be widened.
constexpr int PlaceWidth = 210;
constexpr int LatitudeWidth = 80;
constexpr int LongitudeWidth = 90;

} // namespace

frmPlaceSearch::frmPlaceSearch(const PlaceQuery& query, std::vector<Place> places,
                               const ZoneMoment& moment, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::frmPlaceSearch>()), query_(query),
      places_(std::move(places)) {
    setFormFont(this);
    ui_->setupUi(this);
    setWindowTitle(QString::fromLatin1(ProgramCaption));
    setModal(true);
    // Selectable labels take the focus only on a click; Tab must reach them
    // too, so that their texts can be copied without a mouse.
    for (QLabel* label : {ui_->lblIntro, ui_->lblCredit})
        label->setFocusPolicy(Qt::StrongFocus);
    connect(ui_->cmdUse, &QPushButton::clicked, this, &frmPlaceSearch::cmdUse_Click);
    connect(ui_->cmdWeb, &QPushButton::clicked, this, &frmPlaceSearch::cmdWeb_Click);
    connect(ui_->cmdClose, &QPushButton::clicked, this, &frmPlaceSearch::cmdClose_Click);
    // Enter on a row reaches the default button, Use This Place, by itself.
    connect(ui_->lstPlaces, &QTableWidget::cellDoubleClicked, this, &frmPlaceSearch::cmdUse_Click);
    Form_Load(moment);
    fitTranslatedLabels(*this);
    ui_->lstPlaces->setFocus();
}

frmPlaceSearch::~frmPlaceSearch() = default;

void frmPlaceSearch::Form_Load(const ZoneMoment& moment) {
    QTableWidget& list = *ui_->lstPlaces;
    list.setRowCount(static_cast<int>(places_.size()));
    for (int row = 0; row < list.rowCount(); ++row) {
        const Place& place = places_[static_cast<std::size_t>(row)];
        const QString names = namesText(place);
        const QString latitude = angleText(
            DegreesMinutes{place.LatDegrees, place.LatMinutes, place.IsSouth ? 'S' : 'N'});
        const QString longitude =
            angleText(DegreesMinutes{place.LonDegrees, place.LonMinutes, place.IsEast ? 'E' : 'W'});
        const QString zone =
            zoneText(QByteArray::fromStdString(place.zoneName), place.namedZone.get(), moment);
        const QString texts[] = {names, latitude, longitude, zone};
        int column = 0;
        for (const QString& text : texts)
            list.setItem(row, column++, new QTableWidgetItem(text));
        // A screen reader on the place hears the whole row, not just its name.
        list.item(row, PlaceColumn)
            ->setData(Qt::AccessibleTextRole, tr("%1; latitude %2; longitude %3; time zone %4")
                                                  .arg(names, latitude, longitude, zone));
    }
    QHeaderView& header = *list.horizontalHeader();
    header.resizeSection(PlaceColumn, PlaceWidth);
    header.resizeSection(LatitudeColumn, LatitudeWidth);
    header.resizeSection(LongitudeColumn, LongitudeWidth);
    // Wrapped texts need their rows as tall as the columns' final widths make them.
    connect(&header, &QHeaderView::sectionResized, &list, &QTableWidget::resizeRowsToContents);
    list.resizeRowsToContents();
    if (list.rowCount() > 0)
        list.setCurrentCell(0, 0);
}

void frmPlaceSearch::cmdUse_Click() {
    const int row = ui_->lstPlaces->currentRow();
    if (row < 0 || row >= static_cast<int>(places_.size()))
        return;
    chosen_ = places_[static_cast<std::size_t>(row)];
    accept();
}

void frmPlaceSearch::cmdWeb_Click() {
    openWebSearch(webQueryText(query_));
}

void frmPlaceSearch::cmdClose_Click() {
    reject();
}

} // namespace horavela
