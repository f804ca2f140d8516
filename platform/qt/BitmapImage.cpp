#include "platform/qt/BitmapImage.h"

#include <cstring>

namespace qx {

static_assert(sizeof(Pixel) == 4, "QImage::Format_RGB32 needs 32-bit pixels");

QImage imageOver(Bitmap& bitmap) {
    if (bitmap.isNull()) return {};
    return QImage(reinterpret_cast<uchar*>(bitmap.data()), bitmap.width(), bitmap.height(),
                  static_cast<qsizetype>(bitmap.width()) * 4, QImage::Format_RGB32);
}

QImage imageOver(const Bitmap& bitmap) {
    if (bitmap.isNull()) return {};
    return QImage(reinterpret_cast<const uchar*>(bitmap.data()), bitmap.width(), bitmap.height(),
                  static_cast<qsizetype>(bitmap.width()) * 4, QImage::Format_RGB32);
}

Bitmap bitmapFromImage(const QImage& image) {
    if (image.isNull()) return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Bitmap bitmap(rgb.width(), rgb.height());
    const std::size_t rowBytes = static_cast<std::size_t>(rgb.width()) * sizeof(Pixel);
    for (int y = 0; y < rgb.height(); ++y) {
        std::memcpy(bitmap.row(y), rgb.constScanLine(y), rowBytes);
        Pixel* row = bitmap.row(y);
        for (int x = 0; x < rgb.width(); ++x) row[x] |= kOpaque;
    }
    return bitmap;
}

}  // namespace qx
