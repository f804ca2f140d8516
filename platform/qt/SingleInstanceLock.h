#pragma once

#include <sys/types.h>

#include <QLockFile>
#include <QString>

namespace qx {

enum class LockOutcome {
    Acquired,       // this copy holds the lock (or already did)
    HeldByAnother,  // a live copy holds it
    Unavailable,    // no lock file can be made here: nothing to tell the player
};

// One running copy per user. The lock file is taken atomically, so of two
// copies starting at once exactly one wins; a lock left by a copy that died
// is taken over. It is held until this object goes.
class SingleInstanceLock {
public:
    // An empty path means no lock can be had (tryAcquire says Unavailable).
    explicit SingleInstanceLock(const QString& path = defaultPath());
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    LockOutcome tryAcquire();
    bool isHeld() const { return lock_.isLocked(); }
    const QString& path() const { return path_; }

    // The user's lock in the private runtime folder, the same for every copy
    // whatever its environment (only tests and tools name another folder).
    static QString defaultPath();

    // The lock in privateRuntimeFolder(uid, runtimeRoot, tempRoot); empty
    // when there is no such folder.
    static QString lockPathFor(uid_t uid, const QString& runtimeRoot, const QString& tempRoot);

private:
    QString path_;
    QLockFile lock_;
};

}  // namespace qx
