// The places that the coordinate search found, each with its latitude,
// longitude and time zone as the main window takes them; "Use This Place"
// hands the chosen one back to the main window.
#pragma once

#include "places/PlaceLookup.h"
#include "places/ZoneRules.h"

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class frmPlaceSearch;
}

namespace horavela {

class frmPlaceSearch : public QDialog {
    Q_OBJECT

public:
    // Modal to its parent. "Search the Web" searches for the query; zones are
    // shown for the moment chosen in the main window.
    frmPlaceSearch(const PlaceQuery& query, std::vector<Place> places, const ZoneMoment& moment,
                   QWidget* parent);
    ~frmPlaceSearch() override;

    // The place chosen with "Use This Place", a double-click or Enter on a
    // row; nothing when the window was closed.
    const std::optional<Place>& chosenPlace() const { return chosen_; }

private slots:
    void cmdUse_Click();
    void cmdWeb_Click();
    void cmdClose_Click();

private:
    void Form_Load(const ZoneMoment& moment);

    std::unique_ptr<Ui::frmPlaceSearch> ui_;
    PlaceQuery query_;
    std::vector<Place> places_;
    std::optional<Place> chosen_;
};

} // namespace horavela
