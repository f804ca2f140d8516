// Reading the JPEG frame header that decides whether a decode must buffer
// the whole picture's coefficients.
#include <QBuffer>
#include <QImageWriter>

#include <gtest/gtest.h>

#include "TestPictures.h"
#include "platform/image/JpegFrame.h"

namespace qx::test {
namespace {

std::optional<JpegFrame> frameOf(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const std::optional<JpegLayout> layout = walkJpeg(buffer, 300);
    return layout ? std::optional(layout->frame) : std::nullopt;
}

QByteArray progressiveJpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

// SOI, a 3-component baseline frame, then a scan holding only `scanComponents`.
QByteArray handMadeHeader(int scanComponents) {
    QByteArray bytes("\xFF\xD8", 2);
    bytes += QByteArray("\xFF\xFF\xFF\xE0\x00\x04\x00\x00", 8);           // fill bytes, tiny APP0
    bytes += QByteArray("\xFF\xC0\x00\x11\x08\x00\x10\x00\x20\x03", 10);  // 32 x 16
    bytes += QByteArray("\x01\x22\x00\x02\x11\x01\x03\x11\x01", 9);
    bytes += QByteArray("\xFF\xDA\x00", 3);
    bytes += char(6 + 2 * scanComponents);
    bytes += char(scanComponents);
    for (int id = 1; id <= scanComponents; ++id) bytes += QByteArray(1, char(id)) + '\0';
    bytes += QByteArray("\x00\x3F\x00", 3);
    return bytes;
}

TEST(JpegFrameTest, TellsStreamingFilesFromBufferedOnes) {
    const QImage image = quadrants(1000, 800);
    const auto baseline = frameOf(withExifOrientation(encode(image, "jpeg", 90), 6));
    ASSERT_TRUE(baseline.has_value());
    EXPECT_EQ(baseline->width, 1000);
    EXPECT_EQ(baseline->height, 800);
    EXPECT_FALSE(baseline->progressive);
    EXPECT_FALSE(baseline->multiScan);
    EXPECT_EQ(coefficientBufferBytes(*baseline), 0);

    const auto progressive = frameOf(progressiveJpeg(image));
    ASSERT_TRUE(progressive.has_value());
    EXPECT_TRUE(progressive->progressive);
    // 4:2:0: luma 126 x 100 blocks (rounded to the 2 x 2 sampling), chroma 63 x 50 twice.
    EXPECT_EQ(coefficientBufferBytes(*progressive), (126 * 100 + 2 * 63 * 50) * 128);

    const auto interleaved = frameOf(handMadeHeader(3));
    ASSERT_TRUE(interleaved.has_value());
    EXPECT_FALSE(interleaved->multiScan);
    const auto separate = frameOf(handMadeHeader(1));
    ASSERT_TRUE(separate.has_value());
    EXPECT_TRUE(separate->multiScan);
    EXPECT_GT(coefficientBufferBytes(*separate), 0);
}

TEST(JpegFrameTest, RejectsWhatIsNoJpegHeader) {
    const QByteArray jpeg = encode(quadrants(64, 64), "jpeg", 90);
    EXPECT_FALSE(frameOf({}).has_value());
    EXPECT_FALSE(frameOf("GIF89a").has_value());
    EXPECT_FALSE(frameOf(jpeg.left(30)).has_value());
    EXPECT_FALSE(frameOf(QByteArray("\xFF\xD8\xFF\xD9", 4)).has_value());  // ends before a frame
    EXPECT_FALSE(frameOf(QByteArray("\xFF\xD8\xFF\xE1\x00\x01", 6)).has_value());  // length 1
    QByteArray scanWithoutFrame("\xFF\xD8\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 12);
    EXPECT_FALSE(frameOf(scanWithoutFrame).has_value());
}

}  // namespace
}  // namespace qx::test
