// Our stand-in for the outside coordinate-search component: it answers from
// the offline gazetteer in the window frmPlaceSearch, and opens a web search
// for the query when the gazetteer knows no such place or is missing.
#pragma once

#include <QString>
#include <QVariant>

class QWidget;

namespace horavela {

class SiteSearch {
public:
    // The window it opens is modal to `owner`.
    explicit SiteSearch(QWidget* owner) : owner_(owner) {}

    // Returns once the window is closed, or at once after opening the web
    // search; the value tells whether either happened, and callers may ignore
    // it. The site is accepted but not searched: places are found in the
    // gazetteer or on the whole web, not on the maker's pages.
    QVariant Search(QString& query, QString& site);

private:
    QWidget* owner_;
};

} // namespace horavela
