#include "Startup.h"

#include "BrandBanner.h"
#include "SingleInstance.h"

#include <QWidget>

namespace horavela {

QWidget* StartProgram(const std::function<QWidget*()>& loadMainWindow) {
    CheckSingleInstance();
    QWidget* mainWindow = loadMainWindow();
    ChooseBrandBanner(*mainWindow);
    mainWindow->show();
    return mainWindow;
}

} // namespace horavela
