#include "platform/LocalRequest.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <utility>

#ifdef _WIN32
#include <QCryptographicHash>
#include <QWinEventNotifier>
#include <windows.h>
#else
#include <QSocketNotifier>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#endif

namespace horavela {

namespace {

// The whole conversation: a byte that asks, a byte that answers.
constexpr char ShowRequest = 'S';
constexpr char ShownAnswer = 'Y';
constexpr char NotShownAnswer = 'N';

// A client that says nothing, or never takes its answer, is let go after this.
constexpr int ClientTimeLimitMs = 2000;
// Clients served at once; others wait until one is done, so that a flood of
// idle connections cannot use up the program's handles.
constexpr int MostClients = 8;

char answerByte(bool shown) {
    return shown ? ShownAnswer : NotShownAnswer;
}

RequestAnswer answerOf(char byte) {
    if (byte == ShownAnswer)
        return RequestAnswer::Shown;
    if (byte == NotShownAnswer)
        return RequestAnswer::NotShown;
    return RequestAnswer::NoAnswer;
}

} // namespace

#ifdef _WIN32

namespace {

const wchar_t* wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

qint64 remainingMs(const QDeadlineTimer& deadline) {
    return std::max<qint64>(deadline.remainingTime(), 0);
}

// Connected clients' pipes are created as they come; the first one made is
// the only one that may open the name, so that nobody else's pipe of that
// name is joined.
HANDLE createPipe(const QString& name, bool first) {
    const DWORD openMode =
        PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | (first ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0);
    // The default security lets only this user, the system and administrators write to it.
    return CreateNamedPipeW(wide(name), openMode,
                            PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT |
                                PIPE_REJECT_REMOTE_CLIENTS,
                            PIPE_UNLIMITED_INSTANCES, 16, 16, 0, nullptr);
}

// One end of the pipe, from waiting for a client to that client's end. Every
// step is overlapped and reported on the event loop.
class PipeEnd : public QObject {
public:
    enum class Step { Connecting, Reading, Answering, Closing, Done };

    PipeEnd(HANDLE pipe, std::function<void(PipeEnd*)> connected, std::function<bool()> onRequest,
            std::function<void(PipeEnd*)> done, QObject* parent)
        : QObject(parent), pipe_(pipe), event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          connected_(std::move(connected)), onRequest_(std::move(onRequest)),
          done_(std::move(done)) {
        overlapped_.hEvent = event_;
        notifier_ = new QWinEventNotifier(event_, this);
        connect(notifier_, &QWinEventNotifier::activated, this, [this] { stepDone(); });
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, [this] { finish(); });
    }

    ~PipeEnd() override {
        notifier_->setEnabled(false);
        if (step_ != Step::Done)
            cancel();
        CloseHandle(pipe_);
        CloseHandle(event_);
    }

    // False when the pipe cannot wait for a client.
    bool waitForClient() {
        ResetEvent(event_);
        const BOOL connected = ConnectNamedPipe(pipe_, &overlapped_);
        const DWORD error = GetLastError();
        pending_ = !connected && error == ERROR_IO_PENDING;
        if (pending_)
            return true;
        // A client that came between the pipe's making and this call.
        if (connected || error == ERROR_PIPE_CONNECTED) {
            SetEvent(event_);
            return true;
        }
        step_ = Step::Done;
        return false;
    }

private:
    void stepDone() {
        if (step_ == Step::Done)
            return;
        DWORD moved = 0;
        const bool ok = GetOverlappedResult(pipe_, &overlapped_, &moved, FALSE);
        pending_ = false;
        ResetEvent(event_);
        switch (step_) {
        case Step::Connecting:
            connected_(this);
            timer_.start(ClientTimeLimitMs);
            // Two bytes, so that a request with more after it is seen as no request.
            start(Step::Reading, ReadFile(pipe_, buffer_, sizeof buffer_, nullptr, &overlapped_));
            return;
        case Step::Reading:
            if (!ok || moved != 1 || buffer_[0] != ShowRequest) {
                finish();
                return;
            }
            buffer_[0] = answerByte(onRequest_());
            start(Step::Answering, WriteFile(pipe_, buffer_, 1, nullptr, &overlapped_));
            return;
        case Step::Answering:
            // Disconnecting throws away what the client has not read yet: the
            // pipe is closed once the client closes its end.
            start(Step::Closing, ReadFile(pipe_, buffer_, sizeof buffer_, nullptr, &overlapped_));
            return;
        case Step::Closing:
        case Step::Done:
            finish();
            return;
        }
    }

