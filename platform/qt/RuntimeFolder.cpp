#include "platform/qt/RuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>

namespace qx {
namespace {

// The login session's runtime folders and the system's temporary folder.
// Fixed rather than read from XDG_RUNTIME_DIR or TMPDIR: copies started with
// different environments must still meet at one lock.
constexpr char kRuntimeRoot[] = "/run/user";
constexpr char kTempRoot[] = "/tmp";

// Makes `path` a private folder of `uid`, keeping one that already is. A
// name someone else owns, or a link, is refused rather than used.
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

bool isPrivateFolder(const QString& path, uid_t uid) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == uid && (info.st_mode & 077) == 0;
}

QString privateRuntimeFolder(uid_t uid, const QString& runtimeRoot, const QString& tempRoot) {
    const QString user = QString::number(static_cast<qulonglong>(uid));
    const QString runtime = runtimeRoot + QLatin1Char('/') + user;
    if (!runtimeRoot.isEmpty() && isPrivateFolder(runtime, uid)) return runtime;
    if (tempRoot.isEmpty() || tempRoot == QLatin1String("/")) return {};
    const QString folder = tempRoot + QStringLiteral("/quiltrix-") + user;
    return makePrivateFolder(folder, uid) ? folder : QString();
}

QString runtimeFolder() {
    const uid_t uid = ::getuid();
    const QString chosen = qEnvironmentVariable(kRuntimeFolderVariable);
    if (!chosen.isEmpty()) {
        // Made when missing, but never opened up or closed down: whatever the
        // caller named must already be private if it exists.
        const QString folder = QDir::cleanPath(QDir::current().absoluteFilePath(chosen));
        ::mkdir(QFile::encodeName(folder).constData(), 0700);
        return isPrivateFolder(folder, uid) ? folder : QString();
    }
    return privateRuntimeFolder(uid, QString::fromLatin1(kRuntimeRoot),
                                QString::fromLatin1(kTempRoot));
}

}  // namespace qx
