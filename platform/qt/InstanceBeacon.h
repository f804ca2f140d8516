#pragma once

#include <QObject>
#include <QString>

#include "platform/qt/LocalSocket.h"

namespace qx {

// A local socket beside the single-instance lock. The copy that holds the lock
// listens; a second copy knocks, and the first brings its window to the
// front. Only the lock decides who runs: the socket just carries the knock,
// and with it the activation token the second copy was started with, so a
// Wayland compositor lets the first copy come forward.
class InstanceBeacon : public QObject {
    Q_OBJECT

public:
    explicit InstanceBeacon(const QString& lockPath, QObject* parent = nullptr);

    // For the copy holding the lock; a socket left by a copy that died is
    // replaced. False when no socket can be made (nothing else depends on it).
    bool listen();

    // For a second copy: true when the running copy received the knock. A
    // token that is not one (empty, too long, spaces or control characters)
    // is left out.
    static bool knock(const QString& lockPath, const QString& activationToken = {},
                      int timeoutMs = 1000);

    static QString socketPath(const QString& lockPath);

    // What a knock line carries: "front", then a space and a token if any.
    static QByteArray knockLine(const QString& activationToken);
    // The token of a knock line; empty when there is none or it is not one.
    static QString tokenOf(const QByteArray& line);

signals:
    void knocked(const QString& activationToken);

private:
    QString path_;
    LocalListener listener_;
};

}  // namespace qx
