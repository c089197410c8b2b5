// The rule that only one copy of the program runs at a time for a user.
#pragma once

#include <QString>

namespace horavela {

// Returns when no other copy is running and holds the lock from then on;
// otherwise says "Application is already running" and ends the program.
void CheckSingleInstance();

// The same with a lock file of the caller's choosing, so that tests never meet
// a real running copy.
void CheckSingleInstance(const QString& lockFilePath);

} // namespace horavela
