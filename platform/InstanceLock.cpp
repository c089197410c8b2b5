#include "platform/InstanceLock.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

#ifdef _WIN32
#include <shlobj.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace horavela {

namespace {

const QString LockFileName = QStringLiteral("horavela.lock");

} // namespace

InstanceLock::InstanceLock(QString filePath) : path_(std::move(filePath)) {}

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
    if (file == INVALID_HANDLE_VALUE)
        return LockOutcome::Unavailable;
    OVERLAPPED where = lockedByte();
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &where)) {
        const DWORD error = GetLastError();
        CloseHandle(file);
        return error == ERROR_LOCK_VIOLATION ? LockOutcome::HeldElsewhere
                                             : LockOutcome::Unavailable;
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

// The process id is only for people looking; the lock alone decides.
bool writeProcessId(int fd) {
    const QByteArray pid = QByteArray::number(qlonglong{getpid()}) + '\n';
    return ftruncate(fd, 0) == 0 && write(fd, pid.constData(), pid.size()) == pid.size();
}

} // namespace

LockOutcome InstanceLock::tryAcquire() {
    if (handle_ != -1)
        return LockOutcome::Acquired;
    const QByteArray path = QFile::encodeName(path_);
    // A copy that ends removes its file while it still holds the lock; one
    // that opened the old file just before then finds it gone and tries anew.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd == -1)
            return LockOutcome::Unavailable;
        if (flock(fd, LOCK_EX | LOCK_NB) == -1) {
            const int error = errno;
            close(fd);
            return error == EWOULDBLOCK ? LockOutcome::HeldElsewhere : LockOutcome::Unavailable;
        }
        struct stat opened {};
        struct stat named {};
        if (fstat(fd, &opened) == 0 && stat(path.constData(), &named) == 0 &&
            opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
            // A file without the id locks just as well.
            static_cast<void>(writeProcessId(fd));
            handle_ = fd;
            return LockOutcome::Acquired;
        }
        close(fd);
    }
    return LockOutcome::Unavailable;
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
    struct stat found {};
    if (lstat(path.constData(), &found) == -1 || !S_ISDIR(found.st_mode) ||
        found.st_uid != geteuid())
        return {};
    // Ours, but open to others (made by hand, or under an old umask): close it.
    if ((found.st_mode & 077) != 0 && chmod(path.constData(), 0700) == -1)
        return {};
    return QDir(folder).filePath(LockFileName);
}

#endif

} // namespace horavela
