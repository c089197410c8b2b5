// One copy per user: a second copy is refused while the first runs, and a
// copy that has ended, in whatever way, never blocks the next start. Each
// copy is a real process running the program's own check. A copy running
// in the tray is brought up by a second start instead.
#include "platform/InstanceLock.h"
#include "platform/LocalRequest.h"
#include "tests/support/ProgramCopy.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#else
#include <windows.h>
#endif

namespace horavela {

namespace {

constexpr int WaitMs = ProgramCopy::WaitMs;
constexpr QFileDevice::Permissions OthersAndGroup =
    QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
const QString Refusal =
    QStringLiteral("message information Horavela: Application is already running");
// A user who is not the one running the tests, for files and folders planted by others.
constexpr int OtherUser = 65534;

// What a file left at the lock's place is, besides its contents.
enum class Left {
    File,
    ReadOnly,
    WritableByItsGroup,
    WritableByOthers,
    Fifo,
    LinkToAFileElsewhere,
    SecondNameOfAFileElsewhere,
    OtherUsersFile,
    OtherUsersLockedFile,
    EmptyFolder,
};

// What stands at the lock folder's place before the program looks.
enum class Folder { Missing, OpenToAll, OpenToItsGroup, Link, OtherUsers };

// What stands at the request channel's place before a copy listens there.
enum class Channel { LeftByKilledCopy, DeadSocket, File, Folder };

const QString BroughtUp = QStringLiteral("brought up from the tray");

// A client of the running copy's request channel that says what it is told,
// as no copy of the program would. Every wait is bounded.
class RawClient {
public:
    explicit RawClient(const QString& folder) {
        const QString name = requestChannelName(folder);
#ifdef Q_OS_UNIX
        const QByteArray path = QFile::encodeName(name);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::copy(path.begin(), path.end(), address.sun_path);
        fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd_ != -1 &&
            connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == -1) {
            close(fd_);
            fd_ = -1;
        }
#else
        pipe_ = CreateFileW(reinterpret_cast<const wchar_t*>(name.utf16()),
                            GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
#endif
    }
    ~RawClient() {
#ifdef Q_OS_UNIX
        if (fd_ != -1)
            close(fd_);
#else
        if (pipe_ != INVALID_HANDLE_VALUE)
            CloseHandle(pipe_);
#endif
    }
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    bool connected() const {
#ifdef Q_OS_UNIX
        return fd_ != -1;
#else
        return pipe_ != INVALID_HANDLE_VALUE;
#endif
    }

    bool say(const QByteArray& bytes) {
#ifdef Q_OS_UNIX
        return send(fd_, bytes.constData(), std::size_t(bytes.size()), MSG_NOSIGNAL) ==
               bytes.size();
#else
        DWORD written = 0;
        return WriteFile(pipe_, bytes.constData(), DWORD(bytes.size()), &written, nullptr) &&
               written == DWORD(bytes.size());
#endif
    }

    // What the copy answered within `ms`: empty when it said nothing or closed.
    QByteArray answer(int ms) {
        char byte = 0;
#ifdef Q_OS_UNIX
        pollfd one{fd_, POLLIN, 0};
        if (poll(&one, 1, ms) == 1 && recv(fd_, &byte, 1, 0) == 1)
            return QByteArray(1, byte);
#else
        const QDeadlineTimer deadline(ms);
        DWORD waiting = 0;
        while (PeekNamedPipe(pipe_, nullptr, 0, nullptr, &waiting, nullptr) && waiting == 0 &&
               !deadline.hasExpired())
            Sleep(10);
        DWORD read = 0;
        if (waiting > 0 && ReadFile(pipe_, &byte, 1, &read, nullptr) && read == 1)
            return QByteArray(1, byte);
#endif
        return {};
    }

private:
#ifdef Q_OS_UNIX
    int fd_ = -1;
#else
    HANDLE pipe_ = INVALID_HANDLE_VALUE;
#endif
};

// A copy of the probe on the lock file given.
class Copy : public ProgramCopy {
public:
    explicit Copy(const QString& lockFile, const QStringList& extra = {})
        : ProgramCopy(QStringLiteral(SINGLE_INSTANCE_PROBE), QStringList{lockFile} + extra) {}

