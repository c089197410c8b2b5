// Base of the tests that drive the main window. Before each test function a
// new main window is shown and active, in US English; the program's end is
// counted instead of ending the test, and the pages handed to the browser are
// recorded. After each, the window and any result window it loaded are gone.
#pragma once

#include "lifetime/ProgramEnd.h"
#include "tests/support/UrlRecorder.h"
#include "tools/windowdriver/WindowDriver.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <optional>

namespace horavela {

class MainWindowTest : public QObject {
    Q_OBJECT

protected slots:
    void initTestCase();
    void init();
    void cleanup();

protected:
    template <typename T> T* control(const char* name) const {
        return horavela::control<T>(window_, name);
    }
    // Of another window, such as a modal one the main window opened.
    template <typename T> static T* control(const QWidget* window, const char* name) {
        return horavela::control<T>(window, name);
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    void fill(const PlaceEntry& place, const MomentEntry& moment) const {
        fillForm(window_, "RAM", place, moment);
    }
    QMainWindow* check() const { return runCheck(window_); }

    QPointer<QMainWindow> window_;
    UrlRecorder pages_;
    static inline int programEnds_ = 0;
    std::optional<ReplacedProgramEnd> programEnd_;
};

} // namespace horavela
