// The yardstick: the least a Qt Widgets program does to show one empty
// window the size of Horavela's main window.
#include "ShownReport.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(504, 465);
    window.show();
    horavela::bench::reportWhenShown(window,
                                     [] { QTimer::singleShot(0, qApp, &QApplication::quit); });
    return QApplication::exec();
}
