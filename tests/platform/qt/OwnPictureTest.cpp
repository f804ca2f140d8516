#include <QDir>
#include <QImageReader>
#include <cstring>

#include <gtest/gtest.h>

#include "platform/qt/OwnPicture.h"
#include "platform/qt/StoredPicture.h"

namespace qx {
namespace {

// Every picture the build stored decoded reads back as the image its PNG
// decodes to: the same format, size, pixels and resolution.
TEST(OwnPicture, EveryStoredPictureIsItsPngDecoded) {
    const QDir sources(QStringLiteral(QX_BITMAPS_DIR));
    const QStringList pngs = sources.entryList({QStringLiteral("*.png")}, QDir::Files);
    ASSERT_FALSE(pngs.isEmpty());
    for (const QString& png : pngs) {
        SCOPED_TRACE(png.toStdString());
        const QImage decoded = QImageReader(sources.filePath(png)).read();
        ASSERT_FALSE(decoded.isNull());
        const QImage stored = readOwnPicture(QStringLiteral(":/bitmaps/") + png);
        ASSERT_FALSE(stored.isNull());
        EXPECT_EQ(stored.format(), decoded.format());
        EXPECT_EQ(stored.size(), decoded.size());
        EXPECT_EQ(stored.dotsPerMeterX(), decoded.dotsPerMeterX());
        EXPECT_EQ(stored.dotsPerMeterY(), decoded.dotsPerMeterY());
        EXPECT_EQ(stored, decoded);
    }
}

TEST(OwnPicture, PicturesNotStoredAreDecodedAndMissingOnesAreNull) {
    EXPECT_FALSE(readOwnPicture(QStringLiteral(":/stencil/stencil.bmp")).isNull());
    EXPECT_TRUE(readOwnPicture(QStringLiteral(":/bitmaps/no-such-picture.png")).isNull());
    EXPECT_TRUE(readOwnPicture(QStringLiteral(":/stencil/no-such-picture.bmp")).isNull());
}

QImage sample(QImage::Format format) {
    QImage image(5, 3, format);  // rows padded to 4 bytes for the 24-bit format
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(40 * x, 60 * y, 7 * x + y, 200 + x));
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(3780);
    return image;
}

QImage decodeBytes(const QByteArray& bytes) {
    return stored_picture::decode(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
}

TEST(StoredPicture, ReadsBackWhatWasStoredInPlaceOrCopiedWhenUnaligned) {
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888}) {
        SCOPED_TRACE(int(format));
        const QImage image = sample(format);
        const QByteArray bytes = stored_picture::encode(image);
        const QImage inPlace = decodeBytes(bytes);
        EXPECT_EQ(inPlace, image);
        EXPECT_EQ(inPlace.format(), format);
        EXPECT_EQ(inPlace.dotsPerMeterX(), 2835);
        EXPECT_EQ(inPlace.dotsPerMeterY(), 3780);
        EXPECT_EQ(inPlace.constBits(),
                  reinterpret_cast<const uchar*>(bytes.constData()) + stored_picture::kHeaderSize)
            << "an aligned picture is used where it lies";

        const QByteArray shifted = QByteArray(1, '\0') + bytes;
        const QImage copied = stored_picture::decode(
            reinterpret_cast<const uchar*>(shifted.constData()) + 1, bytes.size());
        EXPECT_EQ(copied, image);
        EXPECT_EQ(reinterpret_cast<quintptr>(copied.constBits()) % 4, 0u);
    }
}

TEST(StoredPicture, RefusesWhatIsNotAWholeStoredPicture) {
    const QByteArray good = stored_picture::encode(sample(QImage::Format_RGB32));
    auto withField = [&](int field, int32_t value) {
        QByteArray bytes = good;
        std::memcpy(bytes.data() + sizeof stored_picture::kTag + field * sizeof(int32_t), &value,
                    sizeof value);
        return bytes;
    };
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"header cut short", good.left(stored_picture::kHeaderSize - 1)},
        {"last row cut short", good.chopped(1)},
        {"another tag", QByteArray("PNG").append(good.mid(3))},
        {"no width", withField(0, 0)},
        {"negative height", withField(1, -3)},
        {"rows narrower than the width", withField(2, 16)},
        {"rows off a 4-byte boundary", withField(2, 22)},
        {"invalid format", withField(3, QImage::Format_Invalid)},
        {"indexed format (no colour table stored)", withField(3, QImage::Format_Indexed8)},
        {"format beyond the known ones", withField(3, QImage::NImageFormats)},
        {"more rows than stored", withField(1, 4)},
    };
    for (const auto& c : cases) EXPECT_TRUE(decodeBytes(c.bytes).isNull()) << c.what;
}

}  // namespace
}  // namespace qx
