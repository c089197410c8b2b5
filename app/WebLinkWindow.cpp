#include "WebLinkWindow.h"

#include "frmAbout.h"
#include "modHelp.h"

namespace horavela {

void WebLinkWindow::Label61_Click() {
    OpenHomePage();
}

void WebLinkWindow::lblFullBrand_Click() {
    OpenFullBrandPage();
}

void WebLinkWindow::lblCobrand_Click() {
    OpenCoBrandPage();
}

void WebLinkWindow::mnuOnline_Click() {
    OpenOnlineHelp();
}

void WebLinkWindow::mnuVisit_Click() {
    OpenHomePage();
}

void WebLinkWindow::mnuUpdate_Click() {
    OpenDownloadPage();
}

void WebLinkWindow::mnuAbout_Click() {
    showAboutWindow(this);
}

void WebLinkWindow::mnuDonate_Click() {
    OpenDonatePage();
}

// The entry stays switched off; this is what it would do.
void WebLinkWindow::mkmoney_Click() {
    OpenFullBrandPage();
}

} // namespace horavela
