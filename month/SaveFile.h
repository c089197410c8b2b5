// Writes a file whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace horavela {

// Writes the bytes to path, replacing the file only once they are all written; an existing
// file is left as it was on failure. Nothing on success, else a message naming the file and
// the reason.
std::optional<QString> saveWhole(const QString& path, const QByteArray& bytes);

} // namespace horavela
