// The places that the coordinate search found, each with its latitude,
// longitude and time zone as the main window takes them. It writes nothing
// into the main window: the user types what it shows.
#pragma once

#include "PlaceLookup.h"

#include <QDialog>
#include <memory>
#include <vector>

namespace Ui {
class frmPlaceSearch;
}

namespace horavela {

class frmPlaceSearch : public QDialog {
    Q_OBJECT

public:
    // Modal to its parent. "Search the Web" searches for `query`.
    frmPlaceSearch(const QString& query, std::vector<FoundPlace> places, QWidget* parent);
    ~frmPlaceSearch() override;

private slots:
    void cmdWeb_Click();
    void cmdClose_Click();

private:
    void Form_Load(const std::vector<FoundPlace>& places);

    std::unique_ptr<Ui::frmPlaceSearch> ui_;
    QString query_;
};

} // namespace horavela
