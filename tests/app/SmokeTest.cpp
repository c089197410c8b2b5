// The built program itself, started as a user starts it: it comes up and
// holds its lock, a second copy opens no second main window, and a copy
// killed outright does not keep the next one from starting. The program's
// start-up log says what it does; its lock folder is the test's own.
#include "ProgramCopy.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace horavela {

namespace {

const QString OnScreen = QStringLiteral("main window on screen");
const QString Holding = QStringLiteral("holding the lock");
const QString Refused = QStringLiteral("another copy holds the lock");

// The process id that the lock file names, 0 when there is none.
qint64 lockOwner(const QString& lockFile) {
    QFile file(lockFile);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readLine().trimmed().toLongLong();
}

} // namespace

class SmokeTest : public QObject {
    Q_OBJECT

private slots:
    void runsHoldsItsLockRefusesASecondCopyAndOutlivesAKill();
};

void SmokeTest::runsHoldsItsLockRefusesASecondCopyAndOutlivesAKill() {
    QTemporaryDir runtime; // private to this user (0700), as a runtime folder must be
    QVERIFY(runtime.isValid());
    const QString lockFile = runtime.filePath(QStringLiteral("horavela.lock"));
    QProcessEnvironment env;
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("horavela.startup.info=true"));
    env.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    const auto copy = [&env] {
        return std::make_unique<ProgramCopy>(QStringLiteral(HORAVELA_PROGRAM), QStringList{}, env,
                                             QProcess::MergedChannels);
    };

    auto first = copy();
    QVERIFY2(first->waitForLineHolding(OnScreen), qPrintable(first->everything()));
    QVERIFY2(first->everything().contains(Holding + QLatin1Char(' ') + lockFile),
             qPrintable(first->everything()));
    QCOMPARE(lockOwner(lockFile), first->pid());

    auto second = copy();
    QVERIFY2(second->waitForLineHolding(Refused), qPrintable(second->everything()));
    // The refused copy waits on its message; give a wrong start-up time to show up.
    QTest::qWait(1000);
    QVERIFY2(!second->everything().contains(OnScreen), "a second copy showed its main window");
    QVERIFY2(first->isRunning(), "the first copy ended when the second started");
    QCOMPARE(lockOwner(lockFile), first->pid());
    second.reset();

    first->killHard();
    QVERIFY2(QFile::exists(lockFile), "the killed copy left no lock file to take over");
    auto next = copy();
    QVERIFY2(next->waitForLineHolding(OnScreen), qPrintable(next->everything()));
    QCOMPARE(lockOwner(lockFile), next->pid());
}

} // namespace horavela

QTEST_GUILESS_MAIN(horavela::SmokeTest)
#include "SmokeTest.moc"
