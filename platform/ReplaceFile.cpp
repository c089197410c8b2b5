#include "platform/ReplaceFile.h"

#include <QByteArrayView>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>

#ifdef _WIN32
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <windows.h>
#else
#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace horavela {

namespace {

// A temporary younger than this may be another copy's, saving now.
constexpr int LeftoverAgeSeconds = 60;
constexpr QByteArrayView TemporaryMark = ".horavela-";
constexpr int TemporaryLetters = 6;
// The longest file name most file systems take, in bytes.
constexpr qsizetype NameLimit = 255;
// Tries at a free temporary name before the folder is taken to be broken.
constexpr int NameTries = 100;

// ".<name>.horavela-" and six letters or digits: QSaveFile's "<name>.XXXXXX", editors' and
// other programs' files never match.
bool isTemporaryName(QByteArrayView name) {
    const qsizetype markAt = name.size() - TemporaryLetters - TemporaryMark.size();
    if (markAt < 2 || !name.startsWith('.') ||
        name.sliced(markAt, TemporaryMark.size()) != TemporaryMark)
        return false;
    return std::all_of(name.end() - TemporaryLetters, name.end(), [](char letter) {
        return (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z') ||
               (letter >= '0' && letter <= '9');
    });
}

// A fresh temporary name for the file name, in UTF-8; a long name is cut at a character's
// start so that the whole stays within the limit.
QByteArray temporaryName(QByteArray name) {
    qsizetype keep = NameLimit - 1 - TemporaryMark.size() - TemporaryLetters;
    if (name.size() > keep) {
        while (keep > 0 && (static_cast<unsigned char>(name.at(keep)) & 0xC0) == 0x80)
            --keep;
        name.truncate(keep);
    }
    static constexpr char Letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray temporary = '.' + name + TemporaryMark.toByteArray();
    for (int letter = 0; letter < TemporaryLetters; ++letter)
        temporary += Letters[QRandomGenerator::global()->bounded(int(sizeof Letters) - 1)];
    return temporary;
}

ReplaceOutcome refused(ReplaceProblem problem) {
    return {problem, {}};
}

ReplaceOutcome systemFailure(int code) {
    return {ReplaceProblem::System, qt_error_string(code)};
}

} // namespace

#ifdef _WIN32

namespace {

const wchar_t* native(const QString& path) {
    return reinterpret_cast<const wchar_t*>(path.utf16());
}

// Windows' own access rights decide whose files these may be.
void removeLeftovers(const QDir& folder) {
    const QDateTime oldest = QDateTime::currentDateTimeUtc().addSecs(-LeftoverAgeSeconds);
    const QFileInfoList found = folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& file : found)
        if (isTemporaryName(file.fileName().toUtf8()) && file.lastModified().toUTC() < oldest)
            QFile::remove(file.absoluteFilePath());
}

} // namespace

