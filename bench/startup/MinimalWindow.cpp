// The yardsticks: the least a Qt Widgets program does to show a window the
// size of Horavela's main window. Built three times: one empty window; one
// with a menu bar and one line of text in the default font; and one with a
// menu bar and one line in each of the main window's fonts, which is what
// Horavela's first window must load at the least.
// Like Horavela with its start-up log on, each says on standard error when its
// window is on screen, and runs until it is stopped.
#include "platform/FirstOnScreen.h"
#include "platform/PointSize.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>
#include <cstdio>

namespace {

constexpr int ClientWidth = 504;
constexpr int ClientHeight = 465;

[[maybe_unused]] void addLine(QWidget* parent, int top, double points, bool bold) {
    auto* label = new QLabel(QStringLiteral("Horavela"), parent);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    label->move(8, top);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
#ifdef HORAVELA_BENCH_EMPTY
    QWidget window;
    window.resize(ClientWidth, ClientHeight);
#else
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    auto* client = new QWidget;
    client->setFixedSize(ClientWidth, ClientHeight);
    window.setCentralWidget(client);
#ifdef HORAVELA_BENCH_MAIN_FONTS
    horavela::standInForVerdana();
    addLine(client, 8, 8.25, false);
    addLine(client, 32, 8.25, true);
    addLine(client, 56, 11.25, true);
#else
    new QLabel(QStringLiteral("Horavela"), client);
#endif
#endif
    window.show();
    horavela::whenFirstOnScreen(window, [] {
        std::fputs("window on screen\n", stderr);
        std::fflush(stderr);
    });
    return QApplication::exec();
}
