#pragma once

#include <sys/types.h>

#include <QString>

namespace qx {

enum class LockOutcome {
    Acquired,       // this copy holds the lock (or already did)
    HeldByAnother,  // a live copy holds it
    Unavailable,    // no lock file can be made here: nothing to tell the player
};

// One running copy per user: an exclusive lock (flock) on a file, so of two
// copies starting at once exactly one wins, and the system lets go of it
// when its holder ends however it ends; a file left by a copy that died is
// simply locked again. Nothing is written to disk that must survive, so
// taking the lock never waits for the disk. It is held, and its file
// removed, until this object goes.
class SingleInstanceLock {
public:
    // An empty path means no lock can be had (tryAcquire says Unavailable).
    explicit SingleInstanceLock(const QString& path = defaultPath());
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    LockOutcome tryAcquire();
    bool isHeld() const { return file_ >= 0; }
    const QString& path() const { return path_; }

    // The user's lock in the private runtime folder, the same for every copy
    // whatever its environment (only tests and tools name another folder).
    static QString defaultPath();

    // The lock in privateRuntimeFolder(uid, runtimeRoot, tempRoot); empty
    // when there is no such folder.
    static QString lockPathFor(uid_t uid, const QString& runtimeRoot, const QString& tempRoot);

private:
    QString path_;
    int file_ = -1;  // the locked file while held
};

}  // namespace qx
