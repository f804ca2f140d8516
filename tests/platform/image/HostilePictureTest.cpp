// Tiny files that claim huge pictures or endless work: each load must end
// quickly, stay inside its memory budget and never crash, also when one of
// the loader's own allocations fails.
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

#include <fstream>
#include <string>

#include "LoaderFixture.h"
#include "platform/image/CheckedAllocation.h"
#include "platform/image/JpegFrame.h"

namespace qx::test {
namespace {

// The process's peak resident memory, measured from a reset.
class PeakMemory {
public:
    // False where the kernel does not let the peak be reset, and under
    // AddressSanitizer, whose shadow memory and quarantine inflate it.
    static bool reset() {
#if defined(__SANITIZE_ADDRESS__)
        return false;
#endif
        std::ofstream out("/proc/self/clear_refs");
        return bool(out << "5");
    }
    static qint64 currentPeakBytes() {
        std::ifstream status("/proc/self/status");
        std::string key;
        while (status >> key) {
            if (key == "VmHWM:") {
                qint64 kilobytes = 0;
                status >> kilobytes;
                return kilobytes * 1024;
            }
        }
        return -1;
    }
    static qint64 currentBytes() {
        std::ifstream status("/proc/self/status");
        std::string key;
        while (status >> key) {
            if (key == "VmRSS:") {
                qint64 kilobytes = 0;
                status >> kilobytes;
                return kilobytes * 1024;
            }
        }
        return -1;
    }
};

struct Outcome {
    PictureLoadStatus status;
    qint64 milliseconds;
    qint64 peakGrowthBytes;  // 0 where the peak cannot be reset
};

Outcome measuredLoad(const QString& path, const PictureLoadOptions& options = {}) {
    const bool measurable = PeakMemory::reset();
    const qint64 before = PeakMemory::currentBytes();
    QElapsedTimer clock;
    clock.start();
    const LoadedPicture picture = LoadPicture(path, options);
    const qint64 elapsed = clock.elapsed();
    const qint64 growth = measurable ? PeakMemory::currentPeakBytes() - before : 0;
    return {picture.status, elapsed, growth};
}

QByteArray bigEndian16(int value) {
    return QByteArray(1, char(value >> 8)) + char(value & 0xFF);
}

// SOI, a progressive three-component 4:2:0 frame of `width` x `height`, one
// Huffman table, a DC scan with `dcBytes` of data (by default enough for the
// first row of blocks of a 16000-pixel width), then `emptyScans` AC scans of
// the first component with no data at all.
QByteArray progressiveWithEmptyScans(int width, int height, int emptyScans, int dcBytes = 1024) {
    QByteArray jpeg("\xFF\xD8", 2);
    jpeg += QByteArray("\xFF\xC2\x00\x11\x08", 5) + bigEndian16(height) + bigEndian16(width);
    jpeg += QByteArray("\x03\x01\x22\x00\x02\x11\x00\x03\x11\x00", 10);
    jpeg += QByteArray("\xFF\xC4\x00\x14\x00", 5) + QByteArray("\x01", 1) + QByteArray(15, '\0') +
            QByteArray(1, '\0');
    jpeg += QByteArray("\xFF\xDA\x00\x0C\x03\x01\x00\x02\x00\x03\x00\x00\x00\x00", 14);
    jpeg += QByteArray(dcBytes, '\0');
    const QByteArray emptyScan("\xFF\xDA\x00\x08\x01\x01\x00\x01\x3F\x00", 10);
    for (int i = 0; i < emptyScans; ++i) jpeg += emptyScan;
    return jpeg + QByteArray("\xFF\xD9", 2);
}

// A GIF of width x height whose only frame asks for "restore previous"
// disposal, which makes Qt's reader keep a second full-size frame.
QByteArray gifRestoringPrevious(int width, int height) {
    auto le16 = [](int v) { return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF); };
    QByteArray gif("GIF89a", 6);
    gif += le16(width) + le16(height) + QByteArray("\x80\x00\x00", 3);
    gif += QByteArray("\x00\x00\x00\xFF\xFF\xFF", 6);
    gif += QByteArray("\x21\xF9\x04\x0C\x00\x00\x00\x00", 8);  // disposal 3
    gif += QByteArray("\x2C\x00\x00\x00\x00", 5) + le16(width) + le16(height);
    gif += QByteArray("\x00\x02\x02\x4C\x01\x00\x3B", 7);
    return gif;
}

constexpr qint64 kMegabyte = 1 << 20;

using HostilePictureTest = LoaderTest;

TEST_F(HostilePictureTest, EndlessProgressiveScansAreRefusedQuickly) {
    // 20,000 empty scans of a 24-megapixel frame cost over a minute decoded.
    const Outcome endless =
        measuredLoad(write("endless.jpg", progressiveWithEmptyScans(6000, 4000, 20000)));
    EXPECT_EQ(endless.status, PictureLoadStatus::Unreadable);
    EXPECT_LT(endless.milliseconds, 2000);

    // Few enough scans to pass the count, but a 256-megapixel frame makes each
    // of them a pass over four million blocks. Its first row of blocks has its
    // data: the work alone refuses it.
    QByteArray costlyBytes = progressiveWithEmptyScans(16000, 16000, 100);
    QBuffer costlyBuffer(&costlyBytes);
    ASSERT_TRUE(costlyBuffer.open(QIODevice::ReadOnly));
    EXPECT_TRUE(walkJpeg(costlyBuffer, 300)->coversWantedRow);
    const Outcome costly =
        measuredLoad(write("costly.jpg", progressiveWithEmptyScans(16000, 16000, 100)));
    EXPECT_EQ(costly.status, PictureLoadStatus::Unreadable);
    EXPECT_LT(costly.milliseconds, 2000);
    EXPECT_LT(costly.peakGrowthBytes, 32 * kMegabyte);
}

TEST_F(HostilePictureTest, ScansAndWorkAreCountedWhileWalkingTheMarkers) {
    // 96 x 96 4:2:0: 144 + 36 + 36 blocks. The DC scan steps through all 216,
    // each of the four empty scans through the 144 of the first component;
    // the transform adds 216 more.
    QByteArray bytes = progressiveWithEmptyScans(96, 96, 4, 8);
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    const std::optional<JpegLayout> layout = walkJpeg(buffer, 300);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->scans, 5);
    EXPECT_EQ(layout->scanBlocks, 216 + 4 * 144);
    EXPECT_EQ(jpegDecodeWork(*layout), 216 + 4 * 144 + 216);
    EXPECT_TRUE(layout->coversWantedRow) << "6 MCUs of 6 one-bit blocks fit in 8 bytes";
    ASSERT_TRUE(buffer.seek(0));
    EXPECT_EQ(walkJpeg(buffer, 3)->scans, 4) << "counting stops one past the limit";

