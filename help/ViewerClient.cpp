#include "help/ViewerClient.h"

#include <signal.h>

#include <QCoreApplication>
#include <QTimer>

#include "platform/qt/DetachedProcess.h"
#include "platform/qt/LocalSocket.h"

namespace qx {
namespace {

// At the program's end a viewer that was still starting gets this long to go.
constexpr int kEndAtExitMs = 300;

// Ends a viewer that hangs: asked first, so it can remove its lock and
// socket, killed when it has not gone once `graceMs` is over or the program
// ends, whichever comes first. Never waits here.
class HungViewerEnd : public QObject {
public:
    HungViewerEnd(std::unique_ptr<DetachedProcess> process, int graceMs)
        : QObject(QCoreApplication::instance()), process_(std::move(process)) {
        process_->signal(SIGTERM);
        QTimer::singleShot(graceMs, this, [this] { deleteLater(); });
    }
    ~HungViewerEnd() override { process_->signal(SIGKILL); }

private:
    std::unique_ptr<DetachedProcess> process_;
};

void endHungViewer(std::unique_ptr<DetachedProcess> process, int graceMs) {
    if (process && process->running()) new HungViewerEnd(std::move(process), graceMs);
}

}  // namespace

std::optional<quint64> ViewerClient::sendToRunning(const QString& socketPath,
                                                   const ViewerRequest& request) {
    QByteArray answer;
    if (!sendLine(socketPath, request.toLine(), Timing().answerTimeoutMs, &answer))
        return std::nullopt;
    return answer.trimmed().toULongLong();
}

ViewerCall::ViewerCall(QString program, const QString& file, const QString& windowType,
                       const ViewerClient::Timing& timing, QObject* parent)
    : QObject(parent),
      program_(std::move(program)),
      target_(windowType.trimmed().isEmpty() ? file
                                             : file + QLatin1Char('>') + windowType.trimmed()),
      socket_(viewerPlace(file, windowType).socket),
      timing_(timing) {
    retry_ = new QTimer(this);
    retry_->setSingleShot(true);
    connect(retry_, &QTimer::timeout, this, &ViewerCall::sendNext);
    // A program on its way out does not leave a viewer starting behind it.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &ViewerCall::abandon);
}

ViewerCall::~ViewerCall() {
    abandon();
}

void ViewerCall::abandon() {
    pending_.clear();
    delete exchange_;
    exchange_ = nullptr;
    retry_->stop();
    for (const auto& process : started_) process->endWithin(kEndAtExitMs);
    started_.clear();
}

void ViewerCall::add(const ViewerRequest& request, ViewerClient::AnswerHandler done,
                     bool mayStart) {
    pending_.push_back({request, std::move(done), mayStart});
    if (pending_.size() == 1) sendNext();
}

void ViewerCall::sendNext() {
    if (exchange_ || retry_->isActive()) return;  // already on its way
    if (pending_.empty()) {
        emit idle();
        return;
    }
    if (socket_.isEmpty()) return failAll();  // no private runtime folder
    exchange_ =
        new LineExchange(socket_, pending_.front().request.toLine(), timing_.answerTimeoutMs, this);
    connect(exchange_, &LineExchange::finished, this,
            [this](LineExchange::Outcome outcome, const QByteArray& answer) {
                const qint64 peer = exchange_->peerPid();
                exchange_->deleteLater();
                exchange_ = nullptr;
                exchanged(outcome, answer, peer);
            });
}

void ViewerCall::exchanged(LineExchange::Outcome outcome, const QByteArray& answer, qint64 peer) {
    switch (outcome) {
        case LineExchange::Outcome::Answered: {
            // The viewers started so far run on by themselves: one of them
            // answered, and the others step back on their own.
            started_.clear();
            starts_ = 0;
            sinceFirstStart_.invalidate();
            Pending done = std::move(pending_.front());
            pending_.pop_front();
            if (done.done) done.done({true, answer.trimmed().toULongLong(), false});
            return sendNext();
        }
        case LineExchange::Outcome::NoAnswer:
            // It listens but hangs, or died while it had the request.
            endHungViewer(DetachedProcess::watch(peer), timing_.graceMs);
            return failAll();
        case LineExchange::Outcome::NobodyListens:
            return nobodyListens();
    }
}

void ViewerCall::nobodyListens() {
    const bool mayStart = pending_.front().mayStart;
    if (!mayStart && !startsRunning()) {
        // Only for a viewer that runs: there is none.
        pending_.pop_front();
        return sendNext();
    }
    if (sinceFirstStart_.isValid() && sinceFirstStart_.hasExpired(timing_.startTimeoutMs)) {
        // Started and still not listening: it hangs.
        endStarted();
        return failAll();
    }
    if (!startsRunning() && !startViewer()) return failAll();
    retry_->start(timing_.retryMs);
}

bool ViewerCall::startsRunning() const {
    for (const auto& process : started_)
        if (process->running()) return true;
    return false;
}

// Another start, when those before it stepped back (a viewer that was closing
// kept the pair's lock) or died; a few at most.
bool ViewerCall::startViewer() {
    if (starts_ >= timing_.maxStarts) return false;
    ++starts_;
    auto process = DetachedProcess::start(program_, {QStringLiteral("--serve"), target_});
    if (!process) return false;
    if (!sinceFirstStart_.isValid()) sinceFirstStart_.start();
    started_.push_back(std::move(process));
    return true;
}

void ViewerCall::endStarted() {
    for (auto& process : started_) endHungViewer(std::move(process), timing_.graceMs);
    started_.clear();
}

// One report for the whole wait: the first request that wants an answer
// carries it, the others joined it. A request made meanwhile (a handler may
// show a box) starts afresh.
void ViewerCall::failAll() {
    endStarted();
    starts_ = 0;
    sinceFirstStart_.invalidate();
    std::deque<Pending> failed;
    failed.swap(pending_);
    bool told = false;
    for (Pending& item : failed) {
        if (!item.done) continue;
        item.done({false, 0, told});
        told = true;
    }
    sendNext();
}

}  // namespace qx
