#include "help/ViewerClient.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

namespace qx {
namespace {

constexpr int kAnswerTimeoutMs = 10000;

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
    if (!QProcess::startDetached(program, {QStringLiteral("--serve"), target})) return {};
    QDeadlineTimer deadline(kStartTimeoutMs);
    while (!deadline.hasExpired()) {
        if (const auto window = sendToRunning(name, request)) return {true, *window};
        QThread::msleep(50);
    }
    return {};
}

}  // namespace qx
