#include "month/SaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace horavela {

namespace {

QString failure(const QString& path, const QString& reason) {
    return QCoreApplication::translate("SaveFile", "Could not save %1: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

std::optional<QString> saveWhole(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (path.isEmpty() || info.fileName().isEmpty())
        return failure(path, QCoreApplication::translate("SaveFile", "no file name given"));
    if (info.isDir())
        return failure(path, QCoreApplication::translate("SaveFile", "it is a folder"));
    if (!info.absoluteDir().exists())
        return failure(path, QCoreApplication::translate("SaveFile", "the folder does not exist"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(path, reason);
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return std::nullopt;
}

} // namespace horavela
