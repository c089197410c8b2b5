#include "ProgramIcon.h"

namespace horavela {

QIcon programIcon() {
    return QIcon(QStringLiteral(":/horavela/horavela.svg"));
}

} // namespace horavela
