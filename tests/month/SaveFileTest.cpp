#include "month/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#if defined(__unix__)
#include <csignal>
#include <sys/resource.h>
#endif

namespace horavela {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

TEST(SaveWhole, WritesNewAndExistingFilesWholeUnderAnyName) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString names[] = {QStringLiteral("month.csv"), QStringLiteral("मासिक तालिका.ics"),
                             QStringLiteral("மாதம்/ராகு காலம்.csv")};
    QDir(folder.path()).mkdir(QStringLiteral("மாதம்"));
    for (const QString& name : names) {
        const QString path = folder.filePath(name);
        for (const QByteArray& bytes : {QByteArray("first, longer\r\n"), QByteArray("second")}) {
            const std::optional<QString> failure = saveWhole(path, bytes);
            ASSERT_FALSE(failure) << failure->toStdString();
            EXPECT_EQ(contents(path), bytes) << name.toStdString();
        }
    }
}

TEST(SaveWhole, FailureNamesTheFileAndLeavesItAsItWas) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString existing = folder.filePath(QStringLiteral("kept.csv"));
    ASSERT_FALSE(saveWhole(existing, "as it was"));
    QDir(folder.path()).mkdir(QStringLiteral("a folder"));
    struct Row {
        const char* what;
        QString path;
        const char* reason;
    };
    const Row rows[] = {
        {"a folder that does not exist", folder.filePath(QStringLiteral("none/month.csv")),
         "the folder does not exist"},
        {"a folder's name", folder.filePath(QStringLiteral("a folder")), "it is a folder"},
        {"no name", QString(), "no file name given"},
        {"a file standing for a folder", existing + QStringLiteral("/month.csv"),
         "the folder does not exist"},
    };
    for (const Row& row : rows) {
        const std::optional<QString> failure = saveWhole(row.path, "new");
        ASSERT_TRUE(failure) << row.what << ": reported as saved";
        EXPECT_TRUE(failure->contains(QDir::toNativeSeparators(row.path)))
            << failure->toStdString();
        EXPECT_TRUE(failure->contains(QString::fromUtf8(row.reason))) << failure->toStdString();
    }
    EXPECT_EQ(contents(existing), "as it was");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.csv")});
}

TEST(SaveWhole, ReadOnlyFolderKeepsItsFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("kept.csv"));
    ASSERT_FALSE(saveWhole(path, "as it was"));
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    QFile probe(folder.filePath(QStringLiteral("probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "this user writes into a read-only folder (root)";
    }
    const std::optional<QString> failure = saveWhole(path, "new");
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(failure) << "reported as saved";
    EXPECT_TRUE(failure->contains(QDir::toNativeSeparators(path))) << failure->toStdString();
    EXPECT_EQ(contents(path), "as it was");
}

// A disk that fills up part-way: the file size limit stands in for it, even for root.
TEST(SaveWhole, WriteCutShortKeepsTheFileAndLeavesNoTrace) {
#if defined(__unix__)
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("kept.ics"));
    ASSERT_FALSE(saveWhole(path, "as it was"));
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::optional<QString> failure = saveWhole(path, QByteArray(1 << 20, 'x'));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(failure) << "a file cut short was reported as saved";
    EXPECT_TRUE(failure->contains(path)) << failure->toStdString();
    EXPECT_EQ(contents(path), "as it was");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.ics")});
#else
    GTEST_SKIP() << "no file size limit to stand in for a full disk here";
#endif
}

} // namespace
} // namespace horavela
