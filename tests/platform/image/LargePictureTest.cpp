// Big pictures: a genuine 100-megapixel photo loads from its corner and a
// reduced decode, and no format can make a load exceed its memory budget.
#include <QImageWriter>

#include <cstring>

#include "LoaderFixture.h"
#include "StreamingJpeg.h"

namespace qx::test {
namespace {

using LargePictureTest = LoaderTest;

// Quadrants, plus a white 16-pixel stripe at x 608..623 in the top half and
// one at y 320..335 in the left half, so the master shows whether it was
// cut from the top-left corner without scaling.
void paintMarkedQuadrants(int y, unsigned char* rgb, int width, int height) {
    for (int x = 0; x < width; ++x) {
        QRgb colour = y < height / 2 ? (x < width / 2 ? kTopLeftColour : kTopRightColour)
                                     : (x < width / 2 ? kBottomLeftColour : kBottomRightColour);
        if ((y < height / 2 && x >= 608 && x < 624) || (x < width / 2 && y >= 320 && y < 336)) {
            colour = qRgb(255, 255, 255);
        }
        rgb[3 * x] = static_cast<unsigned char>(qRed(colour));
        rgb[3 * x + 1] = static_cast<unsigned char>(qGreen(colour));
        rgb[3 * x + 2] = static_cast<unsigned char>(qBlue(colour));
    }
}

TEST_F(LargePictureTest, HundredMegapixelJpegIsAccepted) {
    constexpr int kWidth = 12000;
    constexpr int kHeight = 8400;
    const QString path = pathOf("camera.jpg");
    ASSERT_TRUE(writeStreamingJpeg(path, kWidth, kHeight, [](int y, unsigned char* rgb, int w) {
        paintMarkedQuadrants(y, rgb, w, kHeight);
    }));

    const LoadedPicture picture = LoadPicture(path);
    ASSERT_EQ(picture.status, PictureLoadStatus::Loaded);
    EXPECT_EQ(picture.naturalSize, QSize(kWidth, kHeight));
    ASSERT_EQ(picture.master.width(), 632);
    ASSERT_EQ(picture.master.height(), 355);
    const auto near = [&](int x, int y, QRgb colour) {
        return colourDistance(picture.master.pixel(x, y), colour) <= 12;
    };
    EXPECT_TRUE(near(100, 100, kTopLeftColour));
    EXPECT_TRUE(near(615, 100, qRgb(255, 255, 255)));
    EXPECT_TRUE(near(631, 100, kTopLeftColour));
    EXPECT_TRUE(near(100, 327, qRgb(255, 255, 255)));
    EXPECT_TRUE(near(100, 350, kTopLeftColour));
    EXPECT_LE(colourDistance(picture.hint.pixel(16, 16), kTopLeftColour), 12);
    EXPECT_LE(colourDistance(picture.hint.pixel(48, 16), kTopRightColour), 12);
    EXPECT_LE(colourDistance(picture.hint.pixel(16, 48), kBottomLeftColour), 12);
    EXPECT_LE(colourDistance(picture.hint.pixel(48, 48), kBottomRightColour), 12);
}

TEST_F(LargePictureTest, WholeDecodesBeyondTheBudgetAreRefusedWhileJpegCornersFit) {
    // 3000 x 2000 takes 24 MB decoded whole; the JPEG corner and hint take 1 MB.
    PictureLoadOptions options;
    options.maxDecodeBytes = 8 << 20;
    const QImage picture = quadrants(3000, 2000);
    EXPECT_EQ(LoadPicture(write("big.png", picture, "png"), options).status,
              PictureLoadStatus::Unreadable);
    EXPECT_EQ(LoadPicture(write("big.bmp", picture, "bmp"), options).status,
              PictureLoadStatus::Unreadable);
    EXPECT_EQ(LoadPicture(write("big.jpg", picture, "jpeg", 90), options).status,
              PictureLoadStatus::Loaded);
    EXPECT_EQ(LoadPicture(pathOf("big.png")).status, PictureLoadStatus::Loaded);
}

TEST_F(LargePictureTest, ProgressiveJpegCountsItsCoefficientBuffer) {
    // Progressive decoding holds every coefficient of the picture (about 9 MB
    // here) before the first row comes out.
    PictureLoadOptions options;
    options.maxDecodeBytes = 8 << 20;
    const QString path = pathOf("progressive.jpg");
    QImageWriter writer(path, "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(quadrants(2000, 1500)));
    EXPECT_EQ(LoadPicture(path, options).status, PictureLoadStatus::Unreadable);
    EXPECT_EQ(LoadPicture(path).status, PictureLoadStatus::Loaded);
}

TEST_F(LargePictureTest, PixelLimitRefusesHeadersBeforeAnyDecode) {
    PictureLoadOptions options;
    options.maxPixels = 1'000'000;
    const QString path = write("photo.jpg", quadrants(1001, 1000), "jpeg", 90);
    EXPECT_EQ(LoadPicture(path, options).status, PictureLoadStatus::Unreadable);
    options.maxPixels = 1'001'000;
    EXPECT_EQ(LoadPicture(path, options).status, PictureLoadStatus::Loaded);
}

}  // namespace
}  // namespace qx::test
