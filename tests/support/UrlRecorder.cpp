#include "tests/support/UrlRecorder.h"

#include <QDesktopServices>

namespace horavela {

UrlRecorder::UrlRecorder() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "record");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "record");
}

UrlRecorder::~UrlRecorder() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

// As sent: percent-encoding is part of what the tests check.
void UrlRecorder::record(const QUrl& url) {
    opened.append(url.toString(QUrl::FullyEncoded));
}

} // namespace horavela
