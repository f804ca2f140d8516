#pragma once

#include <QSize>

namespace qx {

// The picture's size scaled, aspect kept, to the largest size that fits
// maxWidth x maxHeight; it may grow as well as shrink. Empty for an empty
// picture or box.
QSize FitPicture(int imageWidth, int imageHeight, int maxWidth, int maxHeight);

}  // namespace qx
