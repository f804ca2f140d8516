// Any bytes as the player's picture, through the whole loader, with budgets
// small enough that a run makes many tries a second. A load either fails
// cleanly or gives a master and hint of the promised sizes.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/image/PictureLoader.h"

namespace {

QString picturePath() {
    static QTemporaryDir dir;
    return dir.filePath(QStringLiteral("picture"));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);  // image plugins are found through it
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile file(picturePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    qx::PictureLoadOptions options;
    options.maxPixels = 4'000'000;
    options.maxDecodeBytes = 32 << 20;
    options.maxJpegWork = 8 << 20;
    const qx::LoadedPicture picture = qx::LoadPicture(picturePath(), options);
    if (picture.status == qx::PictureLoadStatus::Loaded) {
        if (picture.master.isNull() || picture.hint.size() != options.hintSize) std::abort();
        if (picture.master.width() > options.cropLimit.width() ||
            picture.master.height() > options.cropLimit.height())
            std::abort();
    }
    return 0;
}
