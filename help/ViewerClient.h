#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "help/ViewerRequest.h"
#include "platform/qt/LocalSocket.h"

class QTimer;

namespace qx {

class DetachedProcess;

// Talks to the help viewer program.
class ViewerClient {
public:
    struct Answer {
        bool reached = false;  // a viewer took the request
        quint64 window = 0;    // the viewer's window id, 0 when it shows none
        // Not reached, and only because the request waited for the same
        // viewer as an earlier one: that one carries the failure.
        bool joined = false;
    };
    using AnswerHandler = std::function<void(const Answer&)>;

    struct Timing {
        int startTimeoutMs = 10000;   // a started viewer listens by then, or is ended
        int answerTimeoutMs = 10000;  // a listening viewer answers by then, or is ended
        int maxStarts = 3;            // starts that step back or die before giving up
        int retryMs = 50;             // between tries to reach a viewer that is starting
        int graceMs = 1000;           // from asking a viewer to stop to killing it
    };

    // Only a running viewer, waiting for its answer on this thread (for the
    // viewer's own command line, never for the game).
    static std::optional<quint64> sendToRunning(const QString& socketPath,
                                                const ViewerRequest& request);
};

// The requests on their way to the viewer of one file in one window type,
// and the viewer programs started for them. Nothing here waits on the
// caller's thread: the requests go one after another as the viewer answers,
// a viewer that is starting is tried again shortly, starts that step back or
// die are made again a few times at most, and a viewer that does not listen
// or answer in time is ended. Each request's handler is called once.
class ViewerCall : public QObject {
    Q_OBJECT

public:
    ViewerCall(QString program, const QString& file, const QString& windowType,
               const ViewerClient::Timing& timing, QObject* parent = nullptr);
    // A viewer started and never reached is ended; no handler is called.
    ~ViewerCall() override;

    // Queues a request. Only one that `mayStart` starts a viewer; the others
    // reach a viewer that runs or is being started, or are dropped.
    void add(const ViewerRequest& request, ViewerClient::AnswerHandler done, bool mayStart);

signals:
    void idle();  // every request has been answered or given up

private:
    struct Pending {
        ViewerRequest request;
        ViewerClient::AnswerHandler done;
        bool mayStart;
    };

    void sendNext();
    void exchanged(LineExchange::Outcome outcome, const QByteArray& answer, qint64 peer);
    void nobodyListens();
    bool startViewer();
    bool startsRunning() const;
    void failAll();
    void endStarted();
    void abandon();

    QString program_;
    QString target_;  // FILE or FILE>WINDOW, as the viewer takes it
    QString socket_;
    ViewerClient::Timing timing_;
    std::deque<Pending> pending_;
    LineExchange* exchange_ = nullptr;
    QTimer* retry_ = nullptr;
    std::vector<std::unique_ptr<DetachedProcess>> started_;
    int starts_ = 0;
    QElapsedTimer sinceFirstStart_;  // invalid until a viewer is started
};

}  // namespace qx
