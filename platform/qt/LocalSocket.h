#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;
class QTimer;

namespace qx {

// Local stream sockets for the game's two short conversations: a second copy
// knocking on the running one, and requests to the help viewer. They are
// plain Unix-domain sockets at a path (in the user's private runtime folder),
// which Qt's local server answers too, without linking Qt Network into the
// game: its libraries (Kerberos, proxy support) cost start-up several
// milliseconds for a few bytes.

// Connects to the socket at `path`, writes `line` and, when `answer` is
// given, reads one line back (without its end of line). False when nobody
// listens, on any failure, or when `timeoutMs` runs out; never blocks longer
// than that.
bool sendLine(const QString& path, const QByteArray& line, int timeoutMs,
              QByteArray* answer = nullptr);

// One line sent and one line answered without ever blocking the caller: the
// connection is made and the line written before the constructor returns,
// and the answer is awaited in the event loop. finished() comes exactly once,
// never from the constructor.
class LineExchange : public QObject {
    Q_OBJECT

public:
    enum class Outcome {
        Answered,       // a whole line came back
        NobodyListens,  // no socket there, or no one behind it
        NoAnswer,       // someone took the connection (or left it waiting) and
                        // did not answer in time, or hung up first
    };

    LineExchange(const QString& path, const QByteArray& line, int timeoutMs,
                 QObject* parent = nullptr);
    ~LineExchange() override;

    // The process that listens at the other end, or 0 when none was reached.
    qint64 peerPid() const { return peerPid_; }

signals:
    // `answer` without its end of line.
    void finished(qx::LineExchange::Outcome outcome, const QByteArray& answer);

private:
    void writeMore();
    void readMore();
    void finish(Outcome outcome, const QByteArray& answer = {});
    void finishSoon(Outcome outcome);

    int fd_ = -1;
    QByteArray unsent_;
    QByteArray received_;
    QSocketNotifier* reader_ = nullptr;
    QSocketNotifier* writer_ = nullptr;
    QTimer* deadline_ = nullptr;
    qint64 peerPid_ = 0;
    bool finished_ = false;
};

// A socket that listens for connections and reads one short line from each
// (without waiting on it: a caller that says nothing holds up no one). Every
// connection counts, whatever it says: one that closes, stalls or overruns
// before a whole line arrives gives an empty line.
class LocalListener : public QObject {
    Q_OBJECT

public:
    static constexpr qsizetype kMaxLine = 512;
    static constexpr int kLineWaitMs = 1000;

    explicit LocalListener(QObject* parent = nullptr);
    ~LocalListener() override;

    // Replaces whatever socket file is at the place (the caller knows it is
    // stale) and makes it reachable by its owner only. False when no socket
    // can be made there.
    bool listen(const QString& socketPath);

signals:
    // The line a connection sent, without its end of line.
    void lineArrived(const QByteArray& line);

private:
    void acceptAll();
    void close();

    int fd_ = -1;
    QByteArray path_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace qx
