#include "platform/sound/AudioModule.h"

#include <QCoreApplication>
#include <QLibrary>

namespace qx {

std::unique_ptr<ClipOutput> openAudioModuleOutput() {
    // Kept loaded for the program's life: the outputs it makes live in it.
    static QLibrary module(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/quiltrix_audio"));
    if (!module.isLoaded() && !module.load()) return nullptr;
    using Entry = ClipOutput* (*)();
    const auto create = reinterpret_cast<Entry>(module.resolve(kAudioModuleEntry));
    return std::unique_ptr<ClipOutput>(create ? create() : nullptr);
}

}  // namespace qx
