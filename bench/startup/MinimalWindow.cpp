// The yardstick: the least a Qt Widgets program does to show one empty
// window the size of Horavela's main window. Built a second time with one
// line of text in it, which shows what loading the system's fonts costs.
#include "ShownReport.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(504, 465);
#ifdef HORAVELA_BENCH_ONE_LABEL
    QLabel label(QStringLiteral("Horavela"), &window);
#endif
    window.show();
    horavela::bench::reportWhenShown(window,
                                     [] { QTimer::singleShot(0, qApp, &QApplication::quit); });
    return QApplication::exec();
}
