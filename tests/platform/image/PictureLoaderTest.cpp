// Size rule, cropping, the hint, colour formats, truncated files and names.
#include <QImageReader>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "LoaderFixture.h"

namespace qx::test {
namespace {

using PictureLoaderTest = LoaderTest;

struct Format {
    const char* suffix;
    const char* writer;
    int tolerance;  // JPEG is lossy
};
const Format kLossless[] = {{"png", "png", 0}, {"bmp", "bmp", 0}};
const Format kAllWritable[] = {{"png", "png", 0}, {"bmp", "bmp", 0}, {"jpg", "jpeg", 12}};

// The image Qt itself decodes from the file, whole and upright.
QImage referenceDecode(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

void expectQuadrantHint(const QImage& hint, int tolerance) {
    ASSERT_EQ(hint.size(), QSize(65, 65));
    EXPECT_EQ(hint.format(), QImage::Format_RGB32);
    EXPECT_LE(colourDistance(hint.pixel(16, 16), kTopLeftColour), tolerance);
    EXPECT_LE(colourDistance(hint.pixel(48, 16), kTopRightColour), tolerance);
    EXPECT_LE(colourDistance(hint.pixel(16, 48), kBottomLeftColour), tolerance);
    EXPECT_LE(colourDistance(hint.pixel(48, 48), kBottomRightColour), tolerance);
}

TEST_F(PictureLoaderTest, PicturesBelowEightyEightPixelsEitherWayAreTooSmall) {
    for (const Format& format : kAllWritable) {
        SCOPED_TRACE(format.suffix);
        const auto load = [&](int w, int h) {
            return LoadPicture(write(QString("%1x%2.%3").arg(w).arg(h).arg(format.suffix),
                                     quadrants(w, h), format.writer));
        };
        const LoadedPicture smallest = load(88, 88);
        EXPECT_EQ(smallest.status, PictureLoadStatus::Loaded);
        EXPECT_EQ(smallest.master.width(), 88);
        EXPECT_EQ(smallest.master.height(), 88);

        for (const QSize size : {QSize(87, 500), QSize(500, 87)}) {
            const LoadedPicture refused = load(size.width(), size.height());
            EXPECT_EQ(refused.status, PictureLoadStatus::TooSmall);
            EXPECT_EQ(refused.naturalSize, size);
            EXPECT_TRUE(refused.master.isNull());
            EXPECT_TRUE(refused.hint.isNull());
        }
    }
}

TEST_F(PictureLoaderTest, MasterIsTheUnscaledTopLeftCorner) {
    for (const Format& format : kLossless) {
        SCOPED_TRACE(format.suffix);
        const QImage big = coordinatePattern(1000, 800);
        const LoadedPicture cropped =
            LoadPicture(write(QString("big.") + format.suffix, big, format.writer));
        ASSERT_EQ(cropped.status, PictureLoadStatus::Loaded);
        EXPECT_EQ(cropped.naturalSize, QSize(1000, 800));
        EXPECT_EQ(masterImage(cropped), cornerOf(big));

        const QImage exact = coordinatePattern(632, 355);
        const LoadedPicture whole =
            LoadPicture(write(QString("exact.") + format.suffix, exact, format.writer));
        EXPECT_EQ(masterImage(whole), exact);

        const QImage narrow = coordinatePattern(400, 900);
        const LoadedPicture tall =
            LoadPicture(write(QString("tall.") + format.suffix, narrow, format.writer));
        EXPECT_EQ(masterImage(tall), cornerOf(narrow));
    }
}

TEST_F(PictureLoaderTest, CornerDecodeMatchesAFullDecodeForEveryFormat) {
    // The JPEG corner is decoded on its own; it must not differ from the same
    // pixels of a full decode by a single value.
    for (const Format& format : kAllWritable) {
        SCOPED_TRACE(format.suffix);
        const QString path = write(QString("pattern.") + format.suffix,
                                   coordinatePattern(1000, 800), format.writer, 90);
        const LoadedPicture picture = LoadPicture(path);
        ASSERT_EQ(picture.status, PictureLoadStatus::Loaded);
        EXPECT_EQ(masterImage(picture), cornerOf(referenceDecode(path)));
    }
}

TEST_F(PictureLoaderTest, CropLimitComesFromTheCaller) {
    PictureLoadOptions options;
    options.cropLimit = QSize(300, 200);
    const QImage source = coordinatePattern(1000, 800);
    const LoadedPicture picture = LoadPicture(write("big.png", source, "png"), options);
    EXPECT_EQ(masterImage(picture), source.copy(0, 0, 300, 200));
}

TEST_F(PictureLoaderTest, HintShowsTheWholePictureIn65By65) {
    for (const Format& format : kAllWritable) {
        SCOPED_TRACE(format.suffix);
        const LoadedPicture picture = LoadPicture(
            write(QString("quads.") + format.suffix, quadrants(1000, 800), format.writer, 95));
        ASSERT_EQ(picture.status, PictureLoadStatus::Loaded);
        expectQuadrantHint(picture.hint, format.tolerance);
    }
    ASSERT_TRUE(runConvert({"-size", "1000x800", "xc:#DC1E1E", "-fill", "#1EC828", "-draw",
                            "rectangle 500,0 999,399", "-fill", "#283CDC", "-draw",
                            "rectangle 0,400 499,799", "-fill", "#F0DC28", "-draw",
                            "rectangle 500,400 999,799", pathOf("quads.gif")}));
    expectQuadrantHint(LoadPicture(pathOf("quads.gif")).hint, 0);
}

TEST_F(PictureLoaderTest, GreyPaletteSixteenBitAndAlphaPicturesBecomeOpaqueRgb) {
    QImage grey(100, 100, QImage::Format_Grayscale8);
    grey.fill(100);
    QImage palette(100, 100, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(10, 200, 30), qRgb(250, 5, 90)});
    palette.fill(1);
    QImage deep(100, 100, QImage::Format_RGBX64);
    deep.fill(QColor(20, 40, 60));
    QImage alpha(100, 100, QImage::Format_ARGB32);
    alpha.fill(qRgba(0, 0, 0, 0));  // transparent black underneath
    for (int y = 50; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) alpha.setPixel(x, y, qRgba(255, 0, 0, 128));
    }

