// Starts Horavela: one main window, one copy per user; or, given one of the command line's
// options, writes a month without a window.
#include "app/CommandLine.h"
#include "app/DisplayCheck.h"
#include "app/HomeTray.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "app/StartupLog.h"
#include "platform/Console.h"
#include "platform/FirstOnScreen.h"
#include "platform/FitText.h"
#include "platform/InstanceLock.h"
#include "platform/Language.h"
#include "platform/Notifier.h"
#include "platform/RuntimeFolder.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QStandardPaths>
#include <QSystemTrayIcon>
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
    const bool inTray = horavela::startsInTray(argc, argv);
    horavela::startProgram(
        [] { return new horavela::frmMain; }, horavela::InstanceLock::perUserFilePath(),
        [inTray](QWidget& window) {
            auto* tray = new horavela::HomeTray(static_cast<horavela::frmMain&>(window),
                                                [](const QString& text, QSystemTrayIcon* icon) {
                                                    horavela::showNotification(
                                                        QStringLiteral("Horavela"), text, icon);
                                                });
            // A second start reaches the tray through the single-instance lock's folder.
            horavela::setShowFromTray([tray = QPointer<horavela::HomeTray>(tray), &window] {
                // The tray goes with the window, so the window is there while the tray is.
                if (!tray || !tray->showFromTray())
                    return false;
                if (horavela::lcStartup().isInfoEnabled())
                    horavela::whenFirstOnScreen(window, [] {
                        qCInfo(horavela::lcStartup, "main window shown from the tray");
                    });
                return true;
            });
            // Started with the desktop, the program stays in the tray where it has an icon there.
            return inTray && tray->icon() != nullptr;
        });
    return QApplication::exec();
}
