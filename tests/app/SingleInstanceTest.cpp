// One copy per user: a second copy is refused while the first runs, and a
// copy that has ended, in whatever way, never blocks the next start. Each
// copy is a real process running the program's own check.
#include "ProgramCopy.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

namespace horavela {

namespace {

constexpr int WaitMs = ProgramCopy::WaitMs;
const QString Refusal =
    QStringLiteral("message information Horavela: Application is already running");

// A copy of the probe on the lock file given.
class Copy : public ProgramCopy {
public:
    explicit Copy(const QString& lockFile, const QStringList& extra = {})
        : ProgramCopy(QStringLiteral(SINGLE_INSTANCE_PROBE), QStringList{lockFile} + extra) {}

    QString firstLine() { return nextLine(); }
};

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void secondCopyIsRefusedWhileTheFirstRuns();
    void firstCopyKeepsItsLockHowEverOldItIs();
    void copyKilledHardDoesNotBlockTheNextStart();
    void copyThatEndedNormallyLeavesNoLock();
    void unusableLockFolderDoesNotKeepTheProgramFromStarting();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString lockFile_;
};

void SingleInstanceTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    lockFile_ = dir_->filePath(QStringLiteral("horavela.lock"));
}

void SingleInstanceTest::secondCopyIsRefusedWhileTheFirstRuns() {
    Copy first(lockFile_);
    QCOMPARE(first.firstLine(), QStringLiteral("running"));

    Copy second(lockFile_);
    QCOMPARE(second.firstLine(), Refusal);
    QVERIFY2(second.endsWithin(WaitMs), "the refused copy did not end after its message");
    QVERIFY2(
        !second.crashed() && second.exitCode() == 0,
        qPrintable(QStringLiteral("the refused copy ended with code %1").arg(second.exitCode())));
    QVERIFY2(!second.everything().contains(QLatin1String("running")),
             "the refused copy went on with its start-up");

    QVERIFY2(!first.endsWithin(300), "the first copy ended when the second was refused");
    Copy third(lockFile_);
    QVERIFY2(third.firstLine() == Refusal, "the first copy lost its lock to the refused one");
}

// An age limit on the lock would let a second copy in beside a long run.
void SingleInstanceTest::firstCopyKeepsItsLockHowEverOldItIs() {
    Copy first(lockFile_);
    QCOMPARE(first.firstLine(), QStringLiteral("running"));
    QFile lock(lockFile_);
    QVERIFY(lock.open(QIODevice::ReadWrite));
    const QDateTime longAgo = QDateTime::currentDateTime().addDays(-2);
    QVERIFY(lock.setFileTime(longAgo, QFileDevice::FileModificationTime));
    lock.close();

    Copy second(lockFile_);
    QVERIFY2(second.firstLine() == Refusal, "a lock two days old was taken for stale");
}

void SingleInstanceTest::copyKilledHardDoesNotBlockTheNextStart() {
    Copy first(lockFile_);
    QCOMPARE(first.firstLine(), QStringLiteral("running"));
    first.killHard();
    QVERIFY2(QFileInfo::exists(lockFile_), "the killed copy had no lock file to leave behind");

    Copy next(lockFile_);
    const QString line = next.firstLine();
    QVERIFY2(
        line == QLatin1String("running"),
        qPrintable(
            QStringLiteral("after the first copy was killed the next one said \"%1\"").arg(line)));
}

void SingleInstanceTest::copyThatEndedNormallyLeavesNoLock() {
    Copy first(lockFile_, {QStringLiteral("--end-at-once")});
    QCOMPARE(first.firstLine(), QStringLiteral("running"));
    QVERIFY2(first.endsWithin(WaitMs), "the copy did not end through EndProgram");
    QVERIFY2(!first.crashed() && first.exitCode() == 0, "EndProgram did not end the copy cleanly");
    QVERIFY2(!QFileInfo::exists(lockFile_), "EndProgram left the lock file behind");

    Copy next(lockFile_);
    QCOMPARE(next.firstLine(), QStringLiteral("running"));
}

void SingleInstanceTest::unusableLockFolderDoesNotKeepTheProgramFromStarting() {
    Copy first(dir_->filePath(QStringLiteral("no-such-folder/horavela.lock")));
    QVERIFY2(first.firstLine() == QLatin1String("running"),
             "a lock that cannot be made was taken for a running copy");
}

} // namespace horavela

QTEST_GUILESS_MAIN(horavela::SingleInstanceTest)
#include "SingleInstanceTest.moc"
