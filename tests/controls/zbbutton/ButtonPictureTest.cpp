#include <QImage>
#include <QPainter>
#include <utility>

#include <gtest/gtest.h>

#include "controls/zbbutton/ButtonPicture.h"

namespace qx {
namespace {

constexpr Pixel kFace = rgb(200, 180, 160);

// A w x h picture of `background` with a `motif` square at (2,2)-(6,6).
Bitmap squarePicture(int w, int h, Pixel background, Pixel motif) {
    Bitmap b(w, h, background);
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x) b.setPixel(x, y, motif);
    return b;
}

TEST(PrepareImage, BackgroundWithinThreeBecomesTheKeyAndFourStays) {
    const Pixel key = rgb(100, 150, 200);
    Bitmap picture = squarePicture(8, 8, key, rgb(10, 10, 10));
    picture.setPixel(7, 0, rgb(103, 147, 203));  // lossy, within 3 on every channel
    picture.setPixel(7, 1, rgb(104, 150, 200));  // 4 off in red
    picture.setPixel(0, 7, rgb(100, 150, 196));  // 4 off in blue

    const KeyedBitmap prepared = prepareKeyedImage(picture, 8, 8);
    EXPECT_EQ(prepared.pixels.pixel(7, 0), key);
    EXPECT_EQ(prepared.pixels.pixel(7, 1), rgb(104, 150, 200));
    EXPECT_EQ(prepared.pixels.pixel(0, 7), rgb(100, 150, 196));

    Bitmap face(8, 8, kFace);
    TransparentBlit(face, {0, 0, 8, 8}, prepared);
    EXPECT_EQ(face.pixel(7, 0), kFace);               // transparent
    EXPECT_EQ(face.pixel(7, 1), rgb(104, 150, 200));  // drawn
    EXPECT_EQ(face.pixel(3, 3), rgb(10, 10, 10));
}

TEST(PrepareImage, MotifPixelOfTheTopLeftColourVanishes) {
    const Pixel key = rgb(0, 0, 0);
    Bitmap picture = squarePicture(8, 8, rgb(255, 255, 255), rgb(40, 40, 40));
    picture.setPixel(0, 0, key);  // the top-left pixel belongs to the motif
    picture.setPixel(4, 4, rgb(2, 1, 3));
    Bitmap face(8, 8, kFace);
    TransparentBlit(face, {0, 0, 8, 8}, prepareKeyedImage(picture, 8, 8));
    EXPECT_EQ(face.pixel(0, 0), kFace);
    EXPECT_EQ(face.pixel(4, 4), kFace);
    EXPECT_EQ(face.pixel(3, 3), rgb(40, 40, 40));
    EXPECT_EQ(face.pixel(7, 7), kWhite);
}

TEST(PrepareImage, ResizesToTheRequestedSize) {
    const KeyedBitmap prepared = prepareKeyedImage(squarePicture(8, 8, kWhite, kBlack), 16, 4);
    EXPECT_EQ(prepared.width(), 16);
    EXPECT_EQ(prepared.height(), 4);
    EXPECT_TRUE(prepareKeyedImage(KeyedBitmap(), 16, 16).isNull());
    EXPECT_TRUE(prepareKeyedImage(squarePicture(8, 8, kWhite, kBlack), 0, 5).isNull());
}

TEST(PrepareImage, OutlineFollowsThePictureAndInnerRegionsSitInside) {
    PictureOutline outline;
    prepareKeyedImage(squarePicture(10, 10, kWhite, kBlack), 10, 10, &outline);
    EXPECT_EQ(outline.outline, QRegion(2, 2, 4, 4));
    EXPECT_EQ(outline.inner1, QRegion(3, 3, 2, 2));
    EXPECT_TRUE(outline.inner2.isEmpty());

    // A ring-shaped motif keeps its hole out of every region.
    Bitmap ring(20, 20, kWhite);
    for (int y = 2; y < 18; ++y)
        for (int x = 2; x < 18; ++x)
            if (x < 8 || x >= 12 || y < 8 || y >= 12) ring.setPixel(x, y, kBlack);
    prepareKeyedImage(ring, 20, 20, &outline);
    EXPECT_TRUE(outline.outline.contains(QPoint(2, 2)));
    EXPECT_FALSE(outline.outline.contains(QPoint(10, 10)));
    EXPECT_FALSE(outline.outline.contains(QPoint(1, 10)));
    EXPECT_EQ(outline.inner1.boundingRect(), QRect(3, 3, 14, 14));
    EXPECT_EQ(outline.inner2.boundingRect(), QRect(4, 4, 12, 12));
    EXPECT_FALSE(outline.inner1.contains(QPoint(7, 10)));
    EXPECT_TRUE(outline.inner1.contains(QPoint(6, 10)));
    EXPECT_FALSE(outline.inner2.contains(QPoint(6, 10)));
}

TEST(TransparentBlit, StretchesIntoTheRectangleAndKeepsAspectWhenLimited) {
    const KeyedBitmap picture = prepareKeyedImage(squarePicture(8, 8, kWhite, kBlack), 8, 8);
    Bitmap face(20, 20, kFace);
    TransparentBlit(face, {2, 2, 18, 18}, picture);  // 8 -> 16, each pixel doubled
    EXPECT_EQ(face.pixel(2 + 4, 2 + 4), kBlack);
    EXPECT_EQ(face.pixel(2 + 11, 2 + 11), kBlack);
    EXPECT_EQ(face.pixel(2 + 12, 2 + 12), kFace);
    EXPECT_EQ(face.pixel(1, 1), kFace);

    Bitmap narrow(20, 20, kFace);
    TransparentBlit(narrow, {0, 0, 8, 16}, picture, 16, 16);  // limited to 8 x 8
    EXPECT_EQ(narrow.pixel(3, 3), kBlack);
    EXPECT_EQ(narrow.pixel(3, 10), kFace);
}

TEST(KeyedPicture, AlphaPicturesGetAKeyNoOpaquePixelMatches) {
    // The game's pictures: transparent black corners, near-black outlines.
    QImage picture(6, 6, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(2, 2, qRgba(1, 2, 1, 255));
    picture.setPixel(3, 3, qRgba(255, 0, 255, 255));  // magenta in the motif
    const KeyedBitmap keyed = keyedPicture(picture, kFace);
    EXPECT_EQ(keyed.pixels.pixel(0, 0), keyed.key);
    EXPECT_NE(keyed.key & kRgbMask, rgb(255, 0, 255) & kRgbMask);
    Bitmap face(6, 6, kFace);
    TransparentBlit(face, {0, 0, 6, 6}, prepareKeyedImage(keyed, 6, 6));
    EXPECT_EQ(face.pixel(0, 0), kFace);
    EXPECT_EQ(face.pixel(2, 2), rgb(1, 2, 1));
    EXPECT_EQ(face.pixel(3, 3), rgb(255, 0, 255));

    // A half-transparent edge pixel is blended over the face, never over the key.
    picture.setPixel(4, 4, qRgba(0, 0, 0, 128));
    const Pixel edge = keyedPicture(picture, kFace).pixels.pixel(4, 4);
    EXPECT_NEAR(static_cast<int>(redOf(edge)), 100, 2);
    EXPECT_NEAR(static_cast<int>(blueOf(edge)), 80, 2);

    QImage opaque(4, 4, QImage::Format_RGB32);
    opaque.fill(qRgb(9, 8, 7));
    EXPECT_EQ(keyedPicture(opaque, kFace).key, rgb(9, 8, 7));
}

// With alpha, the transparent pixels are the background wherever they are:
// an opaque top-left pixel is drawn like any other, and no pixel of the key
// colour reaches the face.
TEST(KeyedPicture, AnAlphaPictureWithAnOpaqueTopLeftPixelKeepsItsTransparentPixelsClear) {
    QImage picture(8, 4, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(0, 0, qRgba(30, 60, 90, 255));
    picture.setPixel(1, 0, qRgba(30, 60, 90, 255));
    picture.setPixel(5, 2, qRgba(200, 10, 10, 255));
    const KeyedBitmap keyed = keyedPicture(picture, kFace);
    for (const auto& [w, h] : {std::pair{8, 4}, std::pair{16, 8}, std::pair{4, 2}}) {
        SCOPED_TRACE(w);
        Bitmap face(w, h, kFace);
        TransparentBlit(face, {0, 0, w, h}, prepareKeyedImage(keyed, w, h));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb source = picture.pixel(x * 8 / w, y * 4 / h);
                const Pixel want =
                    qAlpha(source) == 0 ? kFace : rgb(qRed(source), qGreen(source), qBlue(source));
                EXPECT_EQ(face.pixel(x, y), want) << x << "," << y;
            }
    }
}

TEST(IconPicture, DrawnWithItsOwnTransparency) {
    QImage icon(4, 4, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    icon.setPixel(1, 1, qRgba(0, 0, 255, 255));
    Bitmap face(6, 6, kFace);
    DrawIconPicture(face, {1, 1, 5, 5}, icon);
    EXPECT_EQ(face.pixel(2, 2), rgb(0, 0, 255));
    EXPECT_EQ(face.pixel(1, 1), kFace);
    EXPECT_EQ(face.pixel(4, 4), kFace);
}

}  // namespace
}  // namespace qx
