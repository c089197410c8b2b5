#include "InstanceLock.h"

#include <QDir>
#include <QStandardPaths>
#include <unistd.h>

namespace horavela {

InstanceLock::InstanceLock(const QString& filePath) : file_(filePath) {
    // No age makes a lock stale, so a copy that runs for days keeps it; a
    // lock whose owner process is gone is stale at once.
    file_.setStaleLockTime(0);
}

LockOutcome InstanceLock::tryAcquire() {
    if (file_.tryLock(0))
        return LockOutcome::Acquired;
    return file_.error() == QLockFile::LockFailedError ? LockOutcome::HeldElsewhere
                                                       : LockOutcome::Unavailable;
}

void InstanceLock::release() {
    file_.unlock();
}

QString InstanceLock::perUserFilePath() {
    // The runtime folder belongs to the user alone; the shared temporary
    // folder is the fallback, with the user id in the name.
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty())
            return QDir(runtime).filePath(QStringLiteral("horavela.lock"));
    }
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("horavela-%1.lock").arg(static_cast<qulonglong>(getuid())));
}

} // namespace horavela
