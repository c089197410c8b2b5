#include "modHelp.h"

#include "SingleInstance.h"
#include "SiteHosts.h"
#include "WebBrowser.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace horavela {

namespace {

QString siteAddress(const char* host, const char* path) {
    return QStringLiteral("http://") + QLatin1String(host) + QLatin1String(path);
}

// The process ends here and now: no destructor of a window or of the
// application object runs, so no further event of any window is handled.
void endProcess() {
    releaseSingleInstance();
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

bool ending = false;
std::function<void()> processEnd = endProcess;

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

void EndProgram() {
    if (ending)
        return;
    ending = true;

    // Each window is closed, which runs its unload handler, and then deleted.
    // The deletion is deferred: a window whose own handler started the
    // shutdown is still running that handler. The process ends before the
    // deletions come due; a guard skips windows an unload handler deleted.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget>& window : windows) {
        if (window.isNull())
            continue;
        try {
            window->close();
            if (!window.isNull())
                window->deleteLater();
        } catch (...) {
        }
    }

    processEnd();
}

bool isProgramEnding() {
    return ending;
}

void setProgramEndForTesting(std::function<void()> endProcess) {
    processEnd = std::move(endProcess);
    ending = false;
}

} // namespace horavela
