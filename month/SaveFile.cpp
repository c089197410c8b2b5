#include "month/SaveFile.h"

#include "platform/ReplaceFile.h"

#include <QCoreApplication>
#include <QDir>

namespace horavela {

namespace {

QString reasonFor(const ReplaceOutcome& outcome) {
    switch (outcome.problem) {
    case ReplaceProblem::None:
        break;
    case ReplaceProblem::NoName:
        return QCoreApplication::translate("SaveFile", "no file name given");
    case ReplaceProblem::FolderMissing:
        return QCoreApplication::translate("SaveFile", "the folder does not exist");
    case ReplaceProblem::Folder:
        return QCoreApplication::translate("SaveFile", "it is a folder");
    case ReplaceProblem::Fifo:
        return QCoreApplication::translate("SaveFile", "it is a FIFO (named pipe)");
    case ReplaceProblem::CharacterDevice:
        return QCoreApplication::translate("SaveFile", "it is a character device");
    case ReplaceProblem::BlockDevice:
        return QCoreApplication::translate("SaveFile", "it is a block device");
    case ReplaceProblem::Socket:
        return QCoreApplication::translate("SaveFile", "it is a socket");
    case ReplaceProblem::NotRegularFile:
        return QCoreApplication::translate("SaveFile", "it is not a regular file");
    case ReplaceProblem::ForeignLink:
        return QCoreApplication::translate(
            "SaveFile", "it is another user's link to a file that is not theirs");
    case ReplaceProblem::System:
        return outcome.systemReason;
    }
    return {};
}

} // namespace

std::optional<QString> saveWhole(const QString& path, const QByteArray& bytes) {
    const ReplaceOutcome outcome = replaceFile(path, bytes);
    if (outcome.problem == ReplaceProblem::None)
        return std::nullopt;
    return QCoreApplication::translate("SaveFile", "Could not save %1: %2")
        .arg(QDir::toNativeSeparators(path), reasonFor(outcome));
}

} // namespace horavela
