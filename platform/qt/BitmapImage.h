#pragma once

#include <QColor>
#include <QImage>

#include "platform/raster/Bitmap.h"

namespace qx {

// A QImage over the bitmap's own pixels (no copy). It stays valid while the
// bitmap lives and keeps its size; drawing into it draws into the bitmap.
QImage imageOver(Bitmap& bitmap);
// Read-only view; Qt detaches on any write attempt.
QImage imageOver(const Bitmap& bitmap);

// A bitmap holding a copy of `image`, converted to opaque 32-bit pixels.
Bitmap bitmapFromImage(const QImage& image);

// A pixel as a colour and back (a colour of any model converts; alpha is dropped).
inline QColor pixelColor(Pixel p) {
    return QColor::fromRgb(static_cast<QRgb>(p | kOpaque));
}
inline Pixel toPixel(const QColor& color) {
    return static_cast<Pixel>(color.rgb()) | kOpaque;
}

}  // namespace qx
