// The lock that tells whether another copy of the program is running for the
// same user. It is a kernel lock on a file in a folder only that user can
// write: the system frees it when its holder ends in any way, so a crash or a
// kill never leaves a block behind, and what the file holds does not matter.
#pragma once

#include <QString>
#include <cstdint>

namespace horavela {

enum class LockOutcome {
    Acquired,
    HeldElsewhere, // a living process holds it
    Unavailable,   // the lock file cannot be made or locked, e.g. no write permission
};

class InstanceLock {
public:
    explicit InstanceLock(QString filePath);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Never waits.
    LockOutcome tryAcquire();
    // Lets the next copy in; also done by the system when this process ends.
    void release();

    // The lock file of this user's copies, whatever the environment and the
    // current folder; empty when the user has no private folder for it.
    static QString perUserFilePath();
    // The private folder that holds it; empty when there is none.
    static QString perUserFolder();

    // "horavela.lock" in a folder named `name` under `parent`, made with
    // mode 0700 when missing; empty when that folder is not this user's alone
    // (another owner, a link, open to others) or cannot be made.
    static QString privateFilePath(const QString& parent, const QString& name);

private:
    QString path_;
    std::intptr_t handle_ = -1; // the open, locked file while held
};

} // namespace horavela