ReplaceOutcome replaceFile(const QString& path, const QByteArray& bytes) {
    QFileInfo info(path);
    if (path.isEmpty() || info.fileName().isEmpty())
        return refused(ReplaceProblem::NoName);
    // Windows has no rule on whose link may be followed: the file it leads to is written.
    if (info.isSymbolicLink())
        info = QFileInfo(info.symLinkTarget());
    if (info.isDir())
        return refused(ReplaceProblem::Folder);
    if (info.exists() && !info.isFile())
        return refused(ReplaceProblem::NotRegularFile);
    const QDir folder = info.absoluteDir();
    if (!folder.exists())
        return refused(ReplaceProblem::FolderMissing);
    removeLeftovers(folder);

    QString temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < NameTries && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = QDir::toNativeSeparators(
            folder.filePath(QString::fromUtf8(temporaryName(info.fileName().toUtf8()))));
        file = CreateFileW(native(temporary), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (file == INVALID_HANDLE_VALUE)
        return systemFailure(int(GetLastError()));
    DWORD error = 0;
    for (qsizetype done = 0; done < bytes.size() && error == 0;) {
        const DWORD chunk = DWORD(std::min<qsizetype>(bytes.size() - done, 1 << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.constData() + done, chunk, &written, nullptr))
            error = GetLastError();
        done += written;
    }
    if (error == 0 && !FlushFileBuffers(file))
        error = GetLastError();
    CloseHandle(file);
    if (error == 0 &&
        !MoveFileExW(native(temporary), native(QDir::toNativeSeparators(info.absoluteFilePath())),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != 0) {
        DeleteFileW(native(temporary));
        return systemFailure(int(error));
    }
    return {};
}

#else

namespace {

// Links followed one after another before the path is taken for a loop, as the kernel does.
constexpr int LinkLimit = 40;

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash == -1 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

// What a link holds; empty, with errno set, when it cannot be read.
QByteArray linkText(const QByteArray& link) {
    QByteArray text(256, Qt::Uninitialized);
    for (;;) {
        const ssize_t size = readlink(link.constData(), text.data(), size_t(text.size()));
        if (size == -1)
            return {};
        if (size < text.size()) {
            text.truncate(size);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

// What is to be replaced: the path itself, or the file its links lead to when each of them
// may be followed. Nothing but lstat and stat looks at it, so a FIFO or a device is refused
// without being opened.
struct Target {
    QByteArray path;
    bool exists = false;
    struct stat status {};
};

ReplaceOutcome resolve(QByteArray path, Target& target) {
    for (int link = 0; link <= LinkLimit; ++link) {
        struct stat here {};
        if (lstat(path.constData(), &here) == -1) {
            if (errno == ENOTDIR)
                return refused(ReplaceProblem::FolderMissing);
            if (errno != ENOENT)
                return systemFailure(errno);
            struct stat folder {};
            if (stat(folderOf(path).constData(), &folder) == -1) {
                if (errno == ENOENT || errno == ENOTDIR)
                    return refused(ReplaceProblem::FolderMissing);
                return systemFailure(errno);
            }
            if (!S_ISDIR(folder.st_mode))
                return refused(ReplaceProblem::FolderMissing);
            target = {path, false, {}};
            return {};
        }
        switch (here.st_mode & S_IFMT) {
        case S_IFREG:
            // A file made read-only is not to be changed, though its folder would let it be
            // replaced.
            if (access(path.constData(), W_OK) == -1)
                return systemFailure(errno);
            target = {path, true, here};
            return {};
        case S_IFDIR:
            return refused(ReplaceProblem::Folder);
        case S_IFIFO:
            return refused(ReplaceProblem::Fifo);
        case S_IFCHR:
            return refused(ReplaceProblem::CharacterDevice);
        case S_IFBLK:
            return refused(ReplaceProblem::BlockDevice);
        case S_IFSOCK:
            return refused(ReplaceProblem::Socket);
        case S_IFLNK:
            break;
        default:
            return refused(ReplaceProblem::NotRegularFile);
        }
        // Another user's link in a folder others write to could send even root's file to
        // wherever that user likes; a link to that user's own file can do no such harm.
        struct stat end {};
        const bool ends = stat(path.constData(), &end) == 0;
        if (here.st_uid != geteuid() && !(ends && end.st_uid == here.st_uid))
            return refused(ReplaceProblem::ForeignLink);
        const QByteArray next = linkText(path);
        if (next.isEmpty())
            return systemFailure(errno);
        path = next.startsWith('/') ? next : folderOf(path) + '/' + next;
    }
    return systemFailure(ELOOP);
}

// Our own temporaries that a copy stopped part-way left: regular files of this user's alone,
// old enough that no copy is still writing them.
void removeLeftovers(int folder) {
    const int listing = dup(folder);
    DIR* entries = listing == -1 ? nullptr : fdopendir(listing);
    if (entries == nullptr) {
        if (listing != -1)
            close(listing);
        return;
    }
    const time_t oldest = time(nullptr) - LeftoverAgeSeconds;
    while (const dirent* entry = readdir(entries)) {
        struct stat found {};
        if (isTemporaryName(entry->d_name) &&
            fstatat(folder, entry->d_name, &found, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(found.st_mode) && found.st_uid == geteuid() && found.st_nlink == 1 &&
            found.st_mtime < oldest)
            unlinkat(folder, entry->d_name, 0);
    }
    closedir(entries);
}

bool writeAll(int file, const QByteArray& bytes) {
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = write(file, next, size_t(std::min<qsizetype>(left, 1 << 30)));
        if (written == -1 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

// The replaced file keeps its owner where the user may give it, and its access rights.
void keepOwnerAndMode(int file, const struct stat& was) {
    if (was.st_uid != geteuid() || was.st_gid != getegid())
        static_cast<void>(fchown(file, was.st_uid, was.st_gid));
    static_cast<void>(fchmod(file, was.st_mode & 07777));
}

ReplaceOutcome writeBeside(const Target& target, const QByteArray& bytes) {
    const QByteArray name = nameOf(target.path);
    if (name.isEmpty())
        return refused(ReplaceProblem::NoName);
    const int folder = open(folderOf(target.path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder == -1)
        return systemFailure(errno);
    removeLeftovers(folder);

    QByteArray temporary;
    int file = -1;
    for (int attempt = 0; attempt < NameTries && file == -1; ++attempt) {
        temporary = temporaryName(name);
        file = openat(folder, temporary.constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (file == -1 && errno != EEXIST)
            break;
    }
    if (file == -1) {
        const int error = errno;
        close(folder);
        return systemFailure(error);
    }
    if (target.exists)
        keepOwnerAndMode(file, target.status);
    int error = 0;
    if (!writeAll(file, bytes) || fsync(file) == -1)
        error = errno;
    // Some network file systems report a failed write only here.
    if (close(file) == -1 && error == 0)
        error = errno;
    if (error == 0 && renameat(folder, temporary.constData(), folder, name.constData()) == -1)
        error = errno;
    if (error != 0)
        unlinkat(folder, temporary.constData(), 0);
    else
        // The rename on disk too; a folder that cannot be synced still holds the new file.
        static_cast<void>(fsync(folder));
    close(folder);
    return error != 0 ? systemFailure(error) : ReplaceOutcome{};
}

} // namespace

ReplaceOutcome replaceFile(const QString& path, const QByteArray& bytes) {
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.isEmpty() || encoded.endsWith('/'))
        return refused(ReplaceProblem::NoName);
    Target target;
    if (const ReplaceOutcome found = resolve(encoded, target);
        found.problem != ReplaceProblem::None)
        return found;
    return writeBeside(target, bytes);
}

#endif

} // namespace horavela
