#include "platform/qt/SingleInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>

#include "platform/qt/RuntimeFolder.h"

namespace qx {
namespace {

QString lockIn(const QString& folder) {
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/quiltrix.lock");
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(const QString& path) : path_(path) {}

SingleInstanceLock::~SingleInstanceLock() {
    if (file_ < 0) return;
    // Removed while still locked, so no copy can lock this file after us
    // and think it holds the one at the path.
    ::unlink(QFile::encodeName(path_).constData());
    ::close(file_);
}

LockOutcome SingleInstanceLock::tryAcquire() {
    if (file_ >= 0) return LockOutcome::Acquired;
    if (path_.isEmpty()) return LockOutcome::Unavailable;
    const QByteArray native = QFile::encodeName(path_);
    // A copy that was letting go may remove the file between our opening and
    // our locking it; then lock the new one. Twice more is plenty: each
    // round needs another copy to take and drop the lock in between.
    for (int round = 0; round < 3; ++round) {
        const int file =
            ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        // A folder we cannot write to says nothing about other copies.
        if (file < 0) return LockOutcome::Unavailable;
        if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(file);
            return error == EWOULDBLOCK ? LockOutcome::HeldByAnother : LockOutcome::Unavailable;
        }
        struct stat locked {};
        struct stat named {};
        if (::fstat(file, &locked) == 0 && ::stat(native.constData(), &named) == 0 &&
            locked.st_dev == named.st_dev && locked.st_ino == named.st_ino) {
            file_ = file;
            return LockOutcome::Acquired;
        }
        ::close(file);
    }
    return LockOutcome::HeldByAnother;
}

QString SingleInstanceLock::defaultPath() {
    return lockIn(runtimeFolder());
}

QString SingleInstanceLock::lockPathFor(uid_t uid, const QString& runtimeRoot,
                                        const QString& tempRoot) {
    return lockIn(privateRuntimeFolder(uid, runtimeRoot, tempRoot));
}

}  // namespace qx
