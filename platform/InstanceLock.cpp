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
#include <algorithm>
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

std::function<void()>& afterLockingHook() {
    static std::function<void()> hook;
    return hook;
}

} // namespace

InstanceLock::InstanceLock(QString filePath) : path_(std::move(filePath)) {}

void InstanceLock::setAfterLockingHook(std::function<void()> hook) {
    afterLockingHook() = std::move(hook);
}

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
    const HANDLE file = CreateFileW(
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path_).utf16()),
        GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        problem_ = QStringLiteral("cannot open it (%1)").arg(qt_error_string(int(GetLastError())));
        return LockOutcome::Unavailable;
    }
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

// The process id is only for people looking; the lock alone decides.
bool writeProcessId(int fd) {
    const QByteArray pid = QByteArray::number(qlonglong{getpid()}) + '\n';
    return ftruncate(fd, 0) == 0 && write(fd, pid.constData(), pid.size()) == pid.size();
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Only a plain file that this user alone can have written is the lock:
// another user's file, one that others may write, a second name of some
// other file or a FIFO is not, however it came into the folder.
bool isOwnLockFile(const struct stat& file) {
    return S_ISREG(file.st_mode) && file.st_uid == geteuid() && file.st_nlink == 1 &&
           (file.st_mode & (S_IRUSR | S_IWUSR | S_IWGRP | S_IWOTH)) == (S_IRUSR | S_IWUSR);
}

// Copies that change what is in the folder do it one at a time, so that none
// removes the file another has just made in place of the one it judged.
bool holdFolder(int folder, const QDeadlineTimer& deadline) {
    while (flock(folder, LOCK_EX | LOCK_NB) == -1) {
        if (errno != EWOULDBLOCK || deadline.hasExpired())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Removes what stands at `path` while it is still what was refused: the file
// `refused` when it was opened, otherwise whatever is not a lock file.
// Returns 0, or the error that kept it there.
int removeRefused(const QByteArray& folder, const QByteArray& path, const struct stat* refused,
                  const QDeadlineTimer& deadline) {
    const int dir = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir == -1)
        return errno;
    int error = 0;
    struct stat found {};
    if (!holdFolder(dir, deadline))
        error = errno;
    else if (lstat(path.constData(), &found) == 0 &&
             (refused ? sameFile(found, *refused) : !isOwnLockFile(found)) &&
             (S_ISDIR(found.st_mode) ? rmdir(path.constData()) : unlink(path.constData())) == -1 &&
             errno != ENOENT)
        error = errno;
    close(dir);
    return error;
}

} // namespace

LockOutcome InstanceLock::tryAcquire() {
    if (handle_ != -1)
        return LockOutcome::Acquired;
    problem_.clear();
    const QByteArray path = QFile::encodeName(path_);
    const QByteArray folder = QFile::encodeName(QFileInfo(path_).path());
    const QDeadlineTimer deadline(ChangingFileLimitMs);
    // A copy that ends removes its file while it still holds the lock, and a
    // refused file is replaced: a copy that opened the old file finds it gone
    // and tries anew, for as long as other copies keep coming and going.
    QString trouble = QStringLiteral("the file kept being replaced");
    for (int attempt = 0;; ++attempt) {
        if (attempt > 0) {
            if (deadline.hasExpired()) {
                problem_ =
                    QStringLiteral("gave up after %1 ms: %2").arg(ChangingFileLimitMs).arg(trouble);
                return LockOutcome::Unavailable;
            }
            // Most changes are over at once; a slow one gets a little longer each time.
            std::this_thread::sleep_for(std::chrono::milliseconds(std::min(attempt - 1, 10)));
        }
        int fd = open(path.constData(), OpenFlags);
        if (fd == -1 && errno == ENOENT) {
            fd = open(path.constData(), OpenFlags | O_CREAT | O_EXCL, S_IRUSR | S_IWUSR);
            if (fd == -1 && errno == EEXIST)
                continue; // another copy made it just now
            if (fd == -1) {
                problem_ =
                    QStringLiteral("its folder cannot hold it (%1)").arg(qt_error_string(errno));
                return LockOutcome::Unavailable;
            }
            // Whatever the umask, or the next copy would refuse it.
            fchmod(fd, S_IRUSR | S_IWUSR);
        }
        struct stat opened {};
        const struct stat* refused = nullptr;
        if (fd == -1) {
            // A link, a folder, a file this user may not write...; unless the
            // path holds a lock file again by now, which is tried anew.
            trouble = QStringLiteral("cannot open it (%1)").arg(qt_error_string(errno));
        } else if (fstat(fd, &opened) == -1 || !isOwnLockFile(opened)) {
            close(fd);
            refused = &opened;
            trouble = QStringLiteral("the file kept being replaced");
        } else if (flock(fd, LOCK_EX | LOCK_NB) == -1) {
            const int error = errno;
            close(fd);
            if (error == EWOULDBLOCK)
                return LockOutcome::HeldElsewhere;
            problem_ =
                QStringLiteral("the system does not lock it (%1)").arg(qt_error_string(error));
            return LockOutcome::Unavailable;
        } else {
            if (const auto& hook = afterLockingHook())
                hook();
            struct stat named {};
            if (lstat(path.constData(), &named) == 0 && sameFile(opened, named)) {
                // A file without the id locks just as well.
                static_cast<void>(writeProcessId(fd));
                handle_ = fd;
                return LockOutcome::Acquired;
            }
            close(fd);
            trouble = QStringLiteral("the file kept being replaced");
            continue;
        }
        // Not this program's lock file: the folder is this user's, so what
        // stands there goes and a new file is made in its place.
        if (const int error = removeRefused(folder, path, refused, deadline)) {
            problem_ = QStringLiteral("what stands in its place cannot be removed (%1)")
                           .arg(qt_error_string(error));
            return LockOutcome::Unavailable;
        }
    }
}

void InstanceLock::release() {
    if (handle_ == -1)
        return;
    // Removed while still locked, so no copy can lock this file after it is gone.
    unlink(QFile::encodeName(path_).constData());
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
        usable = holdFolder(dir, QDeadlineTimer(ChangingFileLimitMs)) && fstat(dir, &found) == 0;
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