    QString firstLine() { return nextLine(); }
};

} // namespace

} // namespace horavela

Q_DECLARE_METATYPE(horavela::Left)
Q_DECLARE_METATYPE(horavela::Folder)
Q_DECLARE_METATYPE(horavela::LockOutcome)
Q_DECLARE_METATYPE(horavela::Channel)

namespace horavela {

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
    void lockFolderIsTrustedOnlyWhenItIsTheUsersAlone_data();
    void lockFolderIsTrustedOnlyWhenItIsTheUsersAlone();
    void pausedStartIsRefusedOrAloneWhileCopiesComeAndGo_data();
    void pausedStartIsRefusedOrAloneWhileCopiesComeAndGo();
    void secondCopyBringsUpACopyInTheTrayAndIsOtherwiseRefused_data();
    void secondCopyBringsUpACopyInTheTrayAndIsOtherwiseRefused();
    void channelLeftBehindIsReplacedByTheLockHolder_data();
    void channelLeftBehindIsReplacedByTheLockHolder();
    void clientsThatSayNothingOrJunkDoNotHoldUpTheRunningCopy_data();
    void clientsThatSayNothingOrJunkDoNotHoldUpTheRunningCopy();
    void otherUserCannotBringUpTheRunningCopy_data();
    void otherUserCannotBringUpTheRunningCopy();

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

// The file stays for the next copy, so that none can find it replaced.
void SingleInstanceTest::copyThatEndedNormallyLeavesNoLock() {
    Copy first(lockFile_, {QStringLiteral("--end-at-once")});
    QCOMPARE(first.firstLine(), QStringLiteral("running"));
    QVERIFY2(first.endsWithin(WaitMs), "the copy did not end through EndProgram");
    QVERIFY2(!first.crashed() && first.exitCode() == 0, "EndProgram did not end the copy cleanly");
    QVERIFY2(QFileInfo(lockFile_).isFile(), "EndProgram removed the lock file");

    Copy next(lockFile_);
    QCOMPARE(next.firstLine(), QStringLiteral("running"));
}

void SingleInstanceTest::unusableLockFolderDoesNotKeepTheProgramFromStarting_data() {
    QTest::addColumn<QString>("lockFile");
    QTest::addColumn<QString>("inTheWay"); // a folder made first
    QTest::addColumn<QString>("why");
#ifdef Q_OS_UNIX
    const QString noFolder = QStringLiteral("its folder cannot hold it");
    const QString notRemovable = QStringLiteral("cannot be removed");
#else
    const QString noFolder = QStringLiteral("cannot open it");
    const QString notRemovable = noFolder;
#endif
    QTest::newRow("folder missing")
        << QStringLiteral("no-such-folder/horavela.lock") << QString() << noFolder;
    QTest::newRow("no private folder found")
        << QString() << QString() << QStringLiteral("no private folder");
    QTest::newRow("a folder of files in the lock file's place")
        << QStringLiteral("horavela.lock") << QStringLiteral("horavela.lock/kept") << notRemovable;
}

// Without a lock nobody can tell; the copy starts and says why on its log.
void SingleInstanceTest::unusableLockFolderDoesNotKeepTheProgramFromStarting() {
    QFETCH(QString, lockFile);
    QFETCH(QString, inTheWay);
    QFETCH(QString, why);
    if (!lockFile.isEmpty())
        lockFile = dir_->filePath(lockFile);
    if (!inTheWay.isEmpty())
        QVERIFY(QDir(dir_->path()).mkpath(inTheWay));
    ProgramCopy copy(QStringLiteral(SINGLE_INSTANCE_PROBE), {lockFile}, {},
                     QProcess::MergedChannels);
    QVERIFY2(copy.waitForLineHolding(QStringLiteral("running")), qPrintable(copy.everything()));
    QVERIFY2(copy.everything().contains(QLatin1String("starting unchecked")),
             "a copy that runs without a lock did not say so");
    QVERIFY2(copy.everything().contains(why), qPrintable(copy.everything()));
}

void SingleInstanceTest::fileLeftBehindNeverBlocksAStart_data() {
    QTest::addColumn<Left>("left");
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("empty") << Left::File << QByteArray();
    static constexpr char Garbled[] = "\x7f\xff\0 not a lock\n";
    QTest::newRow("garbled") << Left::File << QByteArray(Garbled, sizeof Garbled - 1);
    // A wrapper that writes its own id and then becomes the program leaves this.
    QTest::newRow("a living process's id")
        << Left::File << QByteArray::number(QCoreApplication::applicationPid()) + '\n';
    QTest::newRow("the first process's id") << Left::File << QByteArray("1\n");
    // What others could leave while the folder was open to them, or the user by hand.
    const QByteArray kept("not the program's\n");
    QTest::newRow("read-only") << Left::ReadOnly << kept;
    QTest::newRow("writable by its group") << Left::WritableByItsGroup << kept;
    QTest::newRow("writable by others") << Left::WritableByOthers << kept;
    QTest::newRow("a FIFO") << Left::Fifo << QByteArray();
    QTest::newRow("a link to a file elsewhere") << Left::LinkToAFileElsewhere << kept;
    QTest::newRow("a second name of a file elsewhere") << Left::SecondNameOfAFileElsewhere << kept;
    QTest::newRow("another user's") << Left::OtherUsersFile << kept;
    QTest::newRow("another user's, locked by them") << Left::OtherUsersLockedFile << kept;
    QTest::newRow("an empty folder") << Left::EmptyFolder << QByteArray();
}

// Only a held kernel lock on the user's own file refuses a start; what a file
// says does not, and a file that is not the user's own is replaced, never
// locked or written.
void SingleInstanceTest::fileLeftBehindNeverBlocksAStart() {
    QFETCH(Left, left);
    QFETCH(QByteArray, contents);
    const QString elsewhere = dir_->filePath(QStringLiteral("elsewhere"));
    const bool fileElsewhere =
        left == Left::LinkToAFileElsewhere || left == Left::SecondNameOfAFileElsewhere;
    if (left == Left::EmptyFolder) {
        QVERIFY(QDir(dir_->path()).mkdir(QFileInfo(lockFile_).fileName()));
    } else if (left != Left::Fifo) {
        QFile leftBehind(fileElsewhere ? elsewhere : lockFile_);
        QVERIFY(leftBehind.open(QIODevice::WriteOnly));
        QCOMPARE(leftBehind.write(contents), contents.size());
    }
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(lockFile_);
    int othersLock = -1;
    const auto letGo = qScopeGuard([&othersLock] {
        if (othersLock != -1)
            close(othersLock);
    });
    switch (left) {
    case Left::File:
    case Left::EmptyFolder:
        break;
    case Left::ReadOnly:
        QCOMPARE(chmod(path.constData(), 0444), 0);
        break;
    case Left::WritableByItsGroup:
        QCOMPARE(chmod(path.constData(), 0660), 0);
        break;
    case Left::WritableByOthers:
        QCOMPARE(chmod(path.constData(), 0666), 0);
        break;
    case Left::Fifo:
        QCOMPARE(mkfifo(path.constData(), 0600), 0);
        break;
    case Left::LinkToAFileElsewhere:
        QVERIFY(QFile::link(elsewhere, lockFile_));
        break;
    case Left::SecondNameOfAFileElsewhere:
        QCOMPARE(link(QFile::encodeName(elsewhere).constData(), path.constData()), 0);
        break;
    case Left::OtherUsersFile:
    case Left::OtherUsersLockedFile:
        // Giving a file away takes root.
        if (geteuid() != 0)
            QSKIP("planting a file owned by another user needs root");
        QCOMPARE(chown(path.constData(), OtherUser, OtherUser), 0);
        if (left == Left::OtherUsersLockedFile) {
            othersLock = open(path.constData(), O_RDONLY | O_CLOEXEC);
            QVERIFY(othersLock != -1 && flock(othersLock, LOCK_EX | LOCK_NB) == 0);
        }
        break;
    }
#else
    if (left != Left::File && left != Left::EmptyFolder)
        QSKIP("files of other kinds and owners are planted only where files have a POSIX owner");
#endif

    Copy first(lockFile_);
    QCOMPARE(first.firstLine(), QStringLiteral("running"));
    Copy second(lockFile_);
    QVERIFY2(second.firstLine() == Refusal, "the copy that took over the file holds no lock");

    const QFileInfo lock(lockFile_);
    QVERIFY2(lock.isFile() && !lock.isSymLink(), "the lock in use is not a plain file");
    QVERIFY2(lock.ownerId() == QFileInfo(dir_->path()).ownerId(),
             "the lock in use is another user's file");
    QVERIFY2(!(lock.permissions() & (QFileDevice::WriteGroup | QFileDevice::WriteOther)),
             "the lock in use may be written by others");
    if (fileElsewhere) {
        QFile kept(elsewhere);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY2(kept.readAll() == contents, "the lock wrote into a file outside its folder");
    }
}

void SingleInstanceTest::lockFolderIsTrustedOnlyWhenItIsTheUsersAlone_data() {
    QTest::addColumn<Folder>("folder");
    QTest::addColumn<bool>("trusted");
    QTest::newRow("missing, so made") << Folder::Missing << true;
    QTest::newRow("the user's, open to all") << Folder::OpenToAll << true;
    QTest::newRow("the user's, open to its group") << Folder::OpenToItsGroup << true;
    QTest::newRow("a link to the user's folder") << Folder::Link << false;
    QTest::newRow("another user's") << Folder::OtherUsers << false;
}

// A folder of the user's that others could write is closed to them, and
// what was in it is not trusted: the lock file there may be anyone's, and
// a lock on it would refuse every start.
void SingleInstanceTest::lockFolderIsTrustedOnlyWhenItIsTheUsersAlone() {
    QFETCH(Folder, folder);
    QFETCH(bool, trusted);
    const QString parent = dir_->path();
    const QString path = parent + QStringLiteral("/lock");
    std::unique_ptr<InstanceLock> found;
    switch (folder) {
    case Folder::Missing:
        break;
    case Folder::OpenToAll:
    case Folder::OpenToItsGroup:
        QVERIFY(QDir(parent).mkdir(QStringLiteral("lock")));
        found = std::make_unique<InstanceLock>(path + QStringLiteral("/horavela.lock"));
        QCOMPARE(found->tryAcquire(), LockOutcome::Acquired);
        QVERIFY(QFile::setPermissions(
            path, QFileDevice::Permissions{folder == Folder::OpenToAll ? 0x7777 : 0x7770}));
        break;
    case Folder::Link:
        QVERIFY(QDir(parent).mkdir(QStringLiteral("made")));
        QVERIFY(QFile::link(parent + QStringLiteral("/made"), path));
        break;
    case Folder::OtherUsers:
#ifdef Q_OS_UNIX
        // Planting a folder for someone else takes the right to give it away.
        if (geteuid() != 0)
            QSKIP("planting a folder owned by another user needs root");
        QVERIFY(QDir(parent).mkdir(QStringLiteral("lock")));
        QCOMPARE(chown(QFile::encodeName(path).constData(), OtherUser, OtherUser), 0);
#else
        QSKIP("the folder's owner is checked only where folders have a POSIX owner");
#endif
        break;
    }

    const QString lockFile = InstanceLock::privateFilePath(parent, QStringLiteral("lock"));
    if (!trusted) {
        QVERIFY2(lockFile.isEmpty(), qPrintable(QStringLiteral("trusted: ") + lockFile));
        return;
    }
    QCOMPARE(lockFile, path + QStringLiteral("/horavela.lock"));
    QCOMPARE(QFileInfo(path).permissions() & OthersAndGroup, QFileDevice::Permissions{});
    InstanceLock lock(lockFile);
    QVERIFY2(lock.tryAcquire() == LockOutcome::Acquired,
             "the lock file found in a folder open to others was trusted");
}

void SingleInstanceTest::pausedStartIsRefusedOrAloneWhileCopiesComeAndGo_data() {
    // How many copies started and ended, one after the other, while the
    // start was paused (-1: as many as start in longer than a start ever
    // waited for the file to settle), and whether one more came and stays.
    QTest::addColumn<int>("comings");
    QTest::addColumn<bool>("lastStays");
    QTest::addColumn<LockOutcome>("outcome");
    QTest::newRow("one copy came and went") << 1 << false << LockOutcome::Acquired;
    QTest::newRow("ten copies came and went") << 10 << false << LockOutcome::Acquired;
    QTest::newRow("a copy came and stays") << 0 << true << LockOutcome::HeldElsewhere;
    QTest::newRow("copies never stop coming") << -1 << true << LockOutcome::HeldElsewhere;
    QTest::newRow("copies came and went for seconds") << -1 << false << LockOutcome::Acquired;
}

// A start can be held up between opening the file and locking it while
// other copies start and end. However long that lasts, the file it opened
// is the one every other copy locks: it is refused while one of them runs,
// and otherwise it is the only copy running.
void SingleInstanceTest::pausedStartIsRefusedOrAloneWhileCopiesComeAndGo() {
    QFETCH(int, comings);
    QFETCH(bool, lastStays);
    QFETCH(LockOutcome, outcome);
    // Longer than a start once tried again while its file was being replaced.
    constexpr qint64 SecondsOfCopiesMs = 2500;
    int pauses = 0;
    QStringList said;
    std::unique_ptr<Copy> stays;
    InstanceLock paused(lockFile_, [&] {
        if (pauses++ > 0)
            return;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; comings == -1 ? clock.elapsed() < SecondsOfCopiesMs : i < comings; ++i) {
            Copy copy(lockFile_, {QStringLiteral("--end-at-once")});
            said << copy.firstLine();
            if (!copy.endsWithin(WaitMs))
                said << QStringLiteral("did not end");
        }
        if (lastStays) {
            stays = std::make_unique<Copy>(lockFile_);
            said << stays->firstLine();
        }
    });
    QCOMPARE(paused.tryAcquire(), outcome);
    QCOMPARE(pauses, 1);
    QVERIFY2(said.size() >= std::max(comings, 0) + (lastStays ? 1 : 0),
             qPrintable(QStringLiteral("only %1 copies came").arg(said.size())));
    QVERIFY2(said == QStringList(said.size(), QStringLiteral("running")),
             qPrintable(QStringLiteral("the copies said: ") + said.join(QStringLiteral(", "))));
    if (outcome == LockOutcome::Acquired) {
        Copy next(lockFile_);
        QVERIFY2(next.firstLine() == Refusal, "the file locked is not the one in the lock's place");
        return;
    }
    QVERIFY(stays);
    stays->killHard();
    QVERIFY2(paused.tryAcquire() == LockOutcome::Acquired,
             "the copy refused could not start once the other ended");
    Copy next(lockFile_);
    QVERIFY2(next.firstLine() == Refusal, "the file locked is not the one in the lock's place");
}

