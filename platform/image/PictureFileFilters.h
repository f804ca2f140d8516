#pragma once

#include <QStringList>

namespace qx {

// File-name suffixes (lower case, sorted, no dot) of every picture format
// this build can read.
QStringList readablePictureSuffixes();

// Name filters for the picture dialog, in order: "Image Files" with the three
// classic types in lower and upper case (preselect this one), "All Pictures"
// with the kinds players have (png, jpg, jpeg, gif, bmp, webp, tif, tiff) that
// this build reads, in lower case so it shows whole, and "All Files".
QStringList pictureNameFilters();

}  // namespace qx
