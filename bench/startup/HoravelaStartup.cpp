// Horavela's own start-up, as the program runs it, ending once the main
// window is on screen. Its lock file is its own, so a running copy of the
// program does not stop the measurement.
#include "ShownReport.h"
#include "Startup.h"
#include "frmMain.h"
#include "modHelp.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget* window = horavela::StartProgram(
        [] { return new horavela::frmMain; },
        QDir::temp().filePath(QStringLiteral("horavela-bench-startup.lock")));
    horavela::bench::reportWhenShown(*window, [] { horavela::EndProgram(); });
    return QApplication::exec();
}
