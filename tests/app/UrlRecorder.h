// Catches the addresses the program hands to the browser, so tests see them
// and no browser opens.
#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace horavela {

class UrlRecorder : public QObject {
    Q_OBJECT

public:
    UrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "record"); }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    QStringList opened;

public slots:
    void record(const QUrl& url) { opened.append(url.toString()); }
};

} // namespace horavela
