// A lock file that tells whether another copy of the program is running for
// the same user. Only a living owner holds it: the lock of a copy that ended
// in any way, killed or crashed included, is taken over by the next copy.
#pragma once

#include <QLockFile>
#include <QString>

namespace horavela {

enum class LockOutcome {
    Acquired,
    HeldElsewhere, // another living process holds it
    Unavailable,   // the lock file cannot be made, e.g. no write permission
};

class InstanceLock {
public:
    explicit InstanceLock(const QString& filePath);

    // Never waits.
    LockOutcome tryAcquire();
    void release();

    // The lock file of this user's copies of the program.
    static QString perUserFilePath();

private:
    QLockFile file_;
};

} // namespace horavela
