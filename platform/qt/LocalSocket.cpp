#include "platform/qt/LocalSocket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>

namespace qx {
namespace {

// An answer longer than this is not one of ours.
constexpr qsizetype kMaxAnswer = 64 * 1024;

std::optional<sockaddr_un> socketAddress(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof(address.sun_path)) return std::nullopt;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return address;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Waits for `events` on the socket until the deadline; false on timeout or error.
bool waitFor(int fd, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd watch{fd, events, 0};
        const int ready = ::poll(&watch, 1, int(deadline.remainingTime()));
        if (ready > 0) return true;
        if (ready == 0 || errno != EINTR) return false;
    }
}

bool connectBy(int fd, const sockaddr_un& address, const QDeadlineTimer& deadline) {
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return true;
        // A full queue of waiting connections: the listener is busy, try again shortly.
        if (errno == EAGAIN && !deadline.hasExpired()) {
            QThread::msleep(5);
            continue;
        }
        if (errno == EINTR) continue;
        return false;
    }
}

bool writeAll(int fd, const QByteArray& data, const QDeadlineTimer& deadline) {
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n =
            ::send(fd, data.constData() + done, size_t(data.size() - done), MSG_NOSIGNAL);
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EAGAIN) {
            if (!waitFor(fd, POLLOUT, deadline)) return false;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return false;
        }
    }
    return true;
}

bool readLine(int fd, QByteArray* line, const QDeadlineTimer& deadline) {
    QByteArray received;
    char chunk[512];
    for (;;) {
        if (const qsizetype end = received.indexOf('\n'); end >= 0) {
            *line = received.left(end);
            if (line->endsWith('\r')) line->chop(1);
            return true;
        }
        if (received.size() > kMaxAnswer) return false;
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n > 0) {
            received.append(chunk, n);
        } else if (n < 0 && errno == EAGAIN) {
            if (!waitFor(fd, POLLIN, deadline)) return false;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return false;  // closed before a whole line came
        }
    }
}

// One accepted connection of a LocalListener: reads until a line, the end of
// the stream, too much, or the time runs out, then hands what it has over.
class IncomingLine : public QObject {
public:
    IncomingLine(int fd, std::function<void(const QByteArray&)> done, QObject* parent)
        : QObject(parent), socket_(fd), done_(std::move(done)) {
        auto* readable = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(readable, &QSocketNotifier::activated, this, &IncomingLine::read);
        QTimer::singleShot(LocalListener::kLineWaitMs, this, [this] { finish({}); });
    }

private:
    void read() {
        char chunk[256];
        for (;;) {
            const ssize_t n = ::recv(socket_.get(), chunk, sizeof chunk, 0);
            if (n > 0) {
                received_.append(chunk, n);
                if (const qsizetype end = received_.indexOf('\n'); end >= 0) {
                    QByteArray line = received_.left(end);
                    if (line.endsWith('\r')) line.chop(1);
                    return finish(line);
                }
                if (received_.size() > LocalListener::kMaxLine) return finish({});
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else if (n < 0 && errno == EAGAIN) {
                return;  // more later
            } else {
                return finish({});  // closed (or failed) before a whole line
            }
        }
    }
    void finish(const QByteArray& line) {
        if (finished_) return;
        finished_ = true;
        done_(line);
        deleteLater();
    }

    Descriptor socket_;
    std::function<void(const QByteArray&)> done_;
    QByteArray received_;
    bool finished_ = false;
};

}  // namespace

bool sendLine(const QString& path, const QByteArray& line, int timeoutMs, QByteArray* answer) {
    const auto address = socketAddress(QFile::encodeName(path));
    if (!address) return false;
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0) return false;
    const QDeadlineTimer deadline(timeoutMs);
    if (!connectBy(socket.get(), *address, deadline)) return false;
    if (!writeAll(socket.get(), line, deadline)) return false;
    return !answer || readLine(socket.get(), answer, deadline);
}

