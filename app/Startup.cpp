#include "app/Startup.h"

#include "app/BrandBanner.h"
#include "app/ProgramIcon.h"
#include "app/SingleInstance.h"
#include "app/StartupLog.h"
#include "app/frmAbout.h"
#include "platform/FirstOnScreen.h"
#include "platform/InstanceLock.h"
#include "weblinks/WebLinks.h"

#include <QApplication>
#include <QWidget>

namespace horavela {

QWidget* startProgram(const std::function<QWidget*()>& loadMainWindow) {
    return startProgram(loadMainWindow, InstanceLock::perUserFilePath());
}

QWidget* startProgram(const std::function<QWidget*()>& loadMainWindow,
                      const QString& lockFilePath) {
    return startProgram(loadMainWindow, lockFilePath, {});
}

QWidget* startProgram(const std::function<QWidget*()>& loadMainWindow, const QString& lockFilePath,
                      const std::function<bool(QWidget&)>& staysHidden) {
    // Set first, so that even the message of a refused second copy carries it.
    QApplication::setWindowIcon(programIcon());
    setAboutWindowOpener(showAboutWindow);
    CheckSingleInstance(lockFilePath);
    QWidget* mainWindow = loadMainWindow();
    ChooseBrandBanner(*mainWindow);
    if (staysHidden && staysHidden(*mainWindow)) {
        qCInfo(lcStartup, "started in the system tray");
        return mainWindow;
    }
    mainWindow->show();
    if (lcStartup().isInfoEnabled())
        whenFirstOnScreen(*mainWindow, [] { qCInfo(lcStartup, "main window on screen"); });
    return mainWindow;
}

} // namespace horavela
