// Starts Horavela: one main window, one copy per user.
#include "app/DisplayCheck.h"
#include "app/Startup.h"
#include "platform/RuntimeFolder.h"
#include "ui/main/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (!horavela::checkDisplayAvailable())
        return 1;
    horavela::useOwnRuntimeFolder();
    // Qt reads its own options from the command line; the program has none.
    QApplication app(argc, argv);
    horavela::startProgram([] { return new horavela::frmMain; });
    return QApplication::exec();
}
