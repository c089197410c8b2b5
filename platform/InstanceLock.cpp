#include "platform/InstanceLock.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

#ifdef _WIN32
#include <shlobj.h>
#include <windows.h>
#else
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#endif

namespace horavela {

namespace {

const QString LockFileName = QStringLiteral("horavela.lock");

} // namespace

InstanceLock::InstanceLock(QString filePath, std::function<void()> afterOpening)
    : path_(std::move(filePath)), afterOpening_(std::move(afterOpening)) {}

InstanceLock::~InstanceLock() {
    release();
}

QString InstanceLock::perUserFolder() {
    const QString file = perUserFilePath();
    return file.isEmpty() ? QString() : QFileInfo(file).path();
}

#ifdef _WIN32

namespace {

HANDLE asHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// One byte far past the file's text, so that the locked range never hides
// the process id written at the start from a reader.
OVERLAPPED lockedByte() {
    OVERLAPPED where{};
    where.OffsetHigh = 1;
    return where;
}

} // namespace

LockOutcome InstanceLock::tryAcquire() {
    if (handle_ != -1)
        return LockOutcome::Acquired;
    problem_.clear();
    const HANDLE file = CreateFileW(
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path_).utf16()),
        GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        problem_ = QStringLiteral("cannot open it (%1)").arg(qt_error_string(int(GetLastError())));
        return LockOutcome::Unavailable;
    }
    if (afterOpening_)
        afterOpening_();
    OVERLAPPED where = lockedByte();
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &where)) {
        const DWORD error = GetLastError();
        CloseHandle(file);
        if (error == ERROR_LOCK_VIOLATION)
            return LockOutcome::HeldElsewhere;
        problem_ =
            QStringLiteral("the system does not lock it (%1)").arg(qt_error_string(int(error)));
        return LockOutcome::Unavailable;
    }
    // The process id is only for people looking; the lock alone decides.
    const QByteArray pid = QByteArray::number(qulonglong{GetCurrentProcessId()}) + '\n';
    DWORD written = 0;
    SetEndOfFile(file);
    WriteFile(file, pid.constData(), static_cast<DWORD>(pid.size()), &written, nullptr);
    handle_ = reinterpret_cast<std::intptr_t>(file);
    return LockOutcome::Acquired;
}

// The file stays: removing it could race with a copy that has just opened it.
void InstanceLock::release() {
    if (handle_ == -1)
        return;
    OVERLAPPED where = lockedByte();
    UnlockFileEx(asHandle(handle_), 0, 1, 0, &where);
    CloseHandle(asHandle(handle_));
    handle_ = -1;
}

QString InstanceLock::perUserFilePath() {
    // The user's local application data folder is found by the user's
    // account, not by environment variables, and only that user may write it.
    PWSTR folder = nullptr;
    QString parent;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &folder)))
        parent = QDir::fromNativeSeparators(QString::fromWCharArray(folder));
    CoTaskMemFree(folder);
    if (parent.isEmpty())
        return {};
    return privateFilePath(parent, QStringLiteral("Horavela"));
}

QString InstanceLock::privateFilePath(const QString& parent, const QString& name) {
    const QString folder = QDir(parent).filePath(name);
    const auto* native = reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(folder).utf16());
    CreateDirectoryW(native, nullptr); // inherits the parent's per-user access rights
    const DWORD attributes = GetFileAttributesW(native);
    // A junction could send the lock to a folder that others share.
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return {};
    return QDir(folder).filePath(LockFileName);
}

#else

