// The web-link openers: each opens one of the maker's pages in the browser.
#pragma once

#include <QString>

namespace horavela {

// Each hands one fixed "http://" address to the default browser, does not
// wait for it and ignores failure.
void OpenOnlineHelp();
void OpenHomePage();
void OpenDownloadPage();
void OpenDonatePage();
void OpenCoBrandPage();
void OpenFullBrandPage();

// The bare address of the maker's main web site, as OpenHomePage opens it.
QString mainSiteAddress();

} // namespace horavela
