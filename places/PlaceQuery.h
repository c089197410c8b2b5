// A place as the user typed it into the main window, from the click on the
// coordinate search to the places found.
#pragma once

#include <QString>
#include <QtGlobal>

namespace horavela {

struct PlaceQuery {
    QString city;
    QString state;
    QString country;
    // The gazetteer's id of the place last chosen from the City box's
    // suggestions while the three boxes still hold its names; 0 otherwise.
    // That place then comes first, among others of the same name.
    qint64 chosenId = 0;
};

// The text of the web search: the three texts exactly as typed, each
// followed by one space, then "Latitude Longitude".
QString webQueryText(const PlaceQuery& query);

} // namespace horavela