    // A real progressive photo sits exactly at limits made from its own counts.
    const QString path = pathOf("progressive.jpg");
    QImageWriter writer(path, "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(quadrants(640, 480)));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::optional<JpegLayout> photo = walkJpeg(file, 300);
    ASSERT_TRUE(photo);
    EXPECT_GT(photo->scans, 5);
    EXPECT_TRUE(photo->ended);
    ASSERT_TRUE(file.seek(0));
    QByteArray cutBytes = file.readAll();
    cutBytes.chop(2);  // without its end-of-image marker
    QBuffer cut(&cutBytes);
    ASSERT_TRUE(cut.open(QIODevice::ReadOnly));
    EXPECT_FALSE(walkJpeg(cut, 300)->ended);
    PictureLoadOptions options;
    options.maxJpegScans = photo->scans;
    EXPECT_EQ(LoadPicture(path, options).status, PictureLoadStatus::Loaded);
    options.maxJpegScans = photo->scans - 1;
    EXPECT_EQ(LoadPicture(path, options).status, PictureLoadStatus::Unreadable);
    options.maxJpegScans = 300;
    options.maxJpegWork = 2 * jpegDecodeWork(*photo);
    EXPECT_EQ(LoadPicture(path, options).status, PictureLoadStatus::Loaded);
    options.maxJpegWork -= 2;
    EXPECT_EQ(LoadPicture(path, options).status, PictureLoadStatus::Unreadable);
}

TEST_F(HostilePictureTest, GifAndTiffAreBudgetedAtTheirTruePeak) {
    // 11585 x 11585 x 4 bytes sits just under 512 MiB, its second copy doubles it.
    const Outcome huge = measuredLoad(write("huge.gif", gifRestoringPrevious(11585, 11585)));
    EXPECT_EQ(huge.status, PictureLoadStatus::Unreadable);
    EXPECT_LT(huge.peakGrowthBytes, 32 * kMegabyte);

    // 2500 x 2500 takes 25 MB once, 50 MB at the reader's peak.
    const QString gif = pathOf("restoring.gif");
    ASSERT_TRUE(runConvert({QStringLiteral("-size"), QStringLiteral("2500x2500"),
                            QStringLiteral("gradient:red-blue"), QStringLiteral("-colors"),
                            QStringLiteral("16"), QStringLiteral("-dispose"),
                            QStringLiteral("Previous"), gif}));
    const QString tiff = pathOf("strip.tif");
    ASSERT_TRUE(runConvert({QStringLiteral("-size"), QStringLiteral("2500x2500"),
                            QStringLiteral("gradient:red-blue"), QStringLiteral("-depth"),
                            QStringLiteral("8"), QStringLiteral("-define"),
                            QStringLiteral("tiff:rows-per-strip=2500"), QStringLiteral("-compress"),
                            QStringLiteral("zip"), tiff}));
    const bool haveTiff = QImageReader(tiff).canRead();
    PictureLoadOptions options;
    for (const QString& path : haveTiff ? QStringList{gif, tiff} : QStringList{gif}) {
        SCOPED_TRACE(path.toStdString());
        options.maxDecodeBytes = 40 * kMegabyte;
        const Outcome tight = measuredLoad(path, options);
        EXPECT_EQ(tight.status, PictureLoadStatus::Unreadable);
        EXPECT_LT(tight.peakGrowthBytes, 40 * kMegabyte);

        options.maxDecodeBytes = 64 * kMegabyte;
        const Outcome roomy = measuredLoad(path, options);
        EXPECT_EQ(roomy.status, PictureLoadStatus::Loaded);
        EXPECT_LT(roomy.peakGrowthBytes, 64 * kMegabyte);
    }
}

TEST_F(HostilePictureTest, PicturesQtWouldRefuseAreRefusedBeforeDecoding) {
    // 12000 x 12000 is 144 megapixels: 18 MB at one bit, 144 MB grey, but
    // 576 MB at the 32 bits Qt's reader counts, above the 512 MiB budget.
    const QByteArray mono = "P4\n12000 12000\n" + QByteArray(4096, '\x55');
    const QByteArray grey = "P5\n12000 12000\n255\n" + QByteArray(4096, '\x80');
    QByteArray bmp = bmpClaiming(12000, 12000);
    bmp[28] = 8;  // 8 bits a pixel: a palette picture
    for (const auto& [name, bytes] : {std::pair{"mono.pbm", mono}, std::pair{"grey.pgm", grey},
                                      std::pair{"palette.bmp", bmp}}) {
        SCOPED_TRACE(name);
        const Outcome outcome = measuredLoad(write(QString::fromLatin1(name), bytes));
        EXPECT_EQ(outcome.status, PictureLoadStatus::Unreadable);
        EXPECT_LT(outcome.milliseconds, 1000);
        EXPECT_LT(outcome.peakGrowthBytes, 16 * kMegabyte);
    }
}

TEST_F(HostilePictureTest, FilesWithoutPixelDataAreUnreadable) {
    QByteArray pastTheEnd = bmpClaiming(200, 200);
    pastTheEnd[10] = char(0x00);
    pastTheEnd[11] = char(0x10);  // pixels at 4096, beyond the file
    EXPECT_EQ(LoadPicture(write("offset.bmp", pastTheEnd)).status, PictureLoadStatus::Unreadable);

    // A progressive header claiming 16000 x 16000 and not a single scan.
    const QByteArray header = progressiveWithEmptyScans(16000, 16000, 0).left(48);
    const Outcome noScan = measuredLoad(write("header.jpg", header));
    EXPECT_EQ(noScan.status, PictureLoadStatus::Unreadable);
    EXPECT_LT(noScan.milliseconds, 500);
    EXPECT_EQ(
        LoadPicture(write("empty-scan.jpg", progressiveWithEmptyScans(500, 500, 3, 0))).status,
        PictureLoadStatus::Unreadable);

    // Cut after the first third of its rows: the rest shows grey, as before.
    // Stored upside down, those rows lie outside the corner the game shows.
    const QByteArray jpeg = encode(quadrants(400, 1200), "jpeg", 90);
    EXPECT_EQ(LoadPicture(write("cut.jpg", jpeg.left(jpeg.size() / 3))).status,
              PictureLoadStatus::Loaded);
    const QByteArray upsideDown = withExifOrientation(jpeg, 3);
    EXPECT_EQ(
        LoadPicture(write("cut-upside-down.jpg", upsideDown.left(upsideDown.size() / 3))).status,
        PictureLoadStatus::Unreadable);
    EXPECT_EQ(LoadPicture(write("upside-down.jpg", upsideDown)).status, PictureLoadStatus::Loaded);

    // A progressive photo cut halfway still shows the whole picture, coarser.
    QByteArray progressive;
    QBuffer buffer(&progressive);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(quadrants(900, 600)));
    EXPECT_EQ(
        LoadPicture(write("cut-progressive.jpg", progressive.left(progressive.size() / 2))).status,
        PictureLoadStatus::Loaded);
}

