#pragma once

#include <QImage>
#include <QString>

namespace qx {

// A picture that ships with the program (":/..."), read by the decoder its
// suffix names. Qt otherwise asks every image plugin whether it knows the
// file first, which loads all of them (and their libraries) at start-up.
// Null when the file is missing or not of the kind its suffix says.
QImage readOwnPicture(const QString& path);

}  // namespace qx
