#pragma once

#include <sys/types.h>

#include <QString>

namespace qx {

// Names another runtime folder for the game and its help viewer. For tests
// and tools only (players never set it): a test run gets locks and sockets of
// its own, so it neither meets a copy the user is playing nor another run.
// The folder is made if missing and used only when it is private.
inline constexpr char kRuntimeFolderVariable[] = "QUILTRIX_RUNTIME_DIR";

// The user's private folder for every lock and socket of the game and the
// viewer: the folder kRuntimeFolderVariable names when it is set, else
// /run/user/<uid> when it is private, else /tmp/quiltrix-<uid>, made private
// if needed. Empty when no private folder can be had (someone else owns the
// name, or nothing can be created there).
QString runtimeFolder();

// The choice above under other roots: `runtimeRoot`/<uid> when it is private
// to `uid`, else `tempRoot`/quiltrix-<uid>, made private (0700) if needed.
QString privateRuntimeFolder(uid_t uid, const QString& runtimeRoot, const QString& tempRoot);

// A real folder (no link) owned by `uid` that no one else may enter.
bool isPrivateFolder(const QString& path, uid_t uid);

}  // namespace qx