    // A step done at once is reported through the event all the same.
    void start(Step step, BOOL started) {
        step_ = step;
        pending_ = started || GetLastError() == ERROR_IO_PENDING;
        if (!pending_)
            finish();
    }

    // Only a step under way is waited for: one that failed at once may leave
    // the overlapped block saying it is pending, and the wait would never end.
    void cancel() {
        if (!pending_)
            return;
        DWORD moved = 0;
        CancelIo(pipe_);
        // The system writes into the overlapped block until the cancelling is done.
        GetOverlappedResult(pipe_, &overlapped_, &moved, TRUE);
        pending_ = false;
    }

    void finish() {
        if (step_ == Step::Done)
            return;
        notifier_->setEnabled(false);
        timer_.stop();
        cancel();
        DisconnectNamedPipe(pipe_);
        step_ = Step::Done;
        done_(this);
        deleteLater();
    }

    HANDLE pipe_;
    HANDLE event_;
    OVERLAPPED overlapped_{};
    QWinEventNotifier* notifier_ = nullptr;
    QTimer timer_;
    Step step_ = Step::Connecting;
    bool pending_ = false; // a step under way, which the system may still write to
    char buffer_[2] = {};
    std::function<void(PipeEnd*)> connected_;
    std::function<bool()> onRequest_;
    std::function<void(PipeEnd*)> done_;
};

// Reads or writes one byte, waiting until the deadline at most.
bool transfer(HANDLE pipe, HANDLE event, char* byte, bool write, const QDeadlineTimer& deadline) {
    OVERLAPPED overlapped{};
    overlapped.hEvent = event;
    ResetEvent(event);
    const BOOL started = write ? WriteFile(pipe, byte, 1, nullptr, &overlapped)
                               : ReadFile(pipe, byte, 1, nullptr, &overlapped);
    if (!started && GetLastError() != ERROR_IO_PENDING)
        return false;
    DWORD moved = 0;
    if (WaitForSingleObject(event, DWORD(remainingMs(deadline))) != WAIT_OBJECT_0) {
        CancelIo(pipe);
        GetOverlappedResult(pipe, &overlapped, &moved, TRUE);
        return false;
    }
    return GetOverlappedResult(pipe, &overlapped, &moved, FALSE) && moved == 1;
}

} // namespace

struct RequestListener::Channel {
    QString name;
    QString problem;
    PipeEnd* waiting = nullptr; // the end open for the next client
    int clients = 0;
    std::function<bool()> onRequest;
};

namespace {

// Opens an end of the pipe for the next client, unless as many are served as may be.
void waitForNextClient(RequestListener::Channel& channel, QObject* listener, bool first) {
    if (channel.waiting || channel.clients >= MostClients)
        return;
    const HANDLE pipe = createPipe(channel.name, first);
    if (pipe == INVALID_HANDLE_VALUE) {
        if (first)
            channel.problem = QStringLiteral("the pipe %1 cannot be made (%2)")
                                  .arg(channel.name, qt_error_string(int(GetLastError())));
        return;
    }
    auto* end = new PipeEnd(
        pipe,
        [&channel, listener](PipeEnd*) {
            channel.waiting = nullptr;
            ++channel.clients;
            waitForNextClient(channel, listener, false);
        },
        channel.onRequest,
        [&channel, listener](PipeEnd* end) {
            if (channel.waiting == end)
                channel.waiting = nullptr;
            else
                --channel.clients;
            waitForNextClient(channel, listener, false);
        },
        listener);
    if (end->waitForClient()) {
        channel.waiting = end;
    } else {
        if (first)
            channel.problem = QStringLiteral("the pipe %1 cannot wait for a client (%2)")
                                  .arg(channel.name, qt_error_string(int(GetLastError())));
        delete end;
    }
}

} // namespace

RequestListener::RequestListener(const QString& folder, std::function<bool()> onRequest,
                                 QObject* parent)
    : QObject(parent), channel_(std::make_unique<Channel>()) {
    channel_->name = requestChannelName(folder);
    channel_->onRequest = std::move(onRequest);
    waitForNextClient(*channel_, this, true);
}

bool RequestListener::isListening() const {
    return channel_->waiting != nullptr || channel_->clients > 0;
}

QString RequestListener::whyNotListening() const {
    return channel_->problem;
}

