// A stand-in copy of the program for the single-instance tests: it runs the
// program's own single-instance check on the lock file named by its first
// argument, answers the message box itself and reports on standard output.
// Output: "message <icon> <title>: <text>" for a box it answered, "running"
// when it got past the check. It ends through the program's own EndProgram,
// on its own after a minute at the latest. After the lock file, any of:
//   --end-at-once  ends as soon as it runs;
//   --in-tray      runs as a copy in the tray, bringing its window up when a
//                  second copy asks ("brought up from the tray");
//   --window-up    runs with its window up, which a second copy's request
//                  cannot change ("asked with the window up");
#include "app/SingleInstance.h"
#include "lifetime/ProgramEnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace {

void report(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

void answerMessageBoxes(QTimer& poll) {
    QObject::connect(&poll, &QTimer::timeout, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        const char* icon = box->icon() == QMessageBox::Information ? "information"
                           : box->icon() == QMessageBox::Critical  ? "critical"
                                                                   : "other";
        report(QStringLiteral("message %1 %2: %3")
                   .arg(QLatin1String(icon), box->windowTitle(), box->text()));
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(20);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString lockFile = QString::fromLocal8Bit(argv[1]);
    const QStringList options = QApplication::arguments().mid(2);
    QTimer poll;
    answerMessageBoxes(poll);

    if (options.contains(QStringLiteral("--in-tray")))
        horavela::setShowFromTray([] {
            report(QStringLiteral("brought up from the tray"));
            return true;
        });
    if (options.contains(QStringLiteral("--window-up")))
        horavela::setShowFromTray([] {
            report(QStringLiteral("asked with the window up"));
            return false;
        });
    horavela::CheckSingleInstance(lockFile);
    report(QStringLiteral("running"));

    QTimer::singleShot(60000, [] { horavela::EndProgram(); });
    if (options.contains(QStringLiteral("--end-at-once")))
        QTimer::singleShot(0, [] { horavela::EndProgram(); });
    return QApplication::exec();
}
