#include "controls/zbbutton/FitPicture.h"

#include <algorithm>
#include <cmath>

namespace qx {

QSize FitPicture(int imageWidth, int imageHeight, int maxWidth, int maxHeight) {
    if (imageWidth <= 0 || imageHeight <= 0 || maxWidth <= 0 || maxHeight <= 0) return {};
    const double scale = std::min(static_cast<double>(maxWidth) / imageWidth,
                                  static_cast<double>(maxHeight) / imageHeight);
    return QSize(static_cast<int>(std::lrint(imageWidth * scale)),
                 static_cast<int>(std::lrint(imageHeight * scale)));
}

}  // namespace qx
