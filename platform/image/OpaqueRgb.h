#pragma once

#include <QImage>
#include <QSize>

#include "platform/raster/Bitmap.h"

namespace qx {

// The game works in opaque 24-bit colour. Transparent and half-transparent
// pixels are laid over white, the colour a piece's surround has on the board,
// so a transparent background reads as paper rather than as whatever colour
// the file happens to keep under alpha 0.
QRgb overWhite(QRgb straightArgb);

// Any format (palette, grey, 16-bit, alpha) as Format_RGB32 with alpha 0xFF;
// null when memory runs out.
QImage toOpaqueRgb32(const QImage& image);

// Copies an image's pixels into a bitmap, made opaque first; empty when the
// conversion's memory runs out, std::bad_alloc when the bitmap's does.
Bitmap toBitmap(const QImage& image);

// The whole picture averaged down (or repeated up) to exactly `size`, ignoring
// the aspect ratio: each target pixel is the mean of the source block it
// covers. Works through the source a band of rows at a time, so a huge
// palette or 16-bit picture never gets a full-size 32-bit copy. Null when
// memory runs out.
QImage averagedTo(const QImage& source, QSize size);

}  // namespace qx
