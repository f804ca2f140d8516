#include "platform/raster/Bitmap.h"

#include <algorithm>

namespace qx {

Bitmap::Bitmap(int width, int height, Pixel fill) { reset(width, height, fill); }

void Bitmap::fill(Pixel p) { std::fill(pixels_.begin(), pixels_.end(), p | kOpaque); }

void Bitmap::reset(int width, int height, Pixel fill) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * height_, fill | kOpaque);
}

}  // namespace qx
