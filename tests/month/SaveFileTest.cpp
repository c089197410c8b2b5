#include "month/SaveFile.h"

#include "tests/support/RunApart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

#if defined(__unix__)
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif
#if defined(__linux__)
#include <sched.h>
#include <sys/mount.h>
#include <sys/sysmacros.h>
#endif

namespace horavela {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Everything in the folder, hidden names too, sorted: "a | b".
std::string listing(const QString& folder) {
    return QDir(folder)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
        .join(QStringLiteral(" | "))
        .toStdString();
}

#if defined(__unix__)
// The kind of what stands at path, a link not followed; 0 for nothing.
mode_t kindAt(const QString& path) {
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

uid_t ownerOf(const QString& path) {
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_uid : uid_t(-1);
}

// The user that root gives what is another user's.
std::optional<passwd> nobody() {
    const passwd* found = getpwnam("nobody");
    return found ? std::optional<passwd>(*found) : std::nullopt;
}

std::string limitFileSize(const QString&) {
    const rlimit small{4096, RLIM_INFINITY};
    std::signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &small) == -1)
        return std::string("no file size limit: ") + std::strerror(errno);
    return {};
}

// A disk of four pages over the folder, seen by this process alone.
std::string smallDisk(const QString& folder) {
#if defined(__linux__)
    if (unshare(CLONE_NEWNS) == -1)
        return std::string("no mount namespace of its own (root only): ") + std::strerror(errno);
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == -1 ||
        mount("none", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=16k") == -1)
        return std::string("cannot mount a small tmpfs: ") + std::strerror(errno);
    return {};
#else
    static_cast<void>(folder);
    return "no tmpfs here";
#endif
}
#endif

enum Kind { File, Folder, Link, SecondName, OthersFile };
enum class Made { Yes, No, NotHere };

// Written as a copy stopped part-way leaves it, not saved: a save would tidy the folder.
bool leaveFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("left") == 4;
}

// Something at path that looks like a temporary of the program's; a link and a second name are
// of `kept`.
Made makeLeftover(Kind kind, const QString& path, [[maybe_unused]] const QString& kept) {
    switch (kind) {
    case File:
        return leaveFile(path) ? Made::Yes : Made::No;
    case Folder:
        return QDir().mkdir(path) ? Made::Yes : Made::No;
#if defined(__unix__)
    case Link:
        return symlink("kept.txt", QFile::encodeName(path).constData()) == 0 ? Made::Yes : Made::No;
    case SecondName:
        return link(QFile::encodeName(kept).constData(), QFile::encodeName(path).constData()) == 0
                   ? Made::Yes
                   : Made::No;
    case OthersFile:
        if (!runsAsRoot() || !nobody())
            return Made::NotHere;
        return leaveFile(path) &&
                       chown(QFile::encodeName(path).constData(), nobody()->pw_uid, uid_t(-1)) == 0
                   ? Made::Yes
                   : Made::No;
#endif
    default:
        return Made::NotHere;
    }
}

// A link's own time, not its target's.
bool madeAnHourOld(const QString& path) {
#if defined(__unix__)
    const timespec times[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    return utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) ==
           0;
#else
    // The C runtime sets no folder's time here: a folder stays new, kept for its age as well.
    if (QFileInfo(path).isDir())
        return true;
    std::error_code error;
    std::filesystem::last_write_time(
        std::filesystem::path(path.toStdU16String()),
        std::filesystem::file_time_type::clock::now() - std::chrono::hours(1), error);
    return !error;
#endif
}

// A new file, then the same file shorter, under names that are not ASCII; then failures.
TEST(SaveWhole, WritesWholeOrNamesTheFileAndLeavesItAsItWas) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("மாதம்")));
    const QString existing = folder.filePath(QStringLiteral("மாதம்/ராகு காலம்.csv"));
    for (const QByteArray& bytes : {QByteArray("first, longer\r\n"), QByteArray("as it was")}) {
        const std::optional<QString> failure = saveWhole(existing, bytes);
        ASSERT_FALSE(failure) << failure->toStdString();
        EXPECT_EQ(contents(existing), bytes);
    }
    const struct {
        const char* what;
        QString path;
        const char* reason;
    } rows[] = {
        {"a folder that does not exist", folder.filePath(QStringLiteral("none/month.csv")),
         "the folder does not exist"},
        {"a folder's name", folder.filePath(QStringLiteral("மாதம்")), "it is a folder"},
        {"no name", QString(), "no file name given"},
        {"a file standing for a folder", existing + QStringLiteral("/month.csv"),
         "the folder does not exist"},
        {"a file's name with a separator after it", existing + QStringLiteral("/"),
         "no file name given"},
    };
    for (const auto& row : rows) {
        const std::optional<QString> failure = saveWhole(row.path, "new");
        ASSERT_TRUE(failure) << row.what << ": reported as saved";
        EXPECT_TRUE(failure->contains(QDir::toNativeSeparators(row.path)) &&
                    failure->contains(QString::fromUtf8(row.reason)))
            << failure->toStdString();
    }
    EXPECT_EQ(contents(existing), "as it was");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("மாதம்")});
    EXPECT_EQ(QDir(folder.filePath(QStringLiteral("மாதம்"))).entryList(QDir::Files),
              QStringList{QStringLiteral("ராகு காலம்.csv")});
}

