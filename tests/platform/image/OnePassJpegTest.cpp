// Progressive and multi-scan JPEGs read once: the corner and hint must be the
// very pixels that decoding the file twice gives, in every colour layout and
// orientation; truncated files still go the old way.
#include <QFile>

#include "LoaderFixture.h"
#include "StreamingJpeg.h"
#include "platform/image/JpegOnePass.h"

namespace qx::test {
namespace {

class OnePassJpegTest : public LoaderTest {
protected:
    // A photo-like picture: smooth gradients with sharp detail, so that
    // chroma upsampling and every block position matter.
    static void paintRow(int y, unsigned char* rgb, int width) {
        for (int x = 0; x < width; ++x) {
            const bool stripe = ((x / 9) + (y / 13)) % 5 == 0;
            rgb[3 * x] = static_cast<unsigned char>(stripe ? 250 : (x * 255) / width);
            rgb[3 * x + 1] = static_cast<unsigned char>((y * 255) / 900);
            rgb[3 * x + 2] = static_cast<unsigned char>(((x ^ y) * 3) & 0xFF);
        }
    }

    QString source() {
        const QString path = pathOf(QStringLiteral("source.png"));
        if (!QFile::exists(path)) {
            QImage image(1200, 900, QImage::Format_RGB888);
            for (int y = 0; y < image.height(); ++y) paintRow(y, image.scanLine(y), image.width());
            EXPECT_TRUE(image.save(path));
        }
        return path;
    }

    // The source through ImageMagick with `options`, as a JPEG.
    QString converted(const QString& name, const QStringList& options) {
        const QString path = pathOf(name);
        EXPECT_TRUE(
            runConvert(QStringList{source()} + options +
                       QStringList{QStringLiteral("-quality"), QStringLiteral("88"), path}));
        return path;
    }

    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void expectSamePictures(const QString& path) {
        PictureLoadOptions twice;
        twice.onePassJpeg = false;
        const LoadedPicture once = LoadPicture(path);
        const LoadedPicture reference = LoadPicture(path, twice);
        ASSERT_EQ(once.status, reference.status);
        if (reference.status != PictureLoadStatus::Loaded) return;
        EXPECT_EQ(once.naturalSize, reference.naturalSize);
        EXPECT_EQ(masterImage(once), masterImage(reference)) << "the corner is bit-exact";
        EXPECT_EQ(once.hint, reference.hint);
    }
};

TEST_F(OnePassJpegTest, EveryLayoutAndOrientationGivesTheTwoPassPixels) {
    const QString multiScan = pathOf(QStringLiteral("multi-scan.jpg"));
    ASSERT_TRUE(writeStreamingJpeg(multiScan, 1200, 900, paintRow, JpegScans::MultiScan));
    const QString progressive = QStringLiteral("-interlace");
    const QStringList files = {
        converted(QStringLiteral("p420.jpg"),
                  {progressive, QStringLiteral("JPEG"), QStringLiteral("-sampling-factor"),
                   QStringLiteral("4:2:0")}),
        converted(QStringLiteral("p444.jpg"),
                  {progressive, QStringLiteral("JPEG"), QStringLiteral("-sampling-factor"),
                   QStringLiteral("4:4:4")}),
        converted(QStringLiteral("p422.jpg"),
                  {progressive, QStringLiteral("JPEG"), QStringLiteral("-sampling-factor"),
                   QStringLiteral("2x1")}),
        converted(QStringLiteral("grey.jpg"),
                  {progressive, QStringLiteral("JPEG"), QStringLiteral("-colorspace"),
                   QStringLiteral("Gray")}),
        converted(QStringLiteral("cmyk.jpg"),
                  {progressive, QStringLiteral("JPEG"), QStringLiteral("-colorspace"),
                   QStringLiteral("CMYK")}),
        multiScan,
    };
    for (const QString& file : files) {
        const QByteArray jpeg = bytesOf(file);
        ASSERT_FALSE(jpeg.isEmpty()) << file.toStdString();
        ASSERT_TRUE(splitJpegInOnePass(file, QRect(0, 0, 632, 355), QSize(65, 65)))
            << file.toStdString() << " takes the one-pass road";
        for (int orientation = 1; orientation <= 8; ++orientation) {
            SCOPED_TRACE(file.toStdString() + " orientation " + std::to_string(orientation));
            const QString turned =
                write(QStringLiteral("turned-%1.jpg").arg(orientation),
                      orientation == 1 ? jpeg : withExifOrientation(jpeg, orientation));
            expectSamePictures(turned);
        }
    }
}

TEST_F(OnePassJpegTest, TruncatedAndBaselineFilesKeepTheirOldRoad) {
    const QString progressive =
        converted(QStringLiteral("p.jpg"), {QStringLiteral("-interlace"), QStringLiteral("JPEG")});
    const QByteArray whole = bytesOf(progressive);
    for (const double kept : {0.3, 0.6, 0.95}) {
        SCOPED_TRACE(kept);
        const QString cut =
            write(QStringLiteral("cut.jpg"), whole.left(qsizetype(whole.size() * kept)));
        EXPECT_FALSE(splitJpegInOnePass(cut, QRect(0, 0, 632, 355), QSize(65, 65)));
        EXPECT_EQ(LoadPicture(cut).status, PictureLoadStatus::Loaded);
        expectSamePictures(cut);
    }
    // Too small for a 1/8 hint: the hint file keeps every coefficient.
    const QString small = pathOf(QStringLiteral("small.jpg"));
    ASSERT_TRUE(writeStreamingJpeg(small, 400, 300, paintRow, JpegScans::Progressive));
    ASSERT_TRUE(splitJpegInOnePass(small, QRect(0, 0, 400, 300), QSize(65, 65)));
    expectSamePictures(small);

    const QString baseline = converted(QStringLiteral("b.jpg"), {});
    EXPECT_FALSE(splitJpegInOnePass(baseline, QRect(0, 0, 632, 355), QSize(65, 65)))
        << "a baseline file streams";
}

}  // namespace
}  // namespace qx::test
