#include "help/ViewerClient.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

#include "platform/qt/LocalSocket.h"

namespace qx {
namespace {

constexpr int kAnswerTimeoutMs = 10000;
constexpr int kRestartMs = 2500;

}  // namespace

std::optional<quint64> ViewerClient::sendToRunning(const QString& socketPath,
                                                   const ViewerRequest& request) {
    QByteArray answer;
    if (!sendLine(socketPath, request.toLine(), kAnswerTimeoutMs, &answer)) return std::nullopt;
    return answer.trimmed().toULongLong();
}

ViewerClient::Answer ViewerClient::send(const QString& program, const QString& file,
                                        const QString& windowType, const ViewerRequest& request) {
    const QString name = viewerPlace(file, windowType).socket;
    if (name.isEmpty()) return {};
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