// Root writes into any folder and over any file, so as root the save is tried as nobody, whom
// the read-only folder and file refuse.
TEST(SaveWhole, ReadOnlyFolderKeepsItsFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("kept.csv"));
    const auto writable = [&](bool writable) {
        return QFile::setPermissions(folder.path(),
                                     QFile::ReadOwner | QFile::ExeOwner |
                                         (writable ? QFile::WriteOwner : QFile::Permissions()));
    };
    const auto check = [&] {
        ASSERT_FALSE(saveWhole(path, "as it was"));
        ASSERT_TRUE(writable(false));
        const std::optional<QString> failure = saveWhole(path, "new");
        writable(true);
        ASSERT_TRUE(failure) << "reported as saved";
        EXPECT_TRUE(failure->contains(QDir::toNativeSeparators(path)) &&
                    failure->contains(QStringLiteral("Permission denied")))
            << failure->toStdString();
        EXPECT_EQ(contents(path), "as it was");
        // A file made read-only in a folder that is not.
        ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
        const std::optional<QString> readOnlyFile = saveWhole(path, "new");
        ASSERT_TRUE(readOnlyFile) << "a read-only file was replaced";
        EXPECT_TRUE(readOnlyFile->contains(QStringLiteral("Permission denied")))
            << readOnlyFile->toStdString();
        EXPECT_EQ(contents(path), "as it was");
    };
    if (runsAsRoot()) {
        const PartRun asNobody = runApart(becomeNobodyOwning(folder.path()), check);
        if (!asNobody.ran)
            GTEST_SKIP() << asNobody.whyNot;
        EXPECT_TRUE(asNobody.passed) << "the save as nobody failed: see above";
        return;
    }
    ASSERT_TRUE(writable(false));
    QFile probe(folder.filePath(QStringLiteral("probe")));
    const bool writesAnyway = probe.open(QIODevice::WriteOnly);
    probe.remove();
    writable(true);
    if (writesAnyway)
        GTEST_SKIP() << "this user writes into a read-only folder";
    check();
}

// A disk that fills up part-way, and a file size limit: the file stays as it was, no temporary
// is left, and the message gives the system's own reason. Each in a process of its own.
TEST(SaveWhole, WriteCutShortKeepsTheFileAndLeavesNoTrace) {
#if defined(__unix__)
    const struct {
        const char* what;
        std::string (*limit)(const QString& folder);
        const char* reason;
    } rows[] = {
        {"a file size limit", limitFileSize, "File too large"},
        {"a full disk", smallDisk, "No space left on device"},
    };
    std::string skipped;
    for (const auto& row : rows) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("kept.ics"));
        const PartRun run =
            runApart([&] { return row.limit(folder.path()); },
                     [&] {
                         ASSERT_FALSE(saveWhole(path, "as it was")) << row.what;
                         const std::optional<QString> failure =
                             saveWhole(path, QByteArray(1 << 16, 'x'));
                         ASSERT_TRUE(failure) << row.what << ": reported as saved";
                         EXPECT_TRUE(failure->contains(path) &&
                                     failure->contains(QString::fromUtf8(row.reason)))
                             << failure->toStdString();
                         EXPECT_EQ(contents(path), "as it was") << row.what;
                         EXPECT_EQ(listing(folder.path()), "kept.ics") << row.what;
                     });
        if (!run.ran)
            skipped += std::string(row.what) + ": " + run.whyNot + "; ";
        else
            EXPECT_TRUE(run.passed) << row.what << ": see the failures above";
    }
    if (!skipped.empty())
        GTEST_SKIP() << skipped;
#else
    GTEST_SKIP() << "no file size limit or small disk to stand in for a full one here";
#endif
}

