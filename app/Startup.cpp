#include "Startup.h"

#include "BrandBanner.h"
#include "FirstOnScreen.h"
#include "InstanceLock.h"
#include "ProgramIcon.h"
#include "SingleInstance.h"
#include "StartupLog.h"
#include "WebLinks.h"
#include "frmAbout.h"

#include <QApplication>
#include <QWidget>

namespace horavela {

QWidget* startProgram(const std::function<QWidget*()>& loadMainWindow) {
    return startProgram(loadMainWindow, InstanceLock::perUserFilePath());
}

QWidget* startProgram(const std::function<QWidget*()>& loadMainWindow,
                      const QString& lockFilePath) {
    // Set first, so that even the message of a refused second copy carries it.
    QApplication::setWindowIcon(programIcon());
    setAboutWindowOpener(showAboutWindow);
    CheckSingleInstance(lockFilePath);
    QWidget* mainWindow = loadMainWindow();
    ChooseBrandBanner(*mainWindow);
    mainWindow->show();
    if (lcStartup().isInfoEnabled())
        whenFirstOnScreen(*mainWindow, [] { qCInfo(lcStartup, "main window on screen"); });
    return mainWindow;
}

} // namespace horavela
