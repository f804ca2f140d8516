#include "platform/sound/SoundClips.h"

#include <QFile>

#include "resources/ResourceCatalog.h"

namespace qx {

bool SoundClips::Load() {
    if (loaded_) return true;
    bool all = true;
    for (int i = 0; i < kCount; ++i) {
        QFile file(resourcePath("sounds", QStringLiteral("SOUND%1.wav").arg(i + 1)));
        if (!file.open(QIODevice::ReadOnly)) {
            all = false;
            continue;
        }
        clips_[i] = file.readAll();
    }
    loaded_ = all;
    return all;
}

const QByteArray& SoundClips::clip(int index) const {
    static const QByteArray none;
    if (index < 0 || index >= kCount) return none;
    return clips_[index];
}

}  // namespace qx
