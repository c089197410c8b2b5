// The built program itself, started as a user starts it: it comes up and
// holds its lock, a second copy opens no second main window, and no way of
// ending or starting a copy lets two run for one user or blocks the next.
// The copies use the user's real lock, so the test skips while a copy of the
// program runs for this user; the program's start-up log says what it does.
#include "platform/InstanceLock.h"
#include "tests/support/ProgramCopy.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
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

std::unique_ptr<ProgramCopy> startCopy(QProcessEnvironment env = {}, const QString& folder = {}) {
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("horavela.startup.info=true"));
    env.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    return std::make_unique<ProgramCopy>(QStringLiteral(HORAVELA_PROGRAM), QStringList{}, env,
                                         QProcess::MergedChannels, folder);
}

} // namespace

class SmokeTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void runsHoldsItsLockRefusesASecondCopyAndOutlivesAKill();
    void copiesOfOneUserMeetWhateverTheirEnvironment_data();
    void copiesOfOneUserMeetWhateverTheirEnvironment();
    void copyKilledAtAnyMomentOfItsStartDoesNotBlockTheNext();

private:
    QString lockFile_;
};

void SmokeTest::init() {
    lockFile_ = InstanceLock::perUserFilePath();
    QVERIFY2(!lockFile_.isEmpty(), "this user has no private folder for the lock");
    InstanceLock probe(lockFile_);
    if (probe.tryAcquire() == LockOutcome::HeldElsewhere)
        QSKIP("a copy of the program is running for this user");
}

void SmokeTest::runsHoldsItsLockRefusesASecondCopyAndOutlivesAKill() {
    auto first = startCopy();
    QVERIFY2(first->waitForLineHolding(OnScreen), qPrintable(first->everything()));
    QVERIFY2(first->everything().contains(Holding + QLatin1Char(' ') + lockFile_),
             qPrintable(first->everything()));
    QCOMPARE(lockOwner(lockFile_), first->pid());

    auto second = startCopy();
    QVERIFY2(second->waitForLineHolding(Refused), qPrintable(second->everything()));
    // The refused copy waits on its message; give a wrong start-up time to show up.
    QTest::qWait(1000);
    QVERIFY2(!second->everything().contains(OnScreen), "a second copy showed its main window");
    QVERIFY2(first->isRunning(), "the first copy ended when the second started");
    QCOMPARE(lockOwner(lockFile_), first->pid());
    second.reset();

    first->killHard();
    auto next = startCopy();
    QVERIFY2(next->waitForLineHolding(OnScreen), qPrintable(next->everything()));
    QCOMPARE(lockOwner(lockFile_), next->pid());
}

void SmokeTest::copiesOfOneUserMeetWhateverTheirEnvironment_data() {
    // "NAME=folder", the folder under the test's own; "NAME=" unsets it.
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::newRow("runtime folder set, then unset")
        << QStringList{QStringLiteral("XDG_RUNTIME_DIR=runtime")}
        << QStringList{QStringLiteral("XDG_RUNTIME_DIR=")};
    QTest::newRow("two temporary folders") << QStringList{QStringLiteral("TMPDIR=tmp-a")}
                                           << QStringList{QStringLiteral("TMPDIR=tmp-b")};
    const QStringList nowhere{QStringLiteral("TMPDIR=missing"), QStringLiteral("XDG_RUNTIME_DIR=")};
    QTest::newRow("a missing temporary folder and no runtime folder") << nowhere << nowhere;
}

// Each copy starts in a current folder of its own; neither it nor the
// filesystem root may gain a file.
void SmokeTest::copiesOfOneUserMeetWhateverTheirEnvironment() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QDir root(dir.path());
    for (const QString& folder :
         {QStringLiteral("runtime"), QStringLiteral("tmp-a"), QStringLiteral("tmp-b"),
          QStringLiteral("cwd-1"), QStringLiteral("cwd-2")})
        QVERIFY(root.mkdir(folder));
    QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const auto environment = [&root](const QStringList& settings) {
        QProcessEnvironment env;
        for (const QString& setting : settings) {
            const QString folder = setting.section(QLatin1Char('='), 1);
            env.insert(setting.section(QLatin1Char('='), 0, 0),
                       folder.isEmpty() ? QString() : root.filePath(folder));
        }
        return env;
    };
    const auto everything = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    const QStringList rootBefore = QDir::root().entryList(everything);

    auto firstCopy = startCopy(environment(first), root.filePath(QStringLiteral("cwd-1")));
    QVERIFY2(firstCopy->waitForLineHolding(OnScreen), qPrintable(firstCopy->everything()));
    auto secondCopy = startCopy(environment(second), root.filePath(QStringLiteral("cwd-2")));
    QVERIFY2(secondCopy->waitForLineHolding(Refused),
             qPrintable(QStringLiteral("a second copy of the same user was not refused:\n") +
                        secondCopy->everything()));
    secondCopy.reset();
    firstCopy.reset();
    for (const QString& folder : {QStringLiteral("cwd-1"), QStringLiteral("cwd-2")})
        QVERIFY2(QDir(root.filePath(folder)).isEmpty(everything),
                 qPrintable(QStringLiteral("a copy left a file in its current folder ") + folder));
    QCOMPARE(QDir::root().entryList(everything), rootBefore);
}

// A copy may die anywhere in its start, between making its lock and showing
// its window included; whatever it leaves must not keep the next one out.
void SmokeTest::copyKilledAtAnyMomentOfItsStartDoesNotBlockTheNext() {
    constexpr int trials = 12;
    QRandomGenerator random(20261207);
    for (int trial = 0; trial < trials; ++trial) {
        const int delayMs = random.bounded(300);
        auto doomed = startCopy();
        QTest::qWait(delayMs);
        doomed->killHard();
        auto next = startCopy();
        QVERIFY2(next->waitForLineHolding(Holding),
                 qPrintable(QStringLiteral("after a kill %1 ms into the start, the next copy "
                                           "said:\n%2")
                                .arg(delayMs)
                                .arg(next->everything())));
    }
}

} // namespace horavela

QTEST_GUILESS_MAIN(horavela::SmokeTest)
#include "SmokeTest.moc"
