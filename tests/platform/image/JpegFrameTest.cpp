// Reading the JPEG frame header that decides whether a decode must buffer
// the whole picture's coefficients.
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>

#include <vector>

#include <gtest/gtest.h>

#include "StreamingJpeg.h"
#include "TestPictures.h"
#include "platform/image/JpegFrame.h"

namespace qx::test {
namespace {

std::optional<JpegLayout> layoutOf(QByteArray bytes, int wantedRow = 0) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return walkJpeg(buffer, 300, wantedRow);
}

std::optional<JpegFrame> frameOf(const QByteArray& bytes) {
    const std::optional<JpegLayout> layout = layoutOf(bytes);
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

// 4:2:2 on a picture wider than high: a swapped sampling factor or a swapped
// side changes every figure. Luma is 1000 x 600 in 16 x 8 MCUs: 126 x 75
// blocks once padded to whole MCUs; each chroma 63 x 75.
TEST(JpegFrameTest, AsymmetricSamplingGivesEachComponentItsOwnBlocks) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("422.jpg"));
    const auto paint = [](int y, unsigned char* rgb, int width) {
        for (int x = 0; x < width; ++x) {
            rgb[3 * x] = static_cast<unsigned char>(x);
            rgb[3 * x + 1] = static_cast<unsigned char>(y);
            rgb[3 * x + 2] = static_cast<unsigned char>(x + y);
        }
    };
    ASSERT_TRUE(writeStreamingJpeg(path, 1000, 600, paint, JpegScans::Progressive, 85, 0x21));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::optional<JpegLayout> layout = layoutOf(file.readAll());
    ASSERT_TRUE(layout.has_value());
    const JpegFrame& frame = layout->frame;
    EXPECT_EQ(frame.width, 1000);
    EXPECT_EQ(frame.height, 600);
    ASSERT_EQ(frame.components.size(), 3u);
    EXPECT_EQ(frame.components[0].horizontalSampling, 2);
    EXPECT_EQ(frame.components[0].verticalSampling, 1);
    for (int c = 1; c < 3; ++c) {
        EXPECT_EQ(frame.components[std::size_t(c)].horizontalSampling, 1);
        EXPECT_EQ(frame.components[std::size_t(c)].verticalSampling, 1);
    }
    EXPECT_EQ(componentBlocks(frame, 0), 126 * 75);
    EXPECT_EQ(componentBlocks(frame, 1), 63 * 75);
    EXPECT_EQ(componentBlocks(frame, 2), 63 * 75);
    EXPECT_EQ(coefficientBufferBytes(frame), (126 + 2 * 63) * 75 * 128);
    // The encoder's usual ten scans: luma in six (first and refining DC
    // passes, four AC passes), each chroma in four.
    EXPECT_EQ(layout->scans, 10);
    EXPECT_EQ(layout->scanBlocks, 6 * 126 * 75 + 8 * 63 * 75);
    EXPECT_EQ(jpegDecodeWork(*layout), layout->scanBlocks + (126 + 2 * 63) * 75);
}

// Whether the scans can show a wanted row: each block takes at least the
// shortest code of its tables, and a restart marker lets the decoder start
// afresh, so every restart interval the wanted row of blocks spans must hold
// its own part. Grey baseline 200 x 120, two bits a block: 25 blocks a row,
// 50 bits; intervals of 5 blocks need 2 bytes.
TEST(JpegFrameTest, TheWantedRowMustHaveDataInEveryIntervalItSpans) {
    struct Case {
        const char* name;
        int restartInterval;
        int wantedRow;
        std::vector<int> intervalBytes;
        bool covered;
    };
    const std::vector<int> row(5, 2);
    auto rows = [&](std::vector<int> first, const std::vector<int>& then) {
        first.insert(first.end(), then.begin(), then.end());
        return first;
    };
    const Case cases[] = {
        {"one interval: the first row", 0, 0, {7}, true},
        {"one interval: a byte short", 0, 0, {6}, false},
        {"one interval: the third row needs the two above", 0, 16, {19}, true},
        {"one interval: the third row a byte short", 0, 23, {18}, false},
        {"every interval of the first row filled", 5, 0, row, true},
        {"one interval short, however full the others", 5, 0, {8, 2, 1, 2, 2}, false},
        {"the file ends before the row's last interval", 5, 0, {2, 2, 2, 2}, false},
        {"the third row after empty intervals", 5, 16, rows(std::vector<int>(10, 0), row), true},
        {"rows above filled, the third empty", 5, 16, rows(rows(row, row), {0, 0, 0, 0, 0}), false},
        // Blocks 20-29 straddle the first two rows: all ten need their bits.
        {"an interval straddling two rows", 10, 8, {0, 0, 3, 3, 3}, true},
        {"an interval straddling two rows, short", 10, 8, {0, 0, 2, 3, 3}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GreyBlocksJpeg shape{200, 120, 1, 0x11, false, c.restartInterval, c.intervalBytes};
        const std::optional<JpegLayout> layout = layoutOf(greyBlocksJpeg(shape), c.wantedRow);
        ASSERT_TRUE(layout.has_value());
        EXPECT_EQ(layout->coversWantedRow, c.covered);
    }

    // Real Huffman tables: a photo cut after a third of its bytes shows its
    // top rows but not its bottom ones.
    const QByteArray photo = encode(quadrants(300, 900), "jpeg", 90);
    EXPECT_TRUE(layoutOf(photo.left(photo.size() / 3), 0)->coversWantedRow);
    EXPECT_FALSE(layoutOf(photo.left(photo.size() / 3), 899)->coversWantedRow);
    EXPECT_TRUE(layoutOf(photo, 899)->coversWantedRow);
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
