#pragma once

#include <QLockFile>
#include <QString>

namespace qx {

// One running copy per user. The lock file is taken atomically, so of two
// copies starting at once exactly one wins; a lock left by a copy that died
// is taken over. It is held until this object goes.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString& path = defaultPath());
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True when this copy now holds the lock (or already did).
    bool tryAcquire();
    bool isHeld() const { return lock_.isLocked(); }
    const QString& path() const { return path_; }

    // In the user's runtime folder, or a per-user name in the temp folder.
    static QString defaultPath();

private:
    QString path_;
    QLockFile lock_;
};

}  // namespace qx
