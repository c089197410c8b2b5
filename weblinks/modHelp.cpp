#include "weblinks/modHelp.h"

#include "SiteHosts.h"
#include "platform/WebBrowser.h"

namespace horavela {

namespace {

QString siteAddress(const char* host, const char* path) {
    return QStringLiteral("http://") + QLatin1String(host) + QLatin1String(path);
}

} // namespace

void OpenOnlineHelp() {
    openWebAddress(siteAddress(ProgramSiteHost, "/horavela-help.html"));
}

void OpenHomePage() {
    openWebAddress(mainSiteAddress());
}

void OpenDownloadPage() {
    openWebAddress(siteAddress(ProgramSiteHost, "/download-horavela.html"));
}

void OpenDonatePage() {
    openWebAddress(siteAddress(HelpSiteHost, "/donate.html"));
}

void OpenCoBrandPage() {
    openWebAddress(siteAddress(HelpSiteHost, "/co-brand.html"));
}

void OpenFullBrandPage() {
    openWebAddress(siteAddress(HelpSiteHost, "/fully-branded.html"));
}

QString mainSiteAddress() {
    return siteAddress(MainSiteHost, "");
}

} // namespace horavela
