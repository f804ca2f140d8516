#pragma once

// A second local user for the checks that another user can neither block nor
// impersonate the game's runtime files: "nobody", reached through setpriv.
// Only root can act as another user; elsewhere those checks are skipped.
#include <pwd.h>
#include <unistd.h>

#include <QStandardPaths>
#include <QStringList>
#include <optional>

namespace qx::test {

struct OtherUser {
    uid_t uid;
    gid_t gid;

    // The command line that runs `program` as this user.
    QStringList command(const QString& program, const QStringList& arguments = {}) const {
        return QStringList{QStringLiteral("--reuid=%1").arg(uid),
                           QStringLiteral("--regid=%1").arg(gid), QStringLiteral("--clear-groups"),
                           program} +
               arguments;
    }
    static QString runner() { return QStandardPaths::findExecutable(QStringLiteral("setpriv")); }
};

// Why there is none, for the skip message, when there is none.
inline std::optional<OtherUser> otherUser(QString* why = nullptr) {
    const passwd* nobody = ::getpwnam("nobody");
    QString reason;
    if (::geteuid() != 0)
        reason = QStringLiteral("only root can act as another user");
    else if (!nobody || nobody->pw_uid == 0)
        reason = QStringLiteral("there is no user \"nobody\"");
    else if (OtherUser::runner().isEmpty())
        reason = QStringLiteral("setpriv is missing");
    if (!reason.isEmpty()) {
        if (why) *why = reason;
        return std::nullopt;
    }
    return OtherUser{nobody->pw_uid, nobody->pw_gid};
}

}  // namespace qx::test