RequestAnswer askRunningCopy(const QString& folder, std::chrono::milliseconds wait) {
    const QDeadlineTimer deadline(wait.count());
    const QString name = requestChannelName(folder);
    HANDLE pipe = INVALID_HANDLE_VALUE;
    for (;;) {
        // Identification only: the copy at the other end cannot act as this user.
        pipe = CreateFileW(wide(name), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_FLAG_OVERLAPPED | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION,
                           nullptr);
        if (pipe != INVALID_HANDLE_VALUE)
            break;
        if (GetLastError() != ERROR_PIPE_BUSY || deadline.hasExpired())
            return RequestAnswer::NoAnswer;
        WaitNamedPipeW(wide(name), DWORD(std::max<qint64>(remainingMs(deadline), 1)));
    }
    const HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    RequestAnswer answer = RequestAnswer::NoAnswer;
    char byte = ShowRequest;
    if (event && transfer(pipe, event, &byte, true, deadline) &&
        transfer(pipe, event, &byte, false, deadline))
        answer = answerOf(byte);
    if (event)
        CloseHandle(event);
    CloseHandle(pipe);
    return answer;
}

QString requestChannelName(const QString& folder) {
    // Named after the folder, which is the user's own, so that each user's
    // copies, and each test's folder, have a pipe of their own.
    const QByteArray path =
        QDir::toNativeSeparators(QDir::cleanPath(QDir(folder).absolutePath())).toLower().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex();
    return QStringLiteral("\\\\.\\pipe\\horavela-") + QString::fromLatin1(hash.left(32));
}

#else

namespace {

// Linux says it on each call; macOS and the BSDs on the socket.
#ifdef MSG_NOSIGNAL
constexpr int NoSignal = MSG_NOSIGNAL;
#else
constexpr int NoSignal = 0;
#endif

// A client that has gone must not end the program with SIGPIPE.
void setUpSocket(int fd) {
    fcntl(fd, F_SETFD, FD_CLOEXEC);
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
#ifdef SO_NOSIGPIPE
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
#endif
}

// The socket's mode already keeps others out; this keeps out a process of
// another user that could pass it anyway, root's included.
bool peerIsThisUser(int fd) {
#ifdef SO_PEERCRED
    struct ucred peer {};
    socklen_t size = sizeof peer;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == geteuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    return getpeereid(fd, &uid, &gid) == 0 && uid == geteuid();
#endif
}

// False when the path does not fit in a socket's address.
bool socketAddress(const QString& folder, sockaddr_un& address) {
    const QByteArray path = QFile::encodeName(requestChannelName(folder));
    if (std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    address = {};
    address.sun_family = AF_UNIX;
    std::copy(path.begin(), path.end(), address.sun_path);
    return true;
}

bool waitFor(int fd, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd one{fd, events, 0};
        const int ready = poll(&one, 1, int(std::max<qint64>(deadline.remainingTime(), 0)));
        if (ready == -1 && errno == EINTR)
            continue;
        return ready == 1 && (one.revents & (events | POLLHUP | POLLERR));
    }
}

bool connectBefore(int fd, const sockaddr_un& address, const QDeadlineTimer& deadline) {
    for (;;) {
        if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return true;
        if (errno == EINPROGRESS) {
            int error = 0;
            socklen_t size = sizeof error;
            return waitFor(fd, POLLOUT, deadline) &&
                   getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
        }
        // Linux refuses at once while the listener's queue is full.
        if ((errno != EAGAIN && errno != EINTR) || deadline.hasExpired())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// One client, from its connection to its answer.
class Client : public QObject {
public:
    Client(int fd, std::function<bool()> onRequest, std::function<void()> done, QObject* parent)
        : QObject(parent), fd_(fd), notifier_(fd, QSocketNotifier::Read),
          onRequest_(std::move(onRequest)), done_(std::move(done)) {
        connect(&notifier_, &QSocketNotifier::activated, this, [this] { read(); });
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, [this] { finish(); });
        timer_.start(ClientTimeLimitMs);
    }

    ~Client() override {
        notifier_.setEnabled(false);
        close(fd_);
    }

private:
    void read() {
        // Two bytes, so that a request with more after it is seen as no request.
        char bytes[2];
        const ssize_t got = recv(fd_, bytes, sizeof bytes, 0);
        if (got == -1 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            return;
        if (got == 1 && bytes[0] == ShowRequest) {
            const char answer = answerByte(onRequest_());
            static_cast<void>(send(fd_, &answer, 1, NoSignal));
        }
        finish();
    }

    void finish() {
        if (finished_)
            return;
        finished_ = true;
        notifier_.setEnabled(false);
        timer_.stop();
        done_();
        deleteLater();
    }

    int fd_;
    QSocketNotifier notifier_;
    QTimer timer_;
    bool finished_ = false;
    std::function<bool()> onRequest_;
    std::function<void()> done_;
};

} // namespace

struct RequestListener::Channel {
    int fd = -1;
    QString problem;
    std::unique_ptr<QSocketNotifier> notifier;
    int clients = 0;
    std::function<bool()> onRequest;

    ~Channel() {
        notifier.reset();
        if (fd != -1)
            close(fd);
    }

    void listen(const QString& folder) {
        sockaddr_un address{};
        if (!socketAddress(folder, address)) {
            problem = QStringLiteral("the folder's path is too long for a socket");
            return;
        }
        // Left by a copy that has ended: only the lock's holder gets here.
        struct stat found {};
        if (lstat(address.sun_path, &found) == 0 &&
            (S_ISDIR(found.st_mode) || (unlink(address.sun_path) == -1 && errno != ENOENT))) {
            problem = QStringLiteral("what stands at %1 cannot be removed")
                          .arg(QFile::decodeName(address.sun_path));
            return;
        }
        fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd == -1) {
            problem = QStringLiteral("no socket (%1)").arg(qt_error_string(errno));
            return;
        }
        setUpSocket(fd);
        // Bound under the process's umask, then closed to all but this user
        // before anyone is let in; the folder is closed to them already.
        if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == -1 ||
            chmod(address.sun_path, S_IRUSR | S_IWUSR) == -1 || ::listen(fd, MostClients) == -1) {
            problem = QStringLiteral("the socket %1 cannot be made (%2)")
                          .arg(QFile::decodeName(address.sun_path), qt_error_string(errno));
            close(fd);
            fd = -1;
        }
    }

