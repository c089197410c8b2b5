// The built program itself, started as a user starts it: it comes up and
// holds its lock, a second copy opens no second main window, and no way of
// ending or starting a copy lets two run for one user or blocks the next.
// The copies use their user's real lock. Run as root, the test starts them
// as a spare user of their own, whom no person runs the program as; run as
// anyone else, they are that user's copies, and the test skips while a copy
// of the program runs for that user. The program's start-up log says what it
// does.
#include "platform/InstanceLock.h"
#include "tests/support/ProgramCopy.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <unistd.h>
#endif

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

#ifdef Q_OS_UNIX
// A user of the system's own that no person runs programs as.
constexpr int SpareUser = 65534;

// Whether a user other than the file's owner may run `program` where it lies.
bool othersCanRun(const QString& program) {
    if (!QFileInfo(program).permission(QFileDevice::ExeOther))
        return false;
    for (QDir folder = QFileInfo(program).absoluteDir();; folder.cdUp()) {
        if (!QFileInfo(folder.path()).permission(QFileDevice::ExeOther))
            return false;
        if (folder.isRoot())
            return true;
    }
}
#endif

} // namespace

class SmokeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void runsHoldsItsLockRefusesASecondCopyAndOutlivesAKill();
    void copiesOfOneUserMeetWhateverTheirEnvironment_data();
    void copiesOfOneUserMeetWhateverTheirEnvironment();
    void copyKilledAtAnyMomentOfItsStartDoesNotBlockTheNext();

private:
    std::unique_ptr<ProgramCopy> startCopy(QProcessEnvironment env = {},
                                           const QString& folder = {}) const;
    // Makes a folder of the test's the copies' own.
    bool giveToCopies(const QString& folder) const;

    int copiesUser_ = -1; // -1: the user running the test
    std::unique_ptr<QTemporaryDir> copiesHome_;
    QString lockFile_;
    int startMs_ = 0; // from starting a copy to its main window on screen
};

void SmokeTest::initTestCase() {
#ifdef Q_OS_UNIX
    if (geteuid() == 0 && othersCanRun(QStringLiteral(HORAVELA_PROGRAM)))
        copiesUser_ = SpareUser;
#endif
    if (copiesUser_ == -1) {
        lockFile_ = InstanceLock::perUserFilePath();
        QVERIFY2(!lockFile_.isEmpty(), "this user has no private folder for the lock");
    } else {
        // The program names the folder by the user's id alone.
        lockFile_ = QStringLiteral("/tmp/horavela-%1/horavela.lock").arg(copiesUser_);
        copiesHome_ = std::make_unique<QTemporaryDir>();
        QVERIFY(copiesHome_->isValid());
        QVERIFY(giveToCopies(copiesHome_->path()));
    }

    QElapsedTimer clock;
    clock.start();
    auto probe = startCopy();
    QVERIFY2(probe->waitForLineHolding(QStringLiteral("lock")), qPrintable(probe->everything()));
    if (probe->everything().contains(Refused))
        QSKIP("a copy of the program is running for the user the copies run as");
    QVERIFY2(probe->waitForLineHolding(OnScreen), qPrintable(probe->everything()));
    startMs_ = static_cast<int>(clock.elapsed());
}

std::unique_ptr<ProgramCopy> SmokeTest::startCopy(QProcessEnvironment env,
                                                  const QString& folder) const {
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("horavela.startup.info=true"));
    env.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    std::function<void()> becomeCopiesUser;
#ifdef Q_OS_UNIX
    if (copiesUser_ != -1) {
        // A home of its own, and no runtime folder but one that a row gives.
        env.insert(QStringLiteral("HOME"), copiesHome_->path());
        if (!env.contains(QStringLiteral("XDG_RUNTIME_DIR")))
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString());
        becomeCopiesUser = [user = copiesUser_] {
            if (setgroups(0, nullptr) != 0 || setgid(user) != 0 || setuid(user) != 0)
                _exit(127);
        };
    }
#endif
    return std::make_unique<ProgramCopy>(QStringLiteral(HORAVELA_PROGRAM), QStringList{}, env,
                                         QProcess::MergedChannels, folder, becomeCopiesUser);
}

bool SmokeTest::giveToCopies(const QString& folder) const {
#ifdef Q_OS_UNIX
    if (copiesUser_ != -1)
        return chown(QFile::encodeName(folder).constData(), copiesUser_, copiesUser_) == 0;
#else
    Q_UNUSED(folder); // the copies are always this user's
#endif
    return true;
}

void SmokeTest::runsHoldsItsLockRefusesASecondCopyAndOutlivesAKill() {
    auto first = startCopy();
    QVERIFY2(first->waitForLineHolding(OnScreen), qPrintable(first->everything()));
    QVERIFY2(first->everything().contains(Holding + QLatin1Char(' ') + lockFile_),
             qPrintable(first->everything()));
    QCOMPARE(lockOwner(lockFile_), first->pid());

    auto second = startCopy();
    QVERIFY2(second->waitForLineHolding(Refused), qPrintable(second->everything()));
    // The refused copy waits on its message; a start that went on regardless
    // would show its window within about the time a whole start takes.
    QVERIFY2(!second->waitForLineHolding(OnScreen, 2 * startMs_ + 100),
             "a second copy showed its main window");
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
    QVERIFY(giveToCopies(root.path()));
    for (const QString& folder :
         {QStringLiteral("runtime"), QStringLiteral("tmp-a"), QStringLiteral("tmp-b"),
          QStringLiteral("cwd-1"), QStringLiteral("cwd-2")})
        QVERIFY(root.mkdir(folder) && giveToCopies(root.filePath(folder)));
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
// The kills fall within the time a whole start takes here.
void SmokeTest::copyKilledAtAnyMomentOfItsStartDoesNotBlockTheNext() {
    constexpr int trials = 12;
    QRandomGenerator random(20261207);
    for (int trial = 0; trial < trials; ++trial) {
        const int delayMs = random.bounded(startMs_ + 1);
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
