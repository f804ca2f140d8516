#include <QPainter>

#include <gtest/gtest.h>

#include "platform/qt/BitmapImage.h"

namespace qx {
namespace {

TEST(BitmapImage, TheImageIsAViewOfTheBitmapsOwnPixels) {
    Bitmap bitmap(5, 3, rgb(1, 2, 3));
    QImage image = imageOver(bitmap);
    ASSERT_EQ(image.size(), QSize(5, 3));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.constBits(), reinterpret_cast<const uchar*>(bitmap.data()));
    EXPECT_EQ(image.pixel(4, 2), rgb(1, 2, 3));

    bitmap.setPixel(2, 1, rgb(200, 100, 50));
    EXPECT_EQ(image.pixel(2, 1), rgb(200, 100, 50)) << "a change to the bitmap shows at once";

    {
        QPainter painter(&image);
        painter.fillRect(QRect(0, 0, 1, 1), QColor(9, 8, 7));
    }
    EXPECT_EQ(bitmap.pixel(0, 0), rgb(9, 8, 7)) << "drawing into the image draws into the bitmap";
}

TEST(BitmapImage, AnEmptyBitmapGivesANullImage) {
    Bitmap empty;
    EXPECT_TRUE(imageOver(empty).isNull());
    EXPECT_TRUE(bitmapFromImage(QImage()).isNull());
}

TEST(BitmapImage, ImagesOfAnyFormatBecomeOpaquePixels) {
    QImage argb(3, 2, QImage::Format_ARGB32);
    argb.fill(qRgba(10, 20, 30, 0));
    argb.setPixel(1, 1, qRgba(250, 128, 1, 255));
    const Bitmap bitmap = bitmapFromImage(argb);
    ASSERT_EQ(bitmap.width(), 3);
    ASSERT_EQ(bitmap.height(), 2);
    EXPECT_EQ(bitmap.pixel(1, 1), rgb(250, 128, 1));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(bitmap.pixel(x, y) & kOpaque, kOpaque);

    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 255), qRgb(255, 255, 0)});
    indexed.setPixel(0, 0, 1);
    indexed.setPixel(1, 0, 0);
    const Bitmap fromIndexed = bitmapFromImage(indexed);
    EXPECT_EQ(fromIndexed.pixel(0, 0), rgb(255, 255, 0));
    EXPECT_EQ(fromIndexed.pixel(1, 0), rgb(0, 0, 255));
}

}  // namespace
}  // namespace qx
