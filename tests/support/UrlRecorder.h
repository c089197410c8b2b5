// Catches the addresses the program hands to the browser, so tests see them
// and no browser opens.
#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

namespace horavela {

class UrlRecorder : public QObject {
    Q_OBJECT

public:
    UrlRecorder();
    ~UrlRecorder() override;

    QStringList opened;

public slots:
    void record(const QUrl& url);
};

} // namespace horavela