void SingleInstanceTest::secondCopyBringsUpACopyInTheTrayAndIsOtherwiseRefused_data() {
    QTest::addColumn<QString>("firstRuns"); // the probe's option; none: no answer set
    QTest::addColumn<QString>("firstSays"); // when asked
    QTest::addColumn<bool>("broughtUp");
    QTest::newRow("in the tray") << QStringLiteral("--in-tray") << BroughtUp << true;
    QTest::newRow("with its window up")
        << QStringLiteral("--window-up") << QStringLiteral("asked with the window up") << false;
    QTest::newRow("with nothing to answer with") << QString() << QString() << false;
}

// Only a copy in the tray is brought up, quietly; every other second start
// says its message as it always did. Each start asks again.
void SingleInstanceTest::secondCopyBringsUpACopyInTheTrayAndIsOtherwiseRefused() {
    QFETCH(QString, firstRuns);
    QFETCH(QString, firstSays);
    QFETCH(bool, broughtUp);
    Copy first(lockFile_, firstRuns.isEmpty() ? QStringList() : QStringList{firstRuns});
    QCOMPARE(first.firstLine(), QStringLiteral("running"));

    for (int start = 1; start <= 2; ++start) {
        Copy second(lockFile_);
        QVERIFY2(second.endsWithin(WaitMs), "the second copy did not end");
        QVERIFY2(!second.crashed() && second.exitCode() == 0,
                 qPrintable(
                     QStringLiteral("the second copy ended with code %1").arg(second.exitCode())));
        const QString said = second.everything().trimmed();
        QVERIFY2(said == (broughtUp ? QString() : Refusal),
                 qPrintable(QStringLiteral("start %1 said \"%2\"").arg(start).arg(said)));
        if (!firstSays.isEmpty())
            QVERIFY2(first.waitForLineHolding(firstSays),
                     qPrintable(QStringLiteral("start %1 did not reach the first copy: %2")
                                    .arg(start)
                                    .arg(first.everything())));
    }
    QVERIFY2(!first.endsWithin(300), "the first copy ended when a second one asked");
}