    // Clients past the most served at once wait in the socket's queue, as
    // their own wait allows, until one is done.
    void acceptClients(QObject* listener) {
        while (clients < MostClients) {
            const int client = accept(fd, nullptr, nullptr);
            if (client == -1) {
                if (errno == EINTR || errno == ECONNABORTED)
                    continue;
                return;
            }
            setUpSocket(client);
            if (!peerIsThisUser(client)) {
                close(client);
                continue;
            }
            ++clients;
            new Client(
                client, onRequest,
                [this] {
                    --clients;
                    notifier->setEnabled(true);
                },
                listener);
        }
        notifier->setEnabled(false);
    }
};

RequestListener::RequestListener(const QString& folder, std::function<bool()> onRequest,
                                 QObject* parent)
    : QObject(parent), channel_(std::make_unique<Channel>()) {
    channel_->onRequest = std::move(onRequest);
    channel_->listen(folder);
    if (channel_->fd == -1)
        return;
    channel_->notifier = std::make_unique<QSocketNotifier>(channel_->fd, QSocketNotifier::Read);
    connect(channel_->notifier.get(), &QSocketNotifier::activated, this,
            [this] { channel_->acceptClients(this); });
}

bool RequestListener::isListening() const {
    return channel_->fd != -1;
}

QString RequestListener::whyNotListening() const {
    return channel_->problem;
}

RequestAnswer askRunningCopy(const QString& folder, std::chrono::milliseconds wait) {
    const QDeadlineTimer deadline(wait.count());
    sockaddr_un address{};
    if (!socketAddress(folder, address))
        return RequestAnswer::NoAnswer;
    // Only a socket of this user's is asked anything.
    struct stat found {};
    if (lstat(address.sun_path, &found) == -1 || !S_ISSOCK(found.st_mode) ||
        found.st_uid != geteuid())
        return RequestAnswer::NoAnswer;
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd == -1)
        return RequestAnswer::NoAnswer;
    setUpSocket(fd);
    RequestAnswer answer = RequestAnswer::NoAnswer;
    char byte = ShowRequest;
    if (connectBefore(fd, address, deadline) && peerIsThisUser(fd) &&
        send(fd, &byte, 1, NoSignal) == 1 && waitFor(fd, POLLIN, deadline) &&
        recv(fd, &byte, 1, 0) == 1)
        answer = answerOf(byte);
    close(fd);
    return answer;
}

QString requestChannelName(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("horavela.sock"));
}

#endif

// Neither the ends nor the clients, which go with the listener's children,
// touch the channel as they go.
RequestListener::~RequestListener() = default;

} // namespace horavela
