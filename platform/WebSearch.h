// The web search for a place's coordinates, opened in the default browser.
#pragma once

#include <QString>

namespace horavela {

// Returns at once; false when the address could not be handed on. The query
// is always percent-encoded, so no typed character can change the address
// around it.
bool openWebSearch(const QString& query);

} // namespace horavela
