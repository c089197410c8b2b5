// The lock that tells whether another copy of the program is running for the
// same user. It is a kernel lock on a file in a folder only that user can
// write: the system frees it when its holder ends in any way, so a crash or a
// kill never leaves a block behind, and what the file holds does not matter.
// A copy that ends leaves the file in place: only the kernel's lock on it
// says who holds it.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace horavela {

enum class LockOutcome {
    Acquired,
    HeldElsewhere, // a living process holds it
    Unavailable,   // no lock can be made there; whyUnavailable() says why
};

class InstanceLock {
public:
    // `afterOpening` runs between opening the file and locking it, the
    // moment a start can be held up while other copies come and go. Tests
    // pause a start there; the program passes none.
    explicit InstanceLock(QString filePath, std::function<void()> afterOpening = {});
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Never waits for another copy to end. A lock file of this user's, once
    // made, stays for every later copy, so nothing replaces it under a
    // starting copy and there is nothing to try again. Anything else in its
    // place is removed and a lock file made, by one copy at a time.
    LockOutcome tryAcquire();
    // Lets the next copy in; also done by the system when this process ends.
    // The file stays.
    void release();
    // Why the last tryAcquire gave Unavailable, for the start-up log.
    QString whyUnavailable() const { return problem_; }

    // The lock file of this user's copies, whatever the environment and the
    // current folder; empty when the user has no private folder for it.
    static QString perUserFilePath();
    // The private folder that holds it; empty when there is none.
    static QString perUserFolder();

    // "horavela.lock" in a folder named `name` under `parent`, made with
    // mode 0700 when missing; empty when that folder is not this user's
    // (another owner, a link) or cannot be made. A folder of this user's that
    // others could write is closed to them, and the lock file in it, which
    // anyone may have put there, is removed so that a new one is made.
    static QString privateFilePath(const QString& parent, const QString& name);

private:
    QString path_;
    std::function<void()> afterOpening_;
    std::intptr_t handle_ = -1; // the open, locked file while held
    QString problem_;
};

} // namespace horavela
