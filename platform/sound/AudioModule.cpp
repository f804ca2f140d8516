#include "platform/sound/AudioModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace qx {
namespace {

// Beside the program in a build; once installed, in lib/games/quiltrix/ next
// to the program's folder, where Debian keeps a game's private libraries.
bool loadAudioModule(QLibrary& module) {
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString& path : {folder + QStringLiteral("/quiltrix_audio"),
                                folder + QStringLiteral("/../lib/games/quiltrix/quiltrix_audio")}) {
        module.setFileName(QDir::cleanPath(path));
        if (module.load()) return true;
    }
    return false;
}

}  // namespace

std::unique_ptr<ClipOutput> openAudioModuleOutput() {
    // Kept loaded for the program's life: the outputs it makes live in it.
    static QLibrary module;
    if (!module.isLoaded() && !loadAudioModule(module)) return nullptr;
    using Entry = ClipOutput* (*)();
    const auto create = reinterpret_cast<Entry>(module.resolve(kAudioModuleEntry));
    return std::unique_ptr<ClipOutput>(create ? create() : nullptr);
}

}  // namespace qx
