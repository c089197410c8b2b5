// Starts Horavela: one main window, one copy per user.
#include "DisplayCheck.h"
#include "RuntimeFolder.h"
#include "Startup.h"
#include "frmMain.h"

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
