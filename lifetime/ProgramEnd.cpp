#include "lifetime/ProgramEnd.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace horavela {

namespace {

// Held for the whole run; its destructor releases the lock should the
// program end some other way than through EndProgram.
std::unique_ptr<InstanceLock> heldLock;

// The process ends here and now: no destructor of a window or of the
// application object runs, so no further event of any window is handled.
void endProcess() {
    releaseSingleInstance();
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

bool ending = false;
std::function<void()> processEnd = endProcess;

} // namespace

void EndProgram() {
    if (ending)
        return;
    ending = true;

    // Each window is closed, which runs its unload handler, and then deleted.
    // The deletion is deferred: a window whose own handler started the
    // shutdown is still running that handler. The process ends before the
    // deletions come due; a guard skips windows an unload handler deleted.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget>& window : windows) {
        if (window.isNull())
            continue;
        try {
            window->close();
            if (!window.isNull())
                window->deleteLater();
        } catch (...) {
        }
    }

    processEnd();
}

bool isProgramEnding() {
    return ending;
}

ReplacedProgramEnd::ReplacedProgramEnd(std::function<void()> endProcess)
    : endBefore_(std::exchange(processEnd, std::move(endProcess))),
      endingBefore_(std::exchange(ending, false)), lockBefore_(std::move(heldLock)) {}

ReplacedProgramEnd::~ReplacedProgramEnd() {
    processEnd = std::move(endBefore_);
    ending = endingBefore_;
    heldLock = std::move(lockBefore_);
}

void holdSingleInstance(std::unique_ptr<InstanceLock> lock) {
    heldLock = std::move(lock);
}

void releaseSingleInstance() {
    if (heldLock)
        heldLock->release();
}

} // namespace horavela
