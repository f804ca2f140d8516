#pragma once

#include <QObject>
#include <QString>

#include "platform/qt/LocalSocket.h"

namespace qx {

// A local socket beside the single-instance lock. The copy that holds the lock
// listens; a second copy knocks, and the first brings its window to the
// front. Only the lock decides who runs: the socket just carries the knock.
class InstanceBeacon : public QObject {
    Q_OBJECT

public:
    explicit InstanceBeacon(const QString& lockPath, QObject* parent = nullptr);

    // For the copy holding the lock; a socket left by a copy that died is
    // replaced. False when no socket can be made (nothing else depends on it).
    bool listen();

    // For a second copy: true when the running copy received the knock.
    static bool knock(const QString& lockPath, int timeoutMs = 1000);

    static QString socketPath(const QString& lockPath);

signals:
    void knocked();

private:
    QString path_;
    LocalListener listener_;
};

}  // namespace qx
