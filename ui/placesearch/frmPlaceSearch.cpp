#include "frmPlaceSearch.h"

#include "PointSize.h"
#include "ProgramVersion.h"
#include "WebSearch.h"
#include "ui_frmPlaceSearch.h"

#include <QLabel>

namespace horavela {

frmPlaceSearch::frmPlaceSearch(const QString& query, std::vector<FoundPlace> places,
                               QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::frmPlaceSearch>()), query_(query) {
    setPointSize(this, TextPoints);
    ui_->setupUi(this);
    setWindowTitle(QString::fromLatin1(ProgramCaption));
    setModal(true);
    // Selectable labels take the focus only on a click; Tab must reach them
    // too, so that their texts can be copied without a mouse.
    for (QLabel* label : {ui_->lblIntro, ui_->lblCredit})
        label->setFocusPolicy(Qt::StrongFocus);
    connect(ui_->cmdWeb, &QPushButton::clicked, this, &frmPlaceSearch::cmdWeb_Click);
    connect(ui_->cmdClose, &QPushButton::clicked, this, &frmPlaceSearch::cmdClose_Click);
    Form_Load(places);
    ui_->lstPlaces->setFocus();
}

frmPlaceSearch::~frmPlaceSearch() = default;

void frmPlaceSearch::Form_Load(const std::vector<FoundPlace>& places) {
    QTableWidget& list = *ui_->lstPlaces;
    list.setRowCount(static_cast<int>(places.size()));
    for (int row = 0; row < list.rowCount(); ++row) {
        const FoundPlace& place = places[static_cast<std::size_t>(row)];
        const QString texts[] = {place.place, place.latitude, place.longitude, place.zone};
        int column = 0;
        for (const QString& text : texts)
            list.setItem(row, column++, new QTableWidgetItem(text));
        // A screen reader on the place hears the whole row, not just its name.
        list.item(row, 0)->setData(
            Qt::AccessibleTextRole,
            QStringLiteral("%1; latitude %2; longitude %3; time zone %4")
                .arg(place.place, place.latitude, place.longitude, place.zone));
    }
    list.resizeColumnsToContents();
    if (list.rowCount() > 0)
        list.setCurrentCell(0, 0);
}

void frmPlaceSearch::cmdWeb_Click() {
    openWebSearch(query_);
}

void frmPlaceSearch::cmdClose_Click() {
    reject();
}

} // namespace horavela
