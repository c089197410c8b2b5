// Starts Horavela: one main window, one copy per user; or, given one of the command line's
// options, writes a month without a window.
#include "app/CommandLine.h"
#include "app/DisplayCheck.h"
#include "app/Startup.h"
#include "platform/Console.h"
#include "platform/FitText.h"
#include "platform/Language.h"
#include "platform/RuntimeFolder.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QStandardPaths>
#include <iostream>

int main(int argc, char* argv[]) {
    if (horavela::isCommandLine(argc, argv)) {
        // No display, no single-instance lock: a month can be written beside a running copy.
        horavela::attachParentConsole();
        const QStringList arguments = horavela::programArguments(argc, argv);
        // Qt is given the program's name alone: every argument after it is the command line's,
        // never one of Qt's own options taken away unseen.
        int qtArgc = 1;
        if (horavela::commandLineDrawsPages(arguments)) {
            horavela::drawOffscreenWithoutDisplay();
            horavela::useOwnRuntimeFolder();
            QGuiApplication app(qtArgc, argv);
            return horavela::runCommandLine(arguments, std::cout, std::cerr);
        }
        QCoreApplication app(qtArgc, argv);
        return horavela::runCommandLine(arguments, std::cout, std::cerr);
    }
    if (!horavela::checkDisplayAvailable())
        return 1;
    horavela::useOwnRuntimeFolder();
    // Qt reads its own options from the command line.
    QApplication app(argc, argv);
    // Before any window or message, so that each speaks it from the start.
    horavela::useLanguage(horavela::languageToSpeak(horavela::keptLanguage()));
    horavela::keepFittedLabelsIn(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    horavela::startProgram([] { return new horavela::frmMain; });
    return QApplication::exec();
}
