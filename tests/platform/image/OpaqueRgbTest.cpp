// Flattening to opaque RGB and the block-average shrink behind the hint.
#include <gtest/gtest.h>

#include "TestPictures.h"
#include "platform/image/OpaqueRgb.h"

namespace qx::test {
namespace {

TEST(OpaqueRgbTest, TransparencyIsLaidOverWhite) {
    EXPECT_EQ(overWhite(qRgba(12, 34, 56, 0)), qRgb(255, 255, 255));
    EXPECT_EQ(overWhite(qRgba(12, 34, 56, 255)), qRgba(12, 34, 56, 255));
    EXPECT_EQ(overWhite(qRgba(255, 0, 0, 128)), qRgb(255, 127, 127));

    QImage premultiplied(2, 1, QImage::Format_ARGB32_Premultiplied);
    premultiplied.setPixel(0, 0, qPremultiply(qRgba(0, 0, 255, 64)));
    premultiplied.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const QImage opaque = toOpaqueRgb32(premultiplied);
    EXPECT_EQ(opaque.format(), QImage::Format_RGB32);
    EXPECT_EQ(opaque.pixel(0, 0), qRgb(191, 191, 255));
    EXPECT_EQ(opaque.pixel(1, 0), qRgb(255, 255, 255));
}

TEST(OpaqueRgbTest, AveragingShrinksByBlockMeansAndStretchesSmallPictures) {
    // Black and white halves: the single target pixel is their mean.
    QImage halves(100, 10, QImage::Format_RGB32);
    halves.fill(Qt::black);
    for (int y = 0; y < 10; ++y) {
        for (int x = 50; x < 100; ++x) halves.setPixel(x, y, qRgb(255, 255, 255));
    }
    EXPECT_EQ(averagedTo(halves, QSize(1, 1)).pixel(0, 0), qRgb(128, 128, 128));
    const QImage two = averagedTo(halves, QSize(2, 1));
    EXPECT_EQ(two.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(two.pixel(1, 0), qRgb(255, 255, 255));

    // Taller than one conversion band and in a palette format.
    QImage palette(3000, 2000, QImage::Format_Indexed8);
    palette.setColorTable({kTopLeftColour, kTopRightColour, kBottomLeftColour, kBottomRightColour});
    for (int y = 0; y < 2000; ++y) {
        uchar* line = palette.scanLine(y);
        for (int x = 0; x < 3000; ++x) line[x] = uchar((y >= 1000 ? 2 : 0) + (x >= 1500 ? 1 : 0));
    }
    const QImage hint = averagedTo(palette, QSize(65, 65));
    EXPECT_EQ(hint.pixel(0, 0), kTopLeftColour);
    EXPECT_EQ(hint.pixel(64, 0), kTopRightColour);
    EXPECT_EQ(hint.pixel(0, 64), kBottomLeftColour);
    EXPECT_EQ(hint.pixel(64, 64), kBottomRightColour);

    const QImage tiny = coordinatePattern(7, 3);
    const QImage stretched = averagedTo(tiny, QSize(65, 65));
    EXPECT_EQ(stretched.pixel(0, 0), tiny.pixel(0, 0));
    EXPECT_EQ(stretched.pixel(64, 64), tiny.pixel(6, 2));
    EXPECT_EQ(stretched.pixel(32, 32), tiny.pixel(3, 1));
}

}  // namespace
}  // namespace qx::test