// What is not a regular file is refused by its kind and never opened: a FIFO opened to be
// written would hang the save, a device would take the bytes. A FIFO with a reader waiting
// shows a save that wrote into it without hanging; root makes device nodes of its own, anyone
// else is shown the system's, which only root could replace.
TEST(SaveWhole, RefusesWhatIsNotARegularFileAndLeavesItAsItWas) {
#if defined(__unix__)
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto at = [&](const char* name) { return folder.filePath(QString::fromUtf8(name)); };
    const QByteArray fifo = QFile::encodeName(at("fifo.csv"));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    const int reader = open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_NE(reader, -1);
    ASSERT_EQ(symlink("fifo.csv", QFile::encodeName(at("link to fifo.csv")).constData()), 0);
    const QByteArray socketPath = QFile::encodeName(at("socket.csv"));
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(size_t(socketPath.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    QString character = QStringLiteral("/dev/null"), block;
    std::string skipped = "a block device needs root to make";
#if defined(__linux__)
    // The null device's number, and one that no driver has, which cannot be opened at all.
    if (runsAsRoot() &&
        mknod(QFile::encodeName(at("null.csv")).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0 &&
        mknod(QFile::encodeName(at("disk.csv")).constData(), S_IFBLK | 0600, makedev(240, 0)) ==
            0) {
        character = at("null.csv");
        block = at("disk.csv");
        skipped.clear();
    }
#endif
    const std::string made = listing(folder.path());
    const struct {
        const char* what;
        QString path;
        const char* reason;
        mode_t kind;
    } rows[] = {
        {"a FIFO", at("fifo.csv"), "it is a FIFO (named pipe)", S_IFIFO},
        {"a link to a FIFO", at("link to fifo.csv"), "it is a FIFO (named pipe)", S_IFLNK},
        {"a socket", at("socket.csv"), "it is a socket", S_IFSOCK},
        {"a character device", character, "it is a character device", S_IFCHR},
        {"a block device", block, "it is a block device", S_IFBLK},
    };
    for (const auto& row : rows) {
        if (row.path.isEmpty())
            continue;
        const std::optional<QString> failure = saveWhole(row.path, "new");
        ASSERT_TRUE(failure) << row.what << ": reported as saved";
        EXPECT_TRUE(failure->contains(row.path) && failure->contains(QString::fromUtf8(row.reason)))
            << failure->toStdString();
        EXPECT_EQ(kindAt(row.path), row.kind) << row.what << ": replaced";
    }
    char byte = 0;
    EXPECT_LE(read(reader, &byte, 1), 0) << "the FIFO was written to";
    EXPECT_EQ(listing(folder.path()), made) << "a temporary was left";
    close(reader);
    close(listener);
    if (!skipped.empty())
        GTEST_SKIP() << skipped;
#else
    GTEST_SKIP() << "no FIFOs, sockets or device nodes here";
#endif
}

// Another user's link in a folder both write to must not send a save to a file of that user's
// choosing: a link is followed, and the file it leads to replaced, only when it is the user's
// own or its target's owner's. Root makes the other user's links, as nobody's.
TEST(SaveWhole, FollowsOnlyLinksOfTheUserOrOfTheirTargetsOwner) {
#if defined(__unix__)
    enum Owner { Me, Other };
    const struct {
        const char* what;
        std::vector<Owner> links; // from the link saved to, on to the file
        std::optional<Owner> file;
        bool followed;
    } rows[] = {
        {"the user's link to the user's file", {Me}, Me, true},
        {"the user's link to another's file", {Me}, Other, true},
        {"another's link to their own file", {Other}, Other, true},
        {"another's link to the user's file", {Other}, Me, false},
        {"the user's link to no file", {Me}, std::nullopt, true},
        {"another's link to no file", {Other}, std::nullopt, false},
        {"the user's link through another's to the user's file", {Me, Other}, Me, false},
        {"the user's link through another's to their file", {Me, Other}, Other, true},
    };
    const std::optional<passwd> other = nobody();
    const auto uidOf = [&](Owner owner) { return owner == Me ? geteuid() : other->pw_uid; };
    std::string skipped;
    int number = 0;
    for (const auto& row : rows) {
        const bool needsOther =
            std::find(row.links.begin(), row.links.end(), Other) != row.links.end() ||
            row.file == Other;
        if (needsOther && (!runsAsRoot() || !other)) {
            skipped += std::string(row.what) + " (needs root and nobody); ";
            continue;
        }
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString file = folder.filePath(QStringLiteral("file.csv"));
        const auto link = [&](size_t hop) {
            return folder.filePath(QStringLiteral("link %1.csv").arg(hop));
        };
        if (row.file) {
            ASSERT_FALSE(saveWhole(file, "as it was"));
            ASSERT_EQ(lchown(QFile::encodeName(file).constData(), uidOf(*row.file), uid_t(-1)), 0);
        }
        for (size_t hop = 0; hop < row.links.size(); ++hop) {
            const QString next = hop + 1 < row.links.size() ? link(hop + 1) : file;
            const QByteArray path = QFile::encodeName(link(hop));
            ASSERT_EQ(symlink(QFile::encodeName(QFileInfo(next).fileName()).constData(),
                              path.constData()),
                      0);
            ASSERT_EQ(lchown(path.constData(), uidOf(row.links[hop]), uid_t(-1)), 0);
        }
        const std::string before = listing(folder.path());
        const std::optional<QString> failure = saveWhole(link(0), "new");
        const std::string what = std::to_string(++number) + ". " + row.what;
        EXPECT_EQ(kindAt(link(0)), mode_t(S_IFLNK)) << what << ": the link was replaced";
        if (row.followed) {
            EXPECT_FALSE(failure) << what << ": " << failure->toStdString();
            EXPECT_EQ(contents(file), "new") << what;
            EXPECT_EQ(ownerOf(file), row.file ? uidOf(*row.file) : geteuid())
                << what << ": the file changed hands";
        } else {
            ASSERT_TRUE(failure) << what << ": reported as saved";
            EXPECT_TRUE(failure->contains(link(0)) &&
                        failure->contains(QStringLiteral(
                            "it is another user's link to a file that is not theirs")))
                << failure->toStdString();
            EXPECT_EQ(kindAt(file) ? contents(file) : QByteArray("(none)"),
                      row.file ? "as it was" : "(none)")
                << what;
            EXPECT_EQ(listing(folder.path()), before) << what;
        }
    }
    if (!skipped.empty())
        GTEST_SKIP() << skipped;
#else
    GTEST_SKIP() << "links are written through here, whoever made them";
#endif
}

// What a copy killed part-way leaves is removed by the next save to its folder, and nothing
// else: not QSaveFile's temporaries nor other look-alikes, not one that a copy may still be
// writing, not a folder, a link or a second name of a file, nor another user's file.
TEST(SaveWhole, NextSaveRemovesOnlyItsOwnOldLeftovers) {
    const struct {
        const char* name;
        Kind kind;
        bool old;
        bool removed;
    } rows[] = {
        {".month.csv.horavela-Ab12Cd", File, true, true},
        {".another month.ics.horavela-zz09ZZ", File, true, true},
        {".fresh.csv.horavela-Ab12Cd", File, false, false},
        {"month.csv.Ab12Cd", File, true, false},
        {".month.csv.Ab12Cd", File, true, false},
        {"month.csv.horavela-Ab12Cd", File, true, false},
        {".month.csv.horavela-Ab12C", File, true, false},
        {".month.csv.horavela-Ab12C-", File, true, false},
        {".month.csv.horavela-Ab12Cd.bak", File, true, false},
        {".horavela-Ab12Cd", File, true, false},
        {".folder.horavela-Ab12Cd", Folder, true, false},
#if defined(__unix__)
        {".link.horavela-Ab12Cd", Link, true, false},
        {".second name.horavela-Ab12Cd", SecondName, true, false},
        {".nobody's.horavela-Ab12Cd", OthersFile, true, false},
#endif
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString kept = folder.filePath(QStringLiteral("kept.txt"));
    ASSERT_FALSE(saveWhole(kept, "someone's"));
    std::string skipped;
    QStringList expected{QStringLiteral("kept.txt"), QStringLiteral("month.csv")};
    for (const auto& row : rows) {
        const QString path = folder.filePath(QString::fromUtf8(row.name));
        const Made made = makeLeftover(row.kind, path, kept);
        if (made == Made::NotHere) {
            skipped += std::string(row.name) + " needs root and nobody; ";
            continue;
        }
        ASSERT_EQ(made, Made::Yes) << row.name;
        ASSERT_TRUE(!row.old || madeAnHourOld(path)) << row.name;
        if (!row.removed)
            expected.append(QString::fromUtf8(row.name));
    }
    const std::optional<QString> failure =
        saveWhole(folder.filePath(QStringLiteral("month.csv")), "new");
    ASSERT_FALSE(failure) << failure->toStdString();
    expected.sort(Qt::CaseInsensitive);
    EXPECT_EQ(listing(folder.path()), expected.join(QStringLiteral(" | ")).toStdString());
    EXPECT_EQ(contents(kept), "someone's");
    if (!skipped.empty())
        GTEST_SKIP() << skipped;
}

} // namespace
} // namespace horavela
