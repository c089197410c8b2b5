// One check from the click on "Is the Chosen Period in Rahul Kaal?" to the
// result window on the screen, in-process on the offscreen platform.
#include "frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

QWidget* shownResult() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("frmDisplay") && window->isVisible())
            return window;
    return nullptr;
}

void fill(QWidget& window) {
    const auto set = [&](const char* name, const char* text) {
        window.findChild<QLineEdit*>(QLatin1String(name))->setText(QString::fromUtf8(text));
    };
    set("txtName", "RAM");
    set("txtLatD", "18");
    set("txtLatM", "31");
    set("txtLonD", "73");
    set("txtLonM", "50");
    set("txtZoneHour", "-5");
    set("txtZoneMinute", "-30");
    window.findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(2);
    window.findChild<QComboBox*>(QStringLiteral("cboDate"))->setCurrentIndex(19);
    window.findChild<QComboBox*>(QStringLiteral("cboYear"))->setCurrentText(QStringLiteral("2024"));
    window.findChild<QComboBox*>(QStringLiteral("cboHour"))->setCurrentIndex(12);
    window.findChild<QComboBox*>(QStringLiteral("cboMinute"))->setCurrentIndex(30);
}

// Back to the main window, outside the measured time; the unloaded result
// window is deleted before the next click.
void goBack(benchmark::State& state, QWidget* result) {
    state.PauseTiming();
    result->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
}

// Until the result window is shown: the check, the texts and the swap of windows.
void BM_ClickToResultShown(benchmark::State& state, QPushButton* button) {
    for (auto _ : state) {
        button->click();
        QWidget* result = shownResult();
        if (!result) {
            state.SkipWithError("the check showed no result window");
            return;
        }
        goBack(state, result);
    }
}

// As above, and the window's first paint done.
void BM_ClickToResultPainted(benchmark::State& state, QPushButton* button) {
    for (auto _ : state) {
        button->click();
        QCoreApplication::processEvents();
        QWidget* result = shownResult();
        if (!result) {
            state.SkipWithError("the check showed no result window");
            return;
        }
        goBack(state, result);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    auto* window = new horavela::frmMain;
    fill(*window);
    window->show();
    QCoreApplication::processEvents();
    auto* button = window->findChild<QPushButton*>(QStringLiteral("cmdRashi"));

    benchmark::RegisterBenchmark("ClickToResultShown", BM_ClickToResultShown, button)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ClickToResultPainted", BM_ClickToResultPainted, button)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete window;
    return EXIT_SUCCESS;
}
