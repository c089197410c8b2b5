// Hands a web address to the user's default browser.
#pragma once

#include <QString>

namespace horavela {

// Does not wait for the browser; a browser that fails to open is not reported.
void openWebAddress(const QString& address);

} // namespace horavela
