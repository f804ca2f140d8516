// Camera orientation: pictures come out upright, and the part of the stored
// picture decoded for the master is the one that ends up top-left.
#include <QImageReader>
#include <QImageWriter>

#include "LoaderFixture.h"
#include "platform/image/Orientation.h"

namespace qx::test {
namespace {

using OrientationTest = LoaderTest;
using T = QImageIOHandler::Transformation;

const QImageIOHandler::Transformations kAllOrientations[] = {
    T::TransformationNone,
    T::TransformationMirror,
    T::TransformationFlip,
    T::TransformationRotate180,
    T::TransformationRotate90,
    T::TransformationMirrorAndRotate90,
    T::TransformationFlipAndRotate90,
    T::TransformationRotate270,
};

QImage uprightReference(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

// The loaded picture against Qt's own upright decode of the whole file.
void expectUprightLike(const LoadedPicture& picture, const QString& path, int tolerance) {
    const QImage reference = uprightReference(path);
    ASSERT_EQ(picture.status, PictureLoadStatus::Loaded);
    EXPECT_EQ(picture.naturalSize, reference.size());
    if (tolerance == 0) {
        EXPECT_EQ(masterImage(picture), cornerOf(reference));
        return;
    }
    const int w = reference.width();
    const int h = reference.height();
    const QPoint quarters[] = {
        {w / 4, h / 4}, {3 * w / 4, h / 4}, {w / 4, 3 * h / 4}, {3 * w / 4, 3 * h / 4}};
    for (const QPoint q : quarters) {
        const QPoint inHint(q.x() * 65 / w, q.y() * 65 / h);
        EXPECT_LE(colourDistance(picture.hint.pixel(inHint), reference.pixel(q)), tolerance)
            << q.x() << "," << q.y();
    }
}

TEST_F(OrientationTest, ExifTaggedJpegsAreShownUpright) {
    const QByteArray pattern = encode(coordinatePattern(900, 500), "jpeg", 90);
    const QByteArray quads = encode(quadrants(900, 500), "jpeg", 95);
    for (int tag = 1; tag <= 8; ++tag) {
        SCOPED_TRACE(tag);
        const QString patternPath =
            write(QString("pattern%1.jpg").arg(tag), withExifOrientation(pattern, tag));
        const QString quadsPath =
            write(QString("quads%1.jpg").arg(tag), withExifOrientation(quads, tag));
        expectUprightLike(LoadPicture(patternPath), patternPath, 0);
        expectUprightLike(LoadPicture(quadsPath), quadsPath, 12);
    }
}

TEST_F(OrientationTest, TurnedJpegShowsAnotherStoredCornerTopLeft) {
    const QByteArray quads = encode(quadrants(900, 500), "jpeg", 95);
    // 3: half a turn; 6: a quarter clockwise; 8: a quarter anticlockwise.
    const std::pair<int, QRgb> expectations[] = {
        {3, kBottomRightColour}, {6, kBottomLeftColour}, {8, kTopRightColour}};
    for (const auto& [tag, colour] : expectations) {
        SCOPED_TRACE(tag);
        const LoadedPicture picture =
            LoadPicture(write("turned.jpg", withExifOrientation(quads, tag)));
        ASSERT_EQ(picture.status, PictureLoadStatus::Loaded);
        EXPECT_LE(colourDistance(picture.master.pixel(5, 5), colour), 12);
        EXPECT_LE(colourDistance(picture.hint.pixel(8, 8), colour), 12);
    }
}

TEST_F(OrientationTest, TiffOrientationIsAppliedToWholeDecodes) {
    if (!QImageReader::supportedImageFormats().contains("tiff")) GTEST_SKIP() << "no TIFF plugin";
    for (const auto orientation : kAllOrientations) {
        SCOPED_TRACE(int(orientation));
        for (const bool pattern : {true, false}) {
            const QString path = pathOf(pattern ? "pattern.tif" : "quads.tif");
            QImageWriter writer(path, "tiff");
            writer.setTransformation(orientation);
            ASSERT_TRUE(writer.write(pattern ? coordinatePattern(900, 500) : quadrants(900, 500)));
            expectUprightLike(LoadPicture(path), path, pattern ? 0 : 1);
        }
    }
}

TEST(StoredRectTest, AnyUprightRectangleMapsToTheStoredPixelsShownThere) {
    const QImage stored = coordinatePattern(7, 5);
    for (const auto orientation : kAllOrientations) {
        SCOPED_TRACE(int(orientation));
        const QImage upright = turnUpright(stored, orientation);
        ASSERT_EQ(upright.size(), uprightSize(stored.size(), orientation));
        for (const QRect rect : {QRect(0, 0, 3, 2), QRect(1, 2, 2, 3), QRect(2, 1, 1, 1),
                                 QRect(QPoint(0, 0), upright.size())}) {
            const QRect source = storedRectOf(rect, stored.size(), orientation);
            EXPECT_EQ(turnUpright(stored.copy(source), orientation), upright.copy(rect))
                << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
        }
    }
}

}  // namespace
}  // namespace qx::test
