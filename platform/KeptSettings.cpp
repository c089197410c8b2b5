#include "platform/KeptSettings.h"

#include <QDateTime>
#include <QFileInfo>
#include <QString>
#include <optional>

namespace horavela {

namespace {

// A fault found in the file, and the file as it was then.
struct Fault {
    QSettings::Status status;
    QString file;
    qint64 size;
    QDateTime modified;
};

std::optional<Fault>& lastFault() {
    static std::optional<Fault> fault;
    return fault;
}

bool unchangedSince(const Fault& fault, const QString& file) {
    const QFileInfo info(file);
    return fault.file == file && fault.size == info.size() && fault.modified == info.lastModified();
}

} // namespace

KeptSettings::KeptSettings()
    : QSettings(QSettings::UserScope, QStringLiteral("Horavela"), QStringLiteral("Horavela")) {
    if (status() != NoError) {
        const QFileInfo info(fileName());
        lastFault() = Fault{status(), fileName(), info.size(), info.lastModified()};
    }
}

QSettings::Status KeptSettings::readStatus() const {
    if (status() != NoError)
        return status();
    const std::optional<Fault>& fault = lastFault();
    return fault && unchangedSince(*fault, fileName()) ? fault->status : NoError;
}

} // namespace horavela