LineExchange::LineExchange(const QString& path, const QByteArray& line, int timeoutMs,
                           QObject* parent)
    : QObject(parent), unsent_(line) {
    deadline_ = new QTimer(this);
    deadline_->setSingleShot(true);
    connect(deadline_, &QTimer::timeout, this, [this] { finish(Outcome::NoAnswer); });
    deadline_->start(timeoutMs);

    const auto address = socketAddress(QFile::encodeName(path));
    if (address) fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd_ < 0) {
        finishSoon(Outcome::NobodyListens);
        return;
    }
    int result;
    do {
        result = ::connect(fd_, reinterpret_cast<const sockaddr*>(&*address), sizeof *address);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        // A full queue of waiting connections: someone listens but takes none.
        finishSoon(errno == EAGAIN ? Outcome::NoAnswer : Outcome::NobodyListens);
        return;
    }
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(fd_, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0) peerPid_ = peer.pid;
    reader_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    reader_->setEnabled(false);
    connect(reader_, &QSocketNotifier::activated, this, &LineExchange::readMore);
    writer_ = new QSocketNotifier(fd_, QSocketNotifier::Write, this);
    writer_->setEnabled(false);
    connect(writer_, &QSocketNotifier::activated, this, &LineExchange::writeMore);
    writeMore();
}

LineExchange::~LineExchange() {
    delete reader_;
    delete writer_;
    if (fd_ >= 0) ::close(fd_);
}

void LineExchange::writeMore() {
    while (!unsent_.isEmpty()) {
        const ssize_t n = ::send(fd_, unsent_.constData(), size_t(unsent_.size()), MSG_NOSIGNAL);
        if (n > 0) {
            unsent_.remove(0, n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            writer_->setEnabled(true);
            return;
        } else {
            return finishSoon(Outcome::NoAnswer);
        }
    }
    writer_->setEnabled(false);
    reader_->setEnabled(true);
}

void LineExchange::readMore() {
    char chunk[512];
    for (;;) {
        const ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
        if (n > 0) {
            received_.append(chunk, n);
            if (const qsizetype end = received_.indexOf('\n'); end >= 0) {
                QByteArray line = received_.left(end);
                if (line.endsWith('\r')) line.chop(1);
                return finish(Outcome::Answered, line);
            }
            if (received_.size() > kMaxAnswer) return finish(Outcome::NoAnswer);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            return;  // the rest comes later
        } else {
            return finish(Outcome::NoAnswer);  // hung up before a whole line
        }
    }
}

void LineExchange::finishSoon(Outcome outcome) {
    QTimer::singleShot(0, this, [this, outcome] { finish(outcome); });
}

void LineExchange::finish(Outcome outcome, const QByteArray& answer) {
    if (finished_) return;
    finished_ = true;
    deadline_->stop();
    if (reader_) reader_->setEnabled(false);
    if (writer_) writer_->setEnabled(false);
    emit finished(outcome, answer);
}

LocalListener::LocalListener(QObject* parent) : QObject(parent) {}

LocalListener::~LocalListener() {
    close();
}

bool LocalListener::listen(const QString& socketPath) {
    close();
    const QByteArray path = QFile::encodeName(socketPath);
    const auto address = socketAddress(path);
    if (!address) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    ::unlink(path.constData());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 ||
        ::chmod(path.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 16) != 0) {
        ::close(fd);
        ::unlink(path.constData());
        return false;
    }
    fd_ = fd;
    path_ = path;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &LocalListener::acceptAll);
    return true;
}

void LocalListener::acceptAll() {
    for (;;) {
        const int connection = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0) {
            if (errno == EINTR) continue;
            return;  // nothing more waiting (or a transient error: the notifier comes back)
        }
        new IncomingLine(
            connection, [this](const QByteArray& line) { emit lineArrived(line); }, this);
    }
}

void LocalListener::close() {
    if (fd_ < 0) return;
    delete notifier_;
    notifier_ = nullptr;
    ::close(fd_);
    fd_ = -1;
    ::unlink(path_.constData());
    path_.clear();
}

}  // namespace qx
