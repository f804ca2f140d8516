#include "platform/qt/SingleInstanceLock.h"

#include "platform/qt/RuntimeFolder.h"

namespace qx {
namespace {

QString lockIn(const QString& folder) {
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/quiltrix.lock");
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(const QString& path) : path_(path), lock_(path) {
    // A game may run for hours: only a dead owner makes the lock stale, never its age.
    lock_.setStaleLockTime(0);
}

LockOutcome SingleInstanceLock::tryAcquire() {
    if (lock_.isLocked()) return LockOutcome::Acquired;
    if (path_.isEmpty()) return LockOutcome::Unavailable;
    if (lock_.tryLock(0)) return LockOutcome::Acquired;
    // Only a lock someone holds means another copy runs; a folder we cannot
    // write to says nothing about other copies.
    return lock_.error() == QLockFile::LockFailedError ? LockOutcome::HeldByAnother
                                                       : LockOutcome::Unavailable;
}

QString SingleInstanceLock::defaultPath() {
    return lockIn(runtimeFolder());
}

QString SingleInstanceLock::lockPathFor(uid_t uid, const QString& runtimeRoot,
                                        const QString& tempRoot) {
    return lockIn(privateRuntimeFolder(uid, runtimeRoot, tempRoot));
}

}  // namespace qx
