// One copy per user: a second copy is refused while the first runs, and a
// copy that has ended, in whatever way, never blocks the next start. Each
// copy is a real process running the program's own check.
#include "platform/InstanceLock.h"
#include "tests/support/ProgramCopy.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace horavela {

namespace {

constexpr int WaitMs = ProgramCopy::WaitMs;
constexpr QFileDevice::Permissions OthersAndGroup =
    QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
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
    void unusableLockFolderDoesNotKeepTheProgramFromStarting_data();
    void unusableLockFolderDoesNotKeepTheProgramFromStarting();
    void fileLeftBehindNeverBlocksAStart_data();
    void fileLeftBehindNeverBlocksAStart();
    void lockFolderIsTrustedOnlyWhenItIsTheUsersAlone();

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

void SingleInstanceTest::unusableLockFolderDoesNotKeepTheProgramFromStarting_data() {
    QTest::addColumn<QString>("lockFile");
    QTest::newRow("folder missing") << QStringLiteral("no-such-folder/horavela.lock");
    QTest::newRow("no private folder found") << QString();
}

// Without a lock nobody can tell; the copy starts and says why on its log.
void SingleInstanceTest::unusableLockFolderDoesNotKeepTheProgramFromStarting() {
    QFETCH(QString, lockFile);
    if (!lockFile.isEmpty())
        lockFile = dir_->filePath(lockFile);
    ProgramCopy copy(QStringLiteral(SINGLE_INSTANCE_PROBE), {lockFile}, {},
                     QProcess::MergedChannels);
    QVERIFY2(copy.waitForLineHolding(QStringLiteral("running")), qPrintable(copy.everything()));
    QVERIFY2(copy.everything().contains(QLatin1String("starting unchecked")),
             "a copy that runs without a lock did not say so");
}

void SingleInstanceTest::fileLeftBehindNeverBlocksAStart_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("empty") << QByteArray();
    static constexpr char Garbled[] = "\x7f\xff\0 not a lock\n";
    QTest::newRow("garbled") << QByteArray(Garbled, sizeof Garbled - 1);
    // A wrapper that writes its own id and then becomes the program leaves this.
    QTest::newRow("a living process's id")
        << QByteArray::number(QCoreApplication::applicationPid()) + '\n';
    QTest::newRow("the first process's id") << QByteArray("1\n");
}

// Only a held kernel lock refuses a start; what a file says does not.
void SingleInstanceTest::fileLeftBehindNeverBlocksAStart() {
    QFETCH(QByteArray, contents);
    QFile leftBehind(lockFile_);
    QVERIFY(leftBehind.open(QIODevice::WriteOnly));
    QCOMPARE(leftBehind.write(contents), contents.size());
    leftBehind.close();

    Copy first(lockFile_);
    QCOMPARE(first.firstLine(), QStringLiteral("running"));
    Copy second(lockFile_);
    QVERIFY2(second.firstLine() == Refusal, "the copy that took over the file holds no lock");
}

void SingleInstanceTest::lockFolderIsTrustedOnlyWhenItIsTheUsersAlone() {
    const QString parent = dir_->path();
    const QString made = InstanceLock::privateFilePath(parent, QStringLiteral("made"));
    QCOMPARE(made, parent + QStringLiteral("/made/horavela.lock"));
    QCOMPARE(QFileInfo(parent + QStringLiteral("/made")).permissions() & OthersAndGroup,
             QFileDevice::Permissions{});

    QVERIFY(QDir(parent).mkdir(QStringLiteral("open")));
    QVERIFY(
        QFile::setPermissions(parent + QStringLiteral("/open"), QFileDevice::Permissions{0x7777}));
    QVERIFY2(!InstanceLock::privateFilePath(parent, QStringLiteral("open")).isEmpty(),
             "the user's own folder was refused instead of closed to others");
    QCOMPARE(QFileInfo(parent + QStringLiteral("/open")).permissions() & OthersAndGroup,
             QFileDevice::Permissions{});

    QVERIFY(QFile::link(parent + QStringLiteral("/made"), parent + QStringLiteral("/link")));
    QVERIFY2(InstanceLock::privateFilePath(parent, QStringLiteral("link")).isEmpty(),
             "a link was trusted as the lock folder");

#ifdef Q_OS_UNIX
    // Planting a folder for someone else takes the right to give it away.
    if (geteuid() != 0)
        QSKIP("planting a folder owned by another user needs root");
    const QString planted = parent + QStringLiteral("/planted");
    QVERIFY(QDir(parent).mkdir(QStringLiteral("planted")));
    QCOMPARE(chown(QFile::encodeName(planted).constData(), 65534, 65534), 0);
    QVERIFY2(InstanceLock::privateFilePath(parent, QStringLiteral("planted")).isEmpty(),
             "a folder planted by another user was trusted");
#else
    QSKIP("the folder's owner is checked only where folders have a POSIX owner");
#endif
}

} // namespace horavela

QTEST_GUILESS_MAIN(horavela::SingleInstanceTest)
#include "SingleInstanceTest.moc"
