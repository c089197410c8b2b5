// The program's icon, a sun on the horizon, shipped inside the program.
#pragma once

#include <QIcon>

namespace horavela {

// Null when the image plugins cannot read it; the program works without it.
QIcon programIcon();

} // namespace horavela