void SingleInstanceTest::channelLeftBehindIsReplacedByTheLockHolder_data() {
    QTest::addColumn<Channel>("left");
    QTest::addColumn<bool>("listening");
    QTest::newRow("by a copy killed hard") << Channel::LeftByKilledCopy << true;
    QTest::newRow("a socket nobody listens on") << Channel::DeadSocket << true;
    QTest::newRow("a plain file") << Channel::File << true;
    // Not removed: the copy runs, and a second one is refused as before.
    QTest::newRow("a folder") << Channel::Folder << false;
}

// What a copy that ended left in the channel's place never keeps the next
// copy from being brought up.
void SingleInstanceTest::channelLeftBehindIsReplacedByTheLockHolder() {
    QFETCH(Channel, left);
    QFETCH(bool, listening);
    const QString channel = requestChannelName(dir_->path());
    switch (left) {
    case Channel::LeftByKilledCopy: {
        Copy killed(lockFile_, {QStringLiteral("--in-tray")});
        QCOMPARE(killed.firstLine(), QStringLiteral("running"));
        killed.killHard();
        break;
    }
    case Channel::DeadSocket: {
#ifdef Q_OS_UNIX
        const QByteArray path = QFile::encodeName(channel);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::copy(path.begin(), path.end(), address.sun_path);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd != -1);
        QCOMPARE(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        close(fd);
        QCOMPARE(askRunningCopy(dir_->path(), std::chrono::milliseconds(500)),
                 RequestAnswer::NoAnswer);
#else
        QSKIP("a pipe goes with its last holder: none is left behind");
#endif
        break;
    }
    case Channel::File: {
#ifdef Q_OS_UNIX
        QFile file(channel);
        QVERIFY(file.open(QIODevice::WriteOnly));
#else
        QSKIP("a pipe's name is never a file's");
#endif
        break;
    }
    case Channel::Folder:
#ifdef Q_OS_UNIX
        QVERIFY(QDir().mkpath(channel + QStringLiteral("/kept")));
#else
        QSKIP("a pipe's name is never a folder's");
#endif
        break;
    }

    Copy first(lockFile_, {QStringLiteral("--in-tray")});
    QCOMPARE(first.firstLine(), QStringLiteral("running"));
    Copy second(lockFile_);
    QVERIFY2(second.endsWithin(WaitMs), "the second copy did not end");
    const QString said = second.everything().trimmed();
    QVERIFY2(said == (listening ? QString() : Refusal),
             qPrintable(QStringLiteral("the second copy said \"%1\"").arg(said)));
    if (listening)
        QVERIFY2(first.waitForLineHolding(BroughtUp), "the first copy was not brought up");
    else
        QVERIFY2(!first.endsWithin(300), "the first copy ended over what was in the way");
}