// Headers claiming large pictures whose one scan holds a few bytes, far from
// a whole row of blocks: the decoder would make up every row itself, after
// seconds and hundreds of megabytes.
TEST_F(HostilePictureTest, ScansTooShortForARowOfBlocksAreRefusedBeforeDecoding) {
    struct Case {
        const char* name;
        GreyBlocksJpeg shape;
    };
    const Case cases[] = {
        {"grey progressive 16000 x 16000", {16000, 16000, 1, 0x11, true, 0, {47}}},
        {"4:2:0 baseline 8000 x 6000", {8000, 6000, 3, 0x22, false, 0, {40}}},
        {"4:4:4 progressive 12000 x 3000", {12000, 3000, 3, 0x11, true, 0, {60}}},
        {"grey baseline 3000 x 9000", {3000, 9000, 1, 0x11, false, 0, {60}}},
        {"4:2:2 progressive 6000 x 4000", {6000, 4000, 3, 0x21, true, 0, {120}}},
        {"4:2:0 progressive 2000 x 2000", {2000, 2000, 3, 0x22, true, 0, {80}}},
    };
    EXPECT_EQ(greyBlocksJpeg(cases[0].shape).size(), 165) << "the file once reported";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = measuredLoad(write("few-bytes.jpg", greyBlocksJpeg(c.shape)));
        EXPECT_EQ(outcome.status, PictureLoadStatus::Unreadable);
        EXPECT_LT(outcome.milliseconds, 500);
        EXPECT_LT(outcome.peakGrowthBytes, 16 * kMegabyte);
    }
}

