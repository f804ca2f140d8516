#include "platform/qt/SingleInstanceLock.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>

namespace qx {

SingleInstanceLock::SingleInstanceLock(const QString& path) : path_(path), lock_(path) {
    // A game may run for hours: only a dead owner makes the lock stale, never its age.
    lock_.setStaleLockTime(0);
}

bool SingleInstanceLock::tryAcquire() {
    if (lock_.isLocked()) return true;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    return lock_.tryLock(0);
}

QString SingleInstanceLock::defaultPath() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return runtime + QStringLiteral("/quiltrix.lock");
    return QDir::tempPath() +
           QStringLiteral("/quiltrix-%1.lock").arg(static_cast<qulonglong>(::getuid()));
}

}  // namespace qx
