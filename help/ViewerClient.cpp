#include "help/ViewerClient.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

namespace qx {
namespace {

constexpr int kAnswerTimeoutMs = 10000;
constexpr int kRestartMs = 2500;

}  // namespace

std::optional<quint64> ViewerClient::sendToRunning(const QString& serverName,
                                                   const ViewerRequest& request) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(1000)) return std::nullopt;
    socket.write(request.toLine());
    if (!socket.waitForBytesWritten(kAnswerTimeoutMs)) return std::nullopt;
    QDeadlineTimer deadline(kAnswerTimeoutMs);
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return std::nullopt;
    }
    return socket.readLine().trimmed().toULongLong();
}

ViewerClient::Answer ViewerClient::send(const QString& program, const QString& file,
                                        const QString& windowType, const ViewerRequest& request) {
    const QString name = viewerServerName(file, windowType);
    if (const auto window = sendToRunning(name, request)) return {true, *window};

    QString target = file;
    if (!windowType.trimmed().isEmpty()) target += QLatin1Char('>') + windowType.trimmed();
    const QStringList arguments{QStringLiteral("--serve"), target};
    if (!QProcess::startDetached(program, arguments)) return {};
    QDeadlineTimer deadline(kStartTimeoutMs);
    QDeadlineTimer restart(kRestartMs);
    while (!deadline.hasExpired()) {
        if (const auto window = sendToRunning(name, request)) return {true, *window};
        // A viewer that was closing when ours started kept the pair's lock, so
        // ours stepped back; start another (a surplus one steps back too).
        if (restart.hasExpired()) {
            QProcess::startDetached(program, arguments);
            restart.setRemainingTime(kRestartMs);
        }
        QThread::msleep(50);
    }
    return {};
}

}  // namespace qx
