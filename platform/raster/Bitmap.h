#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qx {

// One pixel as 0xFFRRGGBB: the layout of QImage::Format_RGB32, so a bitmap can
// be shown without conversion. The top byte stays 0xFF through every raster
// operation.
using Pixel = std::uint32_t;

inline constexpr Pixel kOpaque = 0xFF000000u;
inline constexpr Pixel kRgbMask = 0x00FFFFFFu;

constexpr Pixel rgb(unsigned r, unsigned g, unsigned b) {
    return kOpaque | ((r & 0xFFu) << 16) | ((g & 0xFFu) << 8) | (b & 0xFFu);
}
constexpr unsigned redOf(Pixel p) {
    return (p >> 16) & 0xFFu;
}
constexpr unsigned greenOf(Pixel p) {
    return (p >> 8) & 0xFFu;
}
constexpr unsigned blueOf(Pixel p) {
    return p & 0xFFu;
}

// Designs and dialogs speak in colour references: 0x00BBGGRR, red in the low byte.
using ColorRef = std::uint32_t;
constexpr Pixel fromColorRef(ColorRef c) {
    return rgb(c & 0xFFu, (c >> 8) & 0xFFu, (c >> 16) & 0xFFu);
}
constexpr ColorRef toColorRef(Pixel p) {
    return redOf(p) | (greenOf(p) << 8) | (blueOf(p) << 16);
}

inline constexpr Pixel kWhite = rgb(255, 255, 255);
inline constexpr Pixel kBlack = rgb(0, 0, 0);

// A 24-bit picture held in 32-bit pixels, rows packed without padding.
//
// Every bitmap carries a content stamp so that caches built from its pixels
// can tell cheaply whether they are still valid: the stamp changes whenever
// the pixels may have changed, and a copy shares the stamp of its original
// because it holds the same pixels. Any non-const access counts as a change,
// so write through a fresh data() or row() call rather than through a pointer
// kept from earlier.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Pixel fill = kBlack);
    Bitmap(const Bitmap&) = default;
    Bitmap& operator=(const Bitmap&) = default;
    // A moved-from bitmap is empty.
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;

    int width() const { return width_; }
    int height() const { return height_; }
    bool isNull() const { return width_ <= 0 || height_ <= 0; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Pixel* data() {
        stamp_ = 0;
        return pixels_.data();
    }
    const Pixel* data() const { return pixels_.data(); }
    Pixel* row(int y) {
        stamp_ = 0;
        return pixels_.data() + static_cast<std::size_t>(y) * width_;
    }
    const Pixel* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    std::size_t byteCount() const { return pixels_.size() * sizeof(Pixel); }

    Pixel pixel(int x, int y) const { return row(y)[x]; }
    void setPixel(int x, int y, Pixel p) { row(y)[x] = p | kOpaque; }

    // Never 0. Equal stamps mean equal pixels; a changed bitmap gets a new
    // stamp the next time it is asked for one. Not for use across threads.
    std::uint64_t contentStamp() const;

    void fill(Pixel p);
    // Resizes to width x height; the content is then filled with `fill`.
    void reset(int width, int height, Pixel fill = kBlack);

    friend bool operator==(const Bitmap& a, const Bitmap& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
    mutable std::uint64_t stamp_ = 0;  // 0: not stamped since the last change
};

}  // namespace qx