namespace {

// Never blocks: a FIFO or a device at the path opens at once, to be refused.
constexpr int OpenFlags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// Another copy holds the folder for a few system calls; a holder that keeps
// it longer is stuck, or not one of ours, and is not waited for.
constexpr int FolderWaitLimitMs = 2000;

// The process id is only for people looking; the lock alone decides.
bool writeProcessId(int fd) {
    const QByteArray pid = QByteArray::number(qlonglong{getpid()}) + '\n';
    return ftruncate(fd, 0) == 0 && write(fd, pid.constData(), pid.size()) == pid.size();
}

// Only a plain file that this user alone can have written is the lock:
// another user's file, one that others may write, a second name of some
// other file or a FIFO is not, however it came into the folder.
bool isOwnLockFile(const struct stat& file) {
    return S_ISREG(file.st_mode) && file.st_uid == geteuid() && file.st_nlink == 1 &&
           (file.st_mode & (S_IRUSR | S_IWUSR | S_IWGRP | S_IWOTH)) == (S_IRUSR | S_IWUSR);
}

bool isOwnLockFile(int fd) {
    struct stat file {};
    return fstat(fd, &file) == 0 && isOwnLockFile(file);
}

// Copies that change what is in the folder do it one at a time, so that none
// removes the file another has just made.
bool holdFolder(int folder) {
    const QDeadlineTimer deadline(FolderWaitLimitMs);
    while (flock(folder, LOCK_EX | LOCK_NB) == -1) {
        if (errno != EWOULDBLOCK || deadline.hasExpired())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Opens the lock file in `folder`, made anew when it is missing or when what
// stands in its place is not a lock file of this user's; -1 with `problem`
// set when there is none to be had.
int makeLockFile(const QString& folder, const QByteArray& name, QString& problem) {
    const int dir = open(QFile::encodeName(folder).constData(),
                         O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir == -1) {
        problem = QStringLiteral("its folder cannot hold it (%1)").arg(qt_error_string(errno));
        return -1;
    }
    int fd = -1;
    struct stat found {};
    if (!holdFolder(dir)) {
        problem = QStringLiteral("its folder stayed busy (%1)").arg(qt_error_string(errno));
    } else if (fstatat(dir, name.constData(), &found, AT_SYMLINK_NOFOLLOW) == 0 &&
               !isOwnLockFile(found) &&
               unlinkat(dir, name.constData(), S_ISDIR(found.st_mode) ? AT_REMOVEDIR : 0) == -1 &&
               errno != ENOENT) {
        problem = QStringLiteral("what stands in its place cannot be removed (%1)")
                      .arg(qt_error_string(errno));
    } else {
        // Either no file, or the one another copy made since this copy looked.
        fd = openat(dir, name.constData(), OpenFlags | O_CREAT, S_IRUSR | S_IWUSR);
        if (fd == -1) {
            problem = QStringLiteral("its folder cannot hold it (%1)").arg(qt_error_string(errno));
        } else if (fchmod(fd, S_IRUSR | S_IWUSR) == -1 || !isOwnLockFile(fd)) {
            // Whatever the umask the file is made with, or the next copy
            // would refuse it; what is still not a lock file is not locked.
            problem = QStringLiteral("what stands in its place is not a lock file");
            close(fd);
            fd = -1;
        }
    }
    close(dir);
    return fd;
}

} // namespace

LockOutcome InstanceLock::tryAcquire() {
    if (handle_ != -1)
        return LockOutcome::Acquired;
    problem_.clear();
    // Almost every start finds the file an earlier copy made; the folder
    // changes only when there is none, or when what is there is not this
    // user's lock file.
    int fd = open(QFile::encodeName(path_).constData(), OpenFlags);
    if (fd != -1 && !isOwnLockFile(fd)) {
        close(fd);
        fd = -1;
    }
    if (fd == -1) {
        const QFileInfo where(path_);
        fd = makeLockFile(where.path(), QFile::encodeName(where.fileName()), problem_);
        if (fd == -1)
            return LockOutcome::Unavailable;
    }
    if (afterOpening_)
        afterOpening_();
    if (flock(fd, LOCK_EX | LOCK_NB) == -1) {
        const int error = errno;
        close(fd);
        if (error == EWOULDBLOCK)
            return LockOutcome::HeldElsewhere;
        problem_ = QStringLiteral("the system does not lock it (%1)").arg(qt_error_string(error));
        return LockOutcome::Unavailable;
    }
    // A file without the id locks just as well.
    static_cast<void>(writeProcessId(fd));
    handle_ = fd;
    return LockOutcome::Acquired;
}

// The file stays: a copy that has opened it and not yet locked it then locks
// the same file as every later copy.
void InstanceLock::release() {
    if (handle_ == -1)
        return;
    close(static_cast<int>(handle_));
    handle_ = -1;
}

QString InstanceLock::perUserFilePath() {
    // Named by the user's id alone: every copy of this user finds the same
    // folder whatever TMPDIR, XDG_RUNTIME_DIR or the current folder say.
    // "/tmp" itself is on every system of this family and open to all users,
    // so the folder in it is checked before it is trusted.
    return privateFilePath(QStringLiteral("/tmp"),
                           QStringLiteral("horavela-%1").arg(qulonglong{geteuid()}));
}

QString InstanceLock::privateFilePath(const QString& parent, const QString& name) {
    const QString folder = QDir(parent).filePath(name);
    const QByteArray path = QFile::encodeName(folder);
    if (mkdir(path.constData(), 0700) == -1 && errno != EEXIST)
        return {};
    // Opened without following a link, so that what is checked is what is changed.
    const int dir = open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir == -1)
        return {};
    struct stat found {};
    bool usable = fstat(dir, &found) == 0 && found.st_uid == geteuid();
    // Ours, but open to others (made by hand, or under an old umask): anyone
    // could have put a lock file of theirs in it, so it is closed and the
    // file goes; the lock makes a new one. One copy at a time, so that none
    // removes the file of a copy that came after the folder was closed.
    if (usable && (found.st_mode & 077) != 0) {
        usable = holdFolder(dir) && fstat(dir, &found) == 0;
        if (usable && (found.st_mode & 077) != 0) {
            usable = fchmod(dir, 0700) == 0;
            // What cannot be removed here, a folder say, the lock refuses in its turn.
            if (usable)
                unlinkat(dir, QFile::encodeName(LockFileName).constData(), 0);
        }
    }
    close(dir);
    return usable ? QDir(folder).filePath(LockFileName) : QString();
}

#endif

} // namespace horavela
