#include "platform/qt/InstanceBeacon.h"

#include <QLocalSocket>

namespace qx {

InstanceBeacon::InstanceBeacon(const QString& lockPath, QObject* parent)
    : QObject(parent), path_(socketPath(lockPath)) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            emit knocked();
        }
    });
}

QString InstanceBeacon::socketPath(const QString& lockPath) {
    return lockPath.isEmpty() ? QString() : lockPath + QStringLiteral(".socket");
}

bool InstanceBeacon::listen() {
    if (path_.isEmpty()) return false;
    // We hold the lock, so whatever socket is there belongs to a dead copy.
    QLocalServer::removeServer(path_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    return server_.listen(path_);
}

bool InstanceBeacon::knock(const QString& lockPath, int timeoutMs) {
    const QString path = socketPath(lockPath);
    if (path.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write("front\n");
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

}  // namespace qx
