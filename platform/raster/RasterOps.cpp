#include "platform/raster/RasterOps.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace qx {

Pixel applyRop3(std::uint8_t code, Pixel pattern, Pixel source, Pixel destination) {
    std::uint32_t result = 0;
    for (unsigned minterm = 0; minterm < 8; ++minterm) {
        if (!(code & (1u << minterm))) continue;
        const std::uint32_t p = (minterm & 4) ? pattern : ~pattern;
        const std::uint32_t s = (minterm & 2) ? source : ~source;
        const std::uint32_t d = (minterm & 1) ? destination : ~destination;
        result |= p & s & d;
    }
    return (result & kRgbMask) | kOpaque;
}

BlitRect clipBlit(int dstWidth, int dstHeight, int dx, int dy, int w, int h, int srcWidth,
                  int srcHeight, int sx, int sy) {
    BlitRect r{dx, dy, sx, sy, w, h};
    // Shift the corner right/down until both corners are inside their bitmaps.
    const int shiftX = std::max({0, -dx, -sx});
    const int shiftY = std::max({0, -dy, -sy});
    r.dx += shiftX;
    r.sx += shiftX;
    r.w -= shiftX;
    r.dy += shiftY;
    r.sy += shiftY;
    r.h -= shiftY;
    r.w = std::min({r.w, dstWidth - r.dx, srcWidth - r.sx});
    r.h = std::min({r.h, dstHeight - r.dy, srcHeight - r.sy});
    if (r.w <= 0 || r.h <= 0) r.w = r.h = 0;
    return r;
}

namespace {

// The operations the game uses are spelled out so the compiler can vectorise
// each row loop; everything else goes through the truth table.
template <typename Op>
void combineRows(Pixel* d, int dStride, const Pixel* s, int sStride, int w, int h, Op op) {
    for (int y = 0; y < h; ++y, d += dStride, s += sStride) {
        for (int x = 0; x < w; ++x) d[x] = op(s[x], d[x]);
    }
}

void combine(Pixel* d, int dStride, const Pixel* s, int sStride, int w, int h, Rop rop,
             Pixel pattern) {
    switch (rop) {
        case Rop::SrcCopy:
            for (int y = 0; y < h; ++y, d += dStride, s += sStride)
                std::memcpy(d, s, static_cast<std::size_t>(w) * sizeof(Pixel));
            return;
        case Rop::SrcInvert:
            combineRows(d, dStride, s, sStride, w, h,
                        [](Pixel sp, Pixel dp) { return dp ^ (sp & kRgbMask); });
            return;
        case Rop::SrcPaint:
            combineRows(d, dStride, s, sStride, w, h, [](Pixel sp, Pixel dp) { return dp | sp; });
            return;
        case Rop::SrcAnd:
            combineRows(d, dStride, s, sStride, w, h,
                        [](Pixel sp, Pixel dp) { return dp & (sp | kOpaque); });
            return;
        case Rop::MergePaint:
            combineRows(d, dStride, s, sStride, w, h,
                        [](Pixel sp, Pixel dp) { return ~sp | dp | kOpaque; });
            return;
        default: {
            const std::uint8_t code = ropCode(rop);
            combineRows(d, dStride, s, sStride, w, h, [code, pattern](Pixel sp, Pixel dp) {
                return applyRop3(code, pattern, sp, dp);
            });
            return;
        }
    }
}

}  // namespace

void BitBlt(Bitmap& dst, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy, Rop rop,
            Pixel pattern) {
    const BlitRect r =
        clipBlit(dst.width(), dst.height(), dx, dy, w, h, src.width(), src.height(), sx, sy);
    if (r.empty()) return;
    if (&dst == &src) {
        // Read the whole source block before writing any of it.
        Bitmap copy(r.w, r.h);
        combine(copy.data(), r.w, src.row(r.sy) + r.sx, src.width(), r.w, r.h, Rop::SrcCopy,
                pattern);
        combine(dst.row(r.dy) + r.dx, dst.width(), copy.data(), r.w, r.w, r.h, rop, pattern);
        return;
    }
    combine(dst.row(r.dy) + r.dx, dst.width(), src.row(r.sy) + r.sx, src.width(), r.w, r.h, rop,
            pattern);
}

void PatBlt(Bitmap& dst, int x, int y, int w, int h, Pixel pattern, Rop rop) {
    const BlitRect r =
        clipBlit(dst.width(), dst.height(), x, y, w, h, dst.width(), dst.height(), x, y);
    if (r.empty()) return;
    const std::uint8_t code = ropCode(rop);
    for (int row = 0; row < r.h; ++row) {
        Pixel* d = dst.row(r.dy + row) + r.dx;
        for (int col = 0; col < r.w; ++col) d[col] = applyRop3(code, pattern, 0, d[col]);
    }
}

}  // namespace qx
