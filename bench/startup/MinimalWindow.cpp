// The yardstick: the least a Qt Widgets program does to show one empty
// window the size of Horavela's main window. Built a second time with one
// line of text in it, which shows what loading the system's fonts costs.
// Like Horavela with its start-up log on, it says on standard error when its
// window is on screen, and runs until it is stopped.
#include "FirstOnScreen.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(504, 465);
#ifdef HORAVELA_BENCH_ONE_LABEL
    QLabel label(QStringLiteral("Horavela"), &window);
#endif
    window.show();
    horavela::whenFirstOnScreen(window, [] {
        std::fputs("window on screen\n", stderr);
        std::fflush(stderr);
    });
    return QApplication::exec();
}
