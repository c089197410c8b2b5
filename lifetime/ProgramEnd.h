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

// Tests replace the last step of EndProgram (ending the process) with their
// own, and re-arm it so that a later EndProgram runs again.
void setProgramEndForTesting(std::function<void()> endProcess);

// Keeps the single-instance lock that start-up acquired for the rest of the run.
void holdSingleInstance(std::unique_ptr<InstanceLock> lock);

// Lets the next copy start; the program's end calls it.
void releaseSingleInstance();

} // namespace horavela