void SingleInstanceTest::clientsThatSayNothingOrJunkDoNotHoldUpTheRunningCopy_data() {
    QTest::addColumn<int>("clients");
    QTest::addColumn<QByteArray>("said"); // by each
    QTest::addColumn<bool>("leave");      // at once, rather than staying
    QTest::newRow("says nothing") << 1 << QByteArray() << false;
    QTest::newRow("leaves at once") << 1 << QByteArray() << true;
    QTest::newRow("a wrong byte") << 1 << QByteArray("Q") << false;
    QTest::newRow("the request with more after it") << 1 << QByteArray("SS") << false;
    QTest::newRow("a lot of junk") << 1 << QByteArray(4096, 'x') << false;
    QTest::newRow("the request, leaving before the answer") << 1 << QByteArray("S") << true;
    // More than the copy serves at once: the request waits its turn.
    QTest::newRow("many saying nothing") << 12 << QByteArray() << false;
}

// The running copy answers only the one request it knows, never hangs on a
// client that says something else or nothing, and answers the next one.
void SingleInstanceTest::clientsThatSayNothingOrJunkDoNotHoldUpTheRunningCopy() {
    QFETCH(int, clients);
    QFETCH(QByteArray, said);
    QFETCH(bool, leave);
    Copy first(lockFile_, {QStringLiteral("--in-tray")});
    QCOMPARE(first.firstLine(), QStringLiteral("running"));
    std::vector<std::unique_ptr<RawClient>> raw;
    for (int n = 0; n < clients; ++n) {
        raw.push_back(std::make_unique<RawClient>(dir_->path()));
        if (n == 0)
            QVERIFY2(raw.back()->connected(), "the running copy cannot be reached");
        if (!said.isEmpty() && raw.back()->connected())
            static_cast<void>(raw.back()->say(said));
    }
    if (leave)
        raw.clear();
    else if (said != "S")
        QVERIFY2(raw.front()->answer(300).isEmpty(), "the copy answered what it was not asked");

    // Longer than an idle client is kept, so that a full house is let go first.
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(askRunningCopy(dir_->path(), std::chrono::seconds(5)), RequestAnswer::Shown);
    QVERIFY2(clock.elapsed() < 4000,
             qPrintable(QStringLiteral("the answer took %1 ms").arg(clock.elapsed())));
    QVERIFY(first.waitForLineHolding(BroughtUp));
    // Only the real request reached the tray, unless the one that left was one.
    const int asked = int(first.everything().count(BroughtUp));
    QVERIFY2(asked == 1 || (leave && said == "S" && asked == 2), qPrintable(first.everything()));
}

