#include "platform/raster/Bitmap.h"

#include <algorithm>
#include <atomic>
#include <utility>

namespace qx {

namespace {
std::atomic<std::uint64_t> lastStamp{0};
}  // namespace

Bitmap::Bitmap(int width, int height, Pixel fill) {
    reset(width, height, fill);
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      pixels_(std::move(other.pixels_)),
      stamp_(std::exchange(other.stamp_, 0)) {
    other.pixels_.clear();
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        pixels_ = std::move(other.pixels_);
        stamp_ = std::exchange(other.stamp_, 0);
        other.pixels_.clear();
    }
    return *this;
}

std::uint64_t Bitmap::contentStamp() const {
    if (stamp_ == 0) stamp_ = lastStamp.fetch_add(1, std::memory_order_relaxed) + 1;
    return stamp_;
}

void Bitmap::fill(Pixel p) {
    stamp_ = 0;
    std::fill(pixels_.begin(), pixels_.end(), p | kOpaque);
}

void Bitmap::reset(int width, int height, Pixel fill) {
    stamp_ = 0;
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * height_, fill | kOpaque);
}

}  // namespace qx
