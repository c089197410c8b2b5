#include "platform/RuntimeFolder.h"

#include "platform/InstanceLock.h"

#include <QFile>

namespace horavela {

void useOwnRuntimeFolder() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString folder = InstanceLock::perUserFolder();
    if (!folder.isEmpty())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
#else
    // Windows and macOS give each user a runtime folder of the system's own.
#endif
}

} // namespace horavela
