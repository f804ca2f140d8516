#pragma once

#include <QImage>
#include <QString>

namespace qx {

// A picture that ships with the program (":/..."). One the build stored
// decoded (":/bitmaps/x.png" kept as ":/bitmaps/x.pixels", see
// StoredPicture.h) is used as it lies in the program; any other is read by
// the decoder its suffix names (Qt otherwise asks every image plugin whether
// it knows the file first, which loads all of them and their libraries).
// Null when the file is missing or not of the kind its suffix says.
QImage readOwnPicture(const QString& path);

}  // namespace qx
