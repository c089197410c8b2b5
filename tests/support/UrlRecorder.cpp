#include "UrlRecorder.h"

#include <QDesktopServices>

namespace horavela {

UrlRecorder::UrlRecorder() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "record");
}

UrlRecorder::~UrlRecorder() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void UrlRecorder::record(const QUrl& url) {
    opened.append(url.toString());
}

} // namespace horavela
