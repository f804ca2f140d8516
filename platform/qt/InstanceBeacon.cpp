#include "platform/qt/InstanceBeacon.h"

#include <algorithm>

namespace qx {

namespace {

constexpr qsizetype kMaxToken = 256;

bool isToken(QByteArrayView text) {
    if (text.isEmpty() || text.size() > kMaxToken) return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 127; });
}

}  // namespace

InstanceBeacon::InstanceBeacon(const QString& lockPath, QObject* parent)
    : QObject(parent), path_(socketPath(lockPath)) {
    connect(&listener_, &LocalListener::lineArrived, this,
            [this](const QByteArray& line) { emit knocked(tokenOf(line)); });
}

QByteArray InstanceBeacon::knockLine(const QString& activationToken) {
    const QByteArray token = activationToken.toUtf8();
    return isToken(token) ? QByteArrayLiteral("front ") + token + '\n'
                          : QByteArrayLiteral("front\n");
}

QString InstanceBeacon::tokenOf(const QByteArray& line) {
    if (!line.startsWith("front ")) return {};
    const QByteArrayView token = QByteArrayView(line).sliced(6);
    return isToken(token) ? QString::fromLatin1(token) : QString();
}

QString InstanceBeacon::socketPath(const QString& lockPath) {
    return lockPath.isEmpty() ? QString() : lockPath + QStringLiteral(".socket");
}

bool InstanceBeacon::listen() {
    // We hold the lock, so whatever socket is there belongs to a dead copy.
    return !path_.isEmpty() && listener_.listen(path_);
}

bool InstanceBeacon::knock(const QString& lockPath, const QString& activationToken, int timeoutMs) {
    const QString path = socketPath(lockPath);
    return !path.isEmpty() && sendLine(path, knockLine(activationToken), timeoutMs);
}

}  // namespace qx
