#include "app/SingleInstance.h"

#include "app/StartupLog.h"
#include "lifetime/ProgramEnd.h"
#include "platform/InstanceLock.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <memory>

namespace horavela {

void CheckSingleInstance() {
    CheckSingleInstance(InstanceLock::perUserFilePath());
}

void CheckSingleInstance(const QString& lockFilePath) {
    // Without a lock we cannot tell; refusing would lock the user out for
    // good, so the copy starts and says so even when nobody asked for the log.
    if (lockFilePath.isEmpty()) {
        qCWarning(lcStartup, "no private folder for the single-instance lock; starting unchecked");
        return;
    }
    auto lock = std::make_unique<InstanceLock>(lockFilePath);
    switch (lock->tryAcquire()) {
    case LockOutcome::Acquired:
        qCInfo(lcStartup, "holding the lock %s", qUtf8Printable(lockFilePath));
        holdSingleInstance(std::move(lock));
        return;
    case LockOutcome::Unavailable:
        // The place may only have been busy; the log tells that from a broken one.
        qCWarning(lcStartup, "cannot make the lock %s: %s; starting unchecked",
                  qUtf8Printable(lockFilePath), qUtf8Printable(lock->whyUnavailable()));
        return;
    case LockOutcome::HeldElsewhere:
        qCInfo(lcStartup, "another copy holds the lock %s; this copy ends",
               qUtf8Printable(lockFilePath));
        break;
    }
    showMessage(nullptr,
                QCoreApplication::translate("SingleInstance", "Application is already running"),
                MessageIcon::Information);
    EndProgram();
}

} // namespace horavela
