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
