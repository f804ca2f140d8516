#include "MasterPicture.h"

#include "engine/Geometry.h"

#ifdef QUILTRIX_HAVE_PICTURE_LOADER
#include "platform/image/PictureLoader.h"
#else
#include <QImage>
#include <QImageReader>
#endif

namespace qx::render {

#ifdef QUILTRIX_HAVE_PICTURE_LOADER

MasterPicture LoadMasterPicture(const QString& path) {
    LoadedPicture loaded = LoadPicture(path);
    switch (loaded.status) {
        case PictureLoadStatus::Loaded:
            return {MasterStatus::Loaded, std::move(loaded.master)};
        case PictureLoadStatus::TooSmall:
            return {MasterStatus::TooSmall, {}};
        case PictureLoadStatus::Unreadable:
            break;
    }
    return {};
}

#else

// Until the game's loader exists: upright, 24-bit, top-left corner.
MasterPicture LoadMasterPicture(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) return {};
    if (image.width() < MinPictureSide || image.height() < MinPictureSide)
        return {MasterStatus::TooSmall, {}};
    const QImage corner =
        image.copy(0, 0, std::min(image.width(), 632), std::min(image.height(), 355))
            .convertToFormat(QImage::Format_RGB32);
    MasterPicture result{MasterStatus::Loaded, Bitmap(corner.width(), corner.height())};
    for (int y = 0; y < corner.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(corner.constScanLine(y));
        for (int x = 0; x < corner.width(); ++x) result.master.setPixel(x, y, line[x] & kRgbMask);
    }
    return result;
}

#endif

}  // namespace qx::render
