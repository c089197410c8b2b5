#include "Startup.h"

#include "BrandBanner.h"
#include "InstanceLock.h"
#include "SingleInstance.h"

#include <QWidget>

namespace horavela {

QWidget* StartProgram(const std::function<QWidget*()>& loadMainWindow) {
    return StartProgram(loadMainWindow, InstanceLock::perUserFilePath());
}

QWidget* StartProgram(const std::function<QWidget*()>& loadMainWindow,
                      const QString& lockFilePath) {
    CheckSingleInstance(lockFilePath);
    QWidget* mainWindow = loadMainWindow();
    ChooseBrandBanner(*mainWindow);
    mainWindow->show();
    return mainWindow;
}

} // namespace horavela
