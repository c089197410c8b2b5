// The rule that only one copy of the program runs at a time for a user.
#pragma once

#include <QString>
#include <functional>

namespace horavela {

// Returns when no other copy is running and holds the lock from then on,
// listening for a second copy's request to bring this one's window up.
// Otherwise asks the running copy to bring its window up from the tray:
// when it does, ends the program quietly; else says "Application is already
// running" and ends the program.
void CheckSingleInstance();

// The same with a lock file of the caller's choosing, so that tests never meet
// a real running copy.
void CheckSingleInstance(const QString& lockFilePath);

// What answers a second copy's request: true when it brought the main window
// up from the tray. Without one, or with an empty one, the answer is no, and
// the second copy says its message.
void setShowFromTray(std::function<bool()> show);

} // namespace horavela