void SingleInstanceTest::otherUserCannotBringUpTheRunningCopy_data() {
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<bool>("channelOpenToAll"); // as made by hand
    QTest::newRow("folder closed to others") << 0700 << false;
    QTest::newRow("folder that others may pass through") << 0711 << false;
    QTest::newRow("folder and channel open to all") << 0711 << true;
}

// Another user, even one who can reach the channel, is not answered.
void SingleInstanceTest::otherUserCannotBringUpTheRunningCopy() {
#ifdef Q_OS_UNIX
    QFETCH(int, folderMode);
    QFETCH(bool, channelOpenToAll);
    // Acting as another user takes root.
    if (geteuid() != 0)
        QSKIP("asking as another user needs root");
    Copy first(lockFile_, {QStringLiteral("--in-tray")});
    QCOMPARE(first.firstLine(), QStringLiteral("running"));
    const QString channel = requestChannelName(dir_->path());
    QCOMPARE(chmod(QFile::encodeName(dir_->path()).constData(), mode_t(folderMode)), 0);
    if (channelOpenToAll)
        QCOMPARE(chmod(QFile::encodeName(channel).constData(), 0666), 0);

    QVERIFY(seteuid(OtherUser) == 0);
    QByteArray answer;
    bool connected = false;
    {
        RawClient other(dir_->path());
        connected = other.connected();
        if (connected && other.say("S"))
            answer = other.answer(WaitMs);
    }
    const RequestAnswer asked = askRunningCopy(dir_->path(), std::chrono::milliseconds(500));
    QVERIFY(seteuid(0) == 0);
    QVERIFY2(connected == channelOpenToAll, "the channel's own mode did not keep others out");
    QVERIFY2(answer.isEmpty(), "another user was answered");
    QCOMPARE(asked, RequestAnswer::NoAnswer);
    QVERIFY2(!first.everything().contains(BroughtUp), "another user brought the copy up");
    QCOMPARE(askRunningCopy(dir_->path(), std::chrono::seconds(2)), RequestAnswer::Shown);
#else
    QSKIP("the channel's users are told apart where files have a POSIX owner");
#endif
}

} // namespace horavela

QTEST_GUILESS_MAIN(horavela::SingleInstanceTest)
#include "SingleInstanceTest.moc"
