// Our stand-in for the outside coordinate-search component: a web search for
// the query text, opened in the user's default browser.
#pragma once

#include <QString>
#include <QVariant>

namespace horavela {

class SiteSearch {
public:
    // Opens the search and returns at once; the value tells whether the
    // address was handed on, and callers may ignore it. The query is always
    // percent-encoded, so no typed character can change the address around
    // it. The site is accepted but not searched: coordinates are found on the
    // whole web, not on the maker's pages.
    QVariant Search(QString& query, QString& site);
};

} // namespace horavela
