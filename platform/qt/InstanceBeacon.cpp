#include "platform/qt/InstanceBeacon.h"

namespace qx {

InstanceBeacon::InstanceBeacon(const QString& lockPath, QObject* parent)
    : QObject(parent), path_(socketPath(lockPath)) {
    connect(&listener_, &LocalListener::connectionArrived, this, &InstanceBeacon::knocked);
}

QString InstanceBeacon::socketPath(const QString& lockPath) {
    return lockPath.isEmpty() ? QString() : lockPath + QStringLiteral(".socket");
}

bool InstanceBeacon::listen() {
    // We hold the lock, so whatever socket is there belongs to a dead copy.
    return !path_.isEmpty() && listener_.listen(path_);
}

bool InstanceBeacon::knock(const QString& lockPath, int timeoutMs) {
    const QString path = socketPath(lockPath);
    return !path.isEmpty() && sendLine(path, QByteArrayLiteral("front\n"), timeoutMs);
}

}  // namespace qx