    struct Case {
        const char* name;
        QImage image;
        const char* writer;
        QRgb top;
        QRgb bottom;
    };
    const Case cases[] = {
        {"grey.png", grey, "png", qRgb(100, 100, 100), qRgb(100, 100, 100)},
        {"grey.jpg", grey, "jpeg", qRgb(100, 100, 100), qRgb(100, 100, 100)},
        {"palette.png", palette, "png", qRgb(250, 5, 90), qRgb(250, 5, 90)},
        {"palette.bmp", palette, "bmp", qRgb(250, 5, 90), qRgb(250, 5, 90)},
        {"deep.png", deep, "png", qRgb(20, 40, 60), qRgb(20, 40, 60)},
        {"alpha.png", alpha, "png", qRgb(255, 255, 255), qRgb(255, 127, 127)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LoadedPicture picture = LoadPicture(write(c.name, c.image, c.writer, 100));
        ASSERT_EQ(picture.status, PictureLoadStatus::Loaded);
        const int tolerance = std::strcmp(c.writer, "jpeg") == 0 ? 2 : 0;
        EXPECT_LE(colourDistance(picture.master.pixel(50, 10), c.top), tolerance);
        EXPECT_LE(colourDistance(picture.master.pixel(50, 90), c.bottom), tolerance);
        EXPECT_EQ(picture.hint.format(), QImage::Format_RGB32);
        EXPECT_LE(colourDistance(picture.hint.pixel(32, 5), c.top), tolerance);
        for (int y = 0; y < picture.master.height(); ++y) {
            for (int x = 0; x < picture.master.width(); ++x) {
                ASSERT_EQ(picture.master.pixel(x, y) & kOpaque, kOpaque);
            }
        }
    }
}

TEST_F(PictureLoaderTest, GifGivesItsFirstFrameWithTransparencyOverWhite) {
    ASSERT_TRUE(runConvert({"-size", "100x100", "xc:red", "xc:blue", pathOf("frames.gif")}));
    const LoadedPicture animated = LoadPicture(pathOf("frames.gif"));
    ASSERT_EQ(animated.status, PictureLoadStatus::Loaded);
    EXPECT_EQ(animated.master.pixel(50, 50), rgb(255, 0, 0));

    ASSERT_TRUE(runConvert({"-size", "100x100", "xc:none", "-fill", "blue", "-draw",
                            "rectangle 0,0 49,99", pathOf("clear.gif")}));
    const LoadedPicture clear = LoadPicture(pathOf("clear.gif"));
    ASSERT_EQ(clear.status, PictureLoadStatus::Loaded);
    EXPECT_EQ(clear.master.pixel(10, 50), rgb(0, 0, 255));
    EXPECT_EQ(clear.master.pixel(90, 50), kWhite);
}

TEST_F(PictureLoaderTest, TruncatedJpegKeepsWhatItHasAndTruncatedPngIsRefused) {
    const QByteArray jpeg = encode(coordinatePattern(800, 600), "jpeg", 90);
    const QString full = write("full.jpg", jpeg);
    const LoadedPicture cut = LoadPicture(write("cut.jpg", jpeg.left(jpeg.size() * 6 / 10)));
    ASSERT_EQ(cut.status, PictureLoadStatus::Loaded);
    EXPECT_EQ(cut.naturalSize, QSize(800, 600));
    // Rows whose data survived decode exactly as in the whole file.
    EXPECT_EQ(masterImage(cut).copy(0, 0, 632, 100), referenceDecode(full).copy(0, 0, 632, 100));

    const QByteArray png = encode(coordinatePattern(800, 600), "png");
    EXPECT_EQ(LoadPicture(write("cut.png", png.left(png.size() * 6 / 10))).status,
              PictureLoadStatus::Unreadable);
}

TEST_F(PictureLoaderTest, TruncatedBmpShowsBlackWhereRowsAreMissing) {
    const QImage source = coordinatePattern(120, 120);
    const QByteArray bmp = encode(source, "bmp");
    const QString path = write("cut.bmp", bmp.left(bmp.size() / 2));
    // Leave stale bytes where the decoder's image is likely to be allocated.
    const std::size_t bytes = std::size_t(120) * 120 * 4;
    std::unique_ptr<unsigned char, decltype(&std::free)> dirty(
        static_cast<unsigned char*>(std::malloc(bytes)), &std::free);
    std::memset(dirty.get(), 0x5A, bytes);
    dirty.reset();

    const LoadedPicture picture = LoadPicture(path);
    ASSERT_EQ(picture.status, PictureLoadStatus::Loaded);
    // BMP rows run bottom-up: the top half is what the file lost.
    for (int y = 0; y < 55; ++y) {
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(picture.master.pixel(x, y), kBlack) << x << "," << y;
    }
    EXPECT_EQ(masterImage(picture).copy(0, 65, 120, 55), source.copy(0, 65, 120, 55));
}

TEST_F(PictureLoaderTest, FormatIsJudgedByContentWhateverTheName) {
    const QImage source = quadrants(200, 150);
    const QString paths[] = {
        write("PHOTO.JPG", source, "jpeg", 95),
        write("Holiday.Bmp", source, "bmp"),
        write("SCAN.PNG", source, "png"),
        write("really-a-png.jpg", source, "png"),
        write("really-a-jpeg.gif", source, "jpeg", 95),
        write("no-suffix", source, "png"),
    };
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const LoadedPicture picture = LoadPicture(path);
        ASSERT_EQ(picture.status, PictureLoadStatus::Loaded);
        EXPECT_LE(colourDistance(picture.master.pixel(10, 10), kTopLeftColour), 12);
    }
}

TEST_F(PictureLoaderTest, PluginFormatsLoadWhenInstalled) {
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    if (!formats.contains("webp") || !formats.contains("tiff")) {
        GTEST_SKIP() << "qt6-image-formats-plugins not installed";
    }
    for (const char* format : {"webp", "tiff"}) {
        SCOPED_TRACE(format);
        const LoadedPicture picture =
            LoadPicture(write(QString("quads.") + format, quadrants(700, 400), format, 100));
        ASSERT_EQ(picture.status, PictureLoadStatus::Loaded);
        EXPECT_EQ(picture.naturalSize, QSize(700, 400));
        expectQuadrantHint(picture.hint, 12);
    }
}

}  // namespace
}  // namespace qx::test
