// Writes a file whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace horavela {

// Writes the bytes to path, replacing the file only once they are all written; an existing
// file is left as it was on failure, and only a regular file is ever replaced. Nothing on
// success, else a message naming the file and the reason, the system's own words for a step
// that the system refused.
std::optional<QString> saveWhole(const QString& path, const QByteArray& bytes);

} // namespace horavela