// Data for the first whole row of blocks makes a picture (grey where the data
// ends); one byte less is refused. 200 x 120 pictures: a block takes one bit
// in a progressive first pass, two in a sequential scan.
TEST_F(HostilePictureTest, TheFirstWholeRowOfBlocksMakesAJpegShowable) {
    struct Case {
        const char* name;
        GreyBlocksJpeg shape;
        int bytesForARow;
    };
    const Case cases[] = {
        {"grey progressive: 25 bits", {200, 120, 1, 0x11, true, 0, {}}, 4},
        {"grey baseline: 25 blocks of 2 bits", {200, 120, 1, 0x11, false, 0, {}}, 7},
        {"4:2:0 baseline: 13 MCUs of 6 blocks", {200, 120, 3, 0x22, false, 0, {}}, 20},
        {"4:4:4 progressive: 25 MCUs of 3 blocks", {200, 120, 3, 0x11, true, 0, {}}, 10},
        {"4:2:2 progressive: 13 MCUs of 4 blocks", {200, 120, 3, 0x21, true, 0, {}}, 7},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.name);
        c.shape.intervalBytes = {c.bytesForARow};
        EXPECT_EQ(LoadPicture(write("row.jpg", greyBlocksJpeg(c.shape))).status,
                  PictureLoadStatus::Loaded);
        c.shape.intervalBytes = {c.bytesForARow - 1};
        EXPECT_EQ(LoadPicture(write("short.jpg", greyBlocksJpeg(c.shape))).status,
                  PictureLoadStatus::Unreadable);
    }
}

TEST_F(HostilePictureTest, AFailedAllocationAnywhereMakesThePictureUnreadable) {
    QImage transparent(700, 400, QImage::Format_ARGB32);
    transparent.fill(qRgba(10, 200, 30, 100));
    const QString progressive = pathOf("progressive.jpg");
    QImageWriter writer(progressive, "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(quadrants(900, 600)));
    const QStringList paths = {
        write("photo.jpg", encode(quadrants(1000, 700), "jpeg", 90)),
        write("turned.jpg", withExifOrientation(encode(quadrants(700, 1000), "jpeg", 90), 6)),
        progressive,
        write("alpha.png", transparent, "png"),
        write("big.bmp", coordinatePattern(1500, 1200), "bmp"),
    };
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        failAllocationAt(-1);
        ASSERT_EQ(LoadPicture(path).status, PictureLoadStatus::Loaded);
        const int sites = checkedAllocations();
        EXPECT_GE(sites, 3);
        for (int site = 0; site < sites; ++site) {
            failAllocationAt(site);
            const LoadedPicture picture = LoadPicture(path);
            EXPECT_EQ(picture.status, PictureLoadStatus::Unreadable) << "site " << site;
            EXPECT_TRUE(picture.master.isNull());
        }
        failAllocationAt(-1);
    }
}

}  // namespace
}  // namespace qx::test
