// A second copy's request to the running one, to bring its window up from
// the tray. It passes through a channel in the lock's private folder that
// only the same user can reach: a socket file beside the lock, or on Windows
// a local named pipe named after the folder. One fixed byte asks, one byte
// answers; anything else is ignored and the connection closed.
#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

namespace horavela {

enum class RequestAnswer {
    Shown,    // the running copy brought its window up
    NotShown, // it runs with its window up already, or cannot bring it up
    NoAnswer, // nobody listens, or nobody answered in time
};

// Answers every request on the folder's channel with onRequest()'s result,
// from the event loop of the thread it lives in: it never waits for a client.
// Only the copy that holds the lock makes one, since it replaces a channel
// left behind by a copy that has ended.
class RequestListener : public QObject {
    Q_OBJECT

public:
    RequestListener(const QString& folder, std::function<bool()> onRequest,
                    QObject* parent = nullptr);
    ~RequestListener() override;

    bool isListening() const;
    // Why it is not listening, for the start-up log.
    QString whyNotListening() const;

    struct Channel;

private:
    std::unique_ptr<Channel> channel_;
};

// Asks the copy listening on the folder's channel to bring its window up,
// waiting at most `wait` in all for it to answer.
RequestAnswer askRunningCopy(const QString& folder, std::chrono::milliseconds wait);

// The channel's name: the socket file's path, or the pipe's name on Windows.
QString requestChannelName(const QString& folder);

} // namespace horavela
