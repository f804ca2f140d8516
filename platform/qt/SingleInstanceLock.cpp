#include "platform/qt/SingleInstanceLock.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

namespace qx {
namespace {

// The login session's runtime folders and the system's temporary folder.
// Fixed rather than read from XDG_RUNTIME_DIR or TMPDIR: copies started with
// different environments must still meet at one lock.
constexpr char kRuntimeRoot[] = "/run/user";
constexpr char kTempRoot[] = "/tmp";

// A real folder (no link) owned by `uid` that no one else may enter.
bool isPrivateFolder(const QString& path, uid_t uid) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == uid && (info.st_mode & 077) == 0;
}

// Makes `path` a private folder of `uid`, keeping one that already is.
bool makePrivateFolder(const QString& path, uid_t uid) {
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) return false;
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != uid)
        return false;
    if ((info.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0) return false;
    return isPrivateFolder(path, uid);
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
    return lockPathFor(::getuid(), QString::fromLatin1(kRuntimeRoot),
                       QString::fromLatin1(kTempRoot));
}

QString SingleInstanceLock::lockPathFor(uid_t uid, const QString& runtimeRoot,
                                        const QString& tempRoot) {
    const QString user = QString::number(static_cast<qulonglong>(uid));
    const QString runtime = runtimeRoot + QLatin1Char('/') + user;
    if (!runtimeRoot.isEmpty() && isPrivateFolder(runtime, uid))
        return runtime + QStringLiteral("/quiltrix.lock");
    if (tempRoot.isEmpty() || tempRoot == QLatin1String("/")) return {};
    const QString folder = tempRoot + QStringLiteral("/quiltrix-") + user;
    if (!makePrivateFolder(folder, uid)) return {};
    return folder + QStringLiteral("/quiltrix.lock");
}

}  // namespace qx
