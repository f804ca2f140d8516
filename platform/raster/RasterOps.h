#pragma once

#include <cstdint>

#include "platform/raster/Bitmap.h"

namespace qx {

// GDI's ternary raster operations; the code byte (bits 16..23) is the truth
// table over pattern (bit value 4), source (2) and destination (1).
enum class Rop : std::uint32_t {
    Blackness = 0x00000042,
    NotSrcErase = 0x001100A6,
    NotSrcCopy = 0x00330008,
    SrcErase = 0x00440328,
    DstInvert = 0x00550009,
    PatInvert = 0x005A0049,
    SrcInvert = 0x00660046,
    SrcAnd = 0x008800C6,
    MergePaint = 0x00BB0226,
    MergeCopy = 0x00C000CA,
    SrcCopy = 0x00CC0020,
    SrcPaint = 0x00EE0086,
    PatCopy = 0x00F00021,
    PatPaint = 0x00FB0A09,
    Whiteness = 0x00FF0062,
};

constexpr std::uint8_t ropCode(Rop rop) {
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(rop) >> 16);
}

// One ternary operation on one pixel (any of the 256 codes), 24 bits wide.
Pixel applyRop3(std::uint8_t code, Pixel pattern, Pixel source, Pixel destination);

struct BlitRect {
    int dx = 0, dy = 0;  // destination corner after clipping
    int sx = 0, sy = 0;  // matching source corner
    int w = 0, h = 0;    // 0 when nothing is left
    bool empty() const { return w <= 0 || h <= 0; }
};

// The part of a w x h block that lies inside both bitmaps.
BlitRect clipBlit(int dstWidth, int dstHeight, int dx, int dy, int w, int h, int srcWidth,
                  int srcHeight, int sx, int sy);

// Combines the w x h block of `src` at (sx, sy) into `dst` at (dx, dy) with
// `rop`, bit by bit on the 24-bit colour. Only pixels lying inside both
// bitmaps take part: the rest of the destination keeps its pixels. `pattern`
// is the solid brush colour for operations that use one. Overlapping blocks of
// one bitmap are handled as if the source were read first.
void BitBlt(Bitmap& dst, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy, Rop rop,
            Pixel pattern = kBlack);

// Pattern and destination only (GDI's PatBlt), clipped to the bitmap.
void PatBlt(Bitmap& dst, int x, int y, int w, int h, Pixel pattern, Rop rop);

}  // namespace qx
