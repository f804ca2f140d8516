#pragma once

#include <QImage>
#include <QImageIOHandler>
#include <QRect>
#include <QSize>

namespace qx {

// A picture's orientation tag says how the stored pixels must be turned to
// stand upright: mirror left-right and/or flip top-bottom first, then turn a
// quarter clockwise (QImageIOHandler's reading of the camera tag).
using Orientation = QImageIOHandler::Transformations;

bool turnsQuarter(Orientation orientation);

// Size of the upright picture for stored pixels of `stored` size.
QSize uprightSize(QSize stored, Orientation orientation);

// The stored pixels that end up in `upright` (a rectangle of the upright
// picture). Lets a decoder read only the part the game shows, which may lie in
// another corner of the stored picture.
QRect storedRectOf(QRect upright, QSize stored, Orientation orientation);

// Turns stored pixels upright; null when memory runs out.
QImage turnUpright(const QImage& stored, Orientation orientation);

}  // namespace qx
