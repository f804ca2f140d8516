#include <gtest/gtest.h>

#include "platform/raster/RasterOps.h"

namespace qx {
namespace {

constexpr Pixel kA = rgb(0x12, 0xF0, 0x5A);
constexpr Pixel kB = rgb(0xC3, 0x0F, 0x99);

Pixel blitOne(Rop rop, Pixel src, Pixel dst) {
    Bitmap s(1, 1, src), d(1, 1, dst);
    BitBlt(d, 0, 0, 1, 1, s, 0, 0, rop);
    return d.pixel(0, 0);
}

TEST(RasterOps, GameOperationsCombineTheColourBitByBit) {
    EXPECT_EQ(blitOne(Rop::SrcCopy, kA, kB), kA);
    EXPECT_EQ(blitOne(Rop::SrcInvert, kA, kB), kOpaque | ((kA ^ kB) & kRgbMask));
    EXPECT_EQ(blitOne(Rop::SrcPaint, kA, kB), kA | kB);
    EXPECT_EQ(blitOne(Rop::SrcAnd, kA, kB), kA & kB);
    EXPECT_EQ(blitOne(Rop::MergePaint, kA, kB), kOpaque | ((~kA | kB) & kRgbMask));
    // Merge-paint of white keeps the destination, of black whitens it.
    EXPECT_EQ(blitOne(Rop::MergePaint, kWhite, kB), kB);
    EXPECT_EQ(blitOne(Rop::MergePaint, kBlack, kB), kWhite);
}

TEST(RasterOps, FastPathsAgreeWithTheTruthTable) {
    for (Rop rop :
         {Rop::SrcCopy, Rop::SrcInvert, Rop::SrcPaint, Rop::SrcAnd, Rop::MergePaint,
          Rop::NotSrcCopy, Rop::SrcErase, Rop::DstInvert, Rop::Blackness, Rop::Whiteness}) {
        EXPECT_EQ(blitOne(rop, kA, kB), applyRop3(ropCode(rop), kBlack, kA, kB))
            << std::hex << static_cast<unsigned>(rop);
    }
    EXPECT_EQ(applyRop3(ropCode(Rop::PatCopy), kA, kB, kB), kA);
    EXPECT_EQ(applyRop3(ropCode(Rop::PatInvert), kA, 0, kB), kOpaque | ((kA ^ kB) & kRgbMask));
}

TEST(RasterOps, EveryResultStaysOpaque) {
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(applyRop3(static_cast<std::uint8_t>(code), kA, kB, kWhite) & kOpaque, kOpaque);
    }
    EXPECT_EQ(blitOne(Rop::SrcInvert, kWhite, kWhite), kBlack);
}

TEST(RasterOps, BlocksAreClippedToBothBitmaps) {
    Bitmap src(4, 4, kA);
    Bitmap dst(6, 6, kB);
    // Hangs off the destination's top-left and the source's bottom-right.
    BitBlt(dst, -2, -1, 4, 4, src, 1, 1, Rop::SrcCopy);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            // Source columns 3..3 and rows 2..3 are all that remain.
            const bool covered = x < 1 && y < 2;
            EXPECT_EQ(dst.pixel(x, y), covered ? kA : kB) << x << "," << y;
        }
    // Wholly outside: nothing changes.
    Bitmap before = dst;
    BitBlt(dst, 6, 0, 4, 4, src, 0, 0, Rop::SrcCopy);
    BitBlt(dst, 0, -4, 4, 4, src, 0, 0, Rop::SrcCopy);
    BitBlt(dst, 0, 0, 4, 4, src, 4, 0, Rop::SrcCopy);
    EXPECT_EQ(dst, before);
}

TEST(RasterOps, SourceOutsideItsBitmapLeavesTheDestinationUntouched) {
    Bitmap src(3, 3, kA);
    Bitmap dst(5, 5, kB);
    BitBlt(dst, 0, 0, 5, 5, src, -2, -2, Rop::SrcCopy);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(dst.pixel(x, y), (x >= 2 && y >= 2) ? kA : kB) << x << "," << y;
}

TEST(RasterOps, OverlappingBlitWithinOneBitmapReadsTheSourceFirst) {
    Bitmap b(4, 1);
    for (int x = 0; x < 4; ++x) b.setPixel(x, 0, rgb(x, 0, 0));
    BitBlt(b, 1, 0, 3, 1, b, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(b.pixel(0, 0), rgb(0, 0, 0));
    EXPECT_EQ(b.pixel(1, 0), rgb(0, 0, 0));
    EXPECT_EQ(b.pixel(2, 0), rgb(1, 0, 0));
    EXPECT_EQ(b.pixel(3, 0), rgb(2, 0, 0));
}

TEST(RasterOps, PatBltFillsOnlyTheClippedRectangle) {
    Bitmap b(4, 4, kB);
    PatBlt(b, 2, 2, 10, 10, kA, Rop::PatCopy);
    EXPECT_EQ(b.pixel(1, 1), kB);
    EXPECT_EQ(b.pixel(2, 2), kA);
    EXPECT_EQ(b.pixel(3, 3), kA);
    PatBlt(b, 0, 0, 1, 1, 0, Rop::DstInvert);
    EXPECT_EQ(b.pixel(0, 0), kOpaque | (~kB & kRgbMask));
}

TEST(Colours, ColorRefsKeepRedInTheLowByte) {
    EXPECT_EQ(fromColorRef(0x00CBE7E3), rgb(227, 231, 203));
    EXPECT_EQ(toColorRef(rgb(136, 143, 131)), 0x00838F88u);
}

}  // namespace
}  // namespace qx
