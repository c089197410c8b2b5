#include "tests/support/MainWindowTest.h"

#include "ui/main/frmMain.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

namespace horavela {

void MainWindowTest::initTestCase() {
    // The window reads the kept settings (the home place): the test's own, never the user's, and
    // each test program's apart from the others', which CTest may run at the same time.
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           u'/' + QCoreApplication::applicationName());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

// Closing the window ends the program through EndProgram, which deletes the
// window; the test keeps the process alive and counts the ends instead.
void MainWindowTest::init() {
    programEnds_ = 0;
    pages_.opened.clear();
    programEnd_.emplace([] { ++programEnds_; });
    window_ = new frmMain;
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

// Deleting the main window also deletes a result window it has loaded.
void MainWindowTest::cleanup() {
    delete window_.data();
    programEnd_.reset();
    QTRY_COMPARE(resultWindowsLoaded(), 0);
}

} // namespace horavela
