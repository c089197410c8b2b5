#include "app/SingleInstance.h"

#include "app/StartupLog.h"
#include "lifetime/ProgramEnd.h"
#include "platform/InstanceLock.h"
#include "platform/LocalRequest.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <chrono>
#include <memory>

namespace horavela {

namespace {

// Long enough for a busy running copy to answer; a copy that does not is
// taken for one that cannot bring its window up.
constexpr std::chrono::milliseconds AnswerWait{2000};

std::function<bool()>& showFromTray() {
    static std::function<bool()> show;
    return show;
}

// Listens for the rest of the run, going with the application.
void listenForSecondCopies(const QString& lockFilePath) {
    auto* listener = new RequestListener(
        QFileInfo(lockFilePath).path(), [] { return showFromTray() && showFromTray()(); },
        QCoreApplication::instance());
    if (!listener->isListening())
        qCWarning(lcStartup, "a second copy cannot reach this one: %s",
                  qUtf8Printable(listener->whyNotListening()));
}

} // namespace

void setShowFromTray(std::function<bool()> show) {
    showFromTray() = std::move(show);
}

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
        listenForSecondCopies(lockFilePath);
        return;
    case LockOutcome::Unavailable:
        // The place may only have been busy; the log tells that from a broken one.
        qCWarning(lcStartup, "cannot make the lock %s: %s; starting unchecked",
                  qUtf8Printable(lockFilePath), qUtf8Printable(lock->whyUnavailable()));
        return;
    case LockOutcome::HeldElsewhere:
        qCInfo(lcStartup, "another copy holds the lock %s", qUtf8Printable(lockFilePath));
        break;
    }
    // The user asked for the program: the copy in the tray shows itself instead.
    if (askRunningCopy(QFileInfo(lockFilePath).path(), AnswerWait) == RequestAnswer::Shown) {
        qCInfo(lcStartup, "the running copy brought its window up; this copy ends");
        EndProgram();
        return;
    }
    qCInfo(lcStartup, "the running copy stays as it is; this copy ends");
    showMessage(nullptr,
                QCoreApplication::translate("SingleInstance", "Application is already running"),
                MessageIcon::Information);
    EndProgram();
}

} // namespace horavela
