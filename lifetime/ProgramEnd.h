// The one way the program ends, and the single-instance lock it gives up on
// the way out. Below the windows: they and the start-up call down into it.
#pragma once

#include "platform/InstanceLock.h"

#include <functional>
#include <memory>

namespace horavela {

// Unloads every loaded window, hidden ones too, ignoring failures, then ends
// the program without handling any further event. Unloading closes each
// top-level window (its close event is its unload handler) and schedules its
// deletion, so windows must live on the heap. A second call while a shutdown
// is under way does nothing, so unload handlers may call it freely.
void EndProgram();

// True from the moment EndProgram starts: unload handlers use it to tell a
// shutdown sweep from a user closing their window.
bool isProgramEnding();

// For tests: while it lives, the last step of EndProgram (ending the
// process) is `endProcess`, and the program starts over as if it had not
// begun to end and held no lock. When it goes, the program's end, whether it
// was ending and the lock it held are again what they were, and a lock taken
// meanwhile is given up, so nothing one test sets is left for the next.
class ReplacedProgramEnd {
public:
    explicit ReplacedProgramEnd(std::function<void()> endProcess);
    ~ReplacedProgramEnd();
    ReplacedProgramEnd(const ReplacedProgramEnd&) = delete;
    ReplacedProgramEnd& operator=(const ReplacedProgramEnd&) = delete;

private:
    std::function<void()> endBefore_;
    bool endingBefore_;
    std::unique_ptr<InstanceLock> lockBefore_;
};

// Keeps the single-instance lock that start-up acquired for the rest of the run.
void holdSingleInstance(std::unique_ptr<InstanceLock> lock);

// Lets the next copy start; the program's end calls it.
void releaseSingleInstance();

} // namespace horavela
