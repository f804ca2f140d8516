#include "TestPictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

namespace qx::test {
namespace {

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray littleEndian16(int value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian(static_cast<quint16>(value), bytes.data());
    return bytes;
}

QByteArray littleEndian32(qint64 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(static_cast<quint32>(value), bytes.data());
    return bytes;
}

QByteArray bigEndian16(int value) {
    QByteArray bytes(2, '\0');
    qToBigEndian(static_cast<quint16>(value), bytes.data());
    return bytes;
}

QByteArray jpegSegment(int marker, const QByteArray& body) {
    return QByteArray(1, '\xFF') + char(marker) + bigEndian16(int(body.size()) + 2) + body;
}

// A Huffman table whose only code is the 1-bit "0", for symbol 0.
QByteArray oneBitTable(int slot) {
    return QByteArray(1, char(slot)) + '\x01' + QByteArray(15, '\0') + '\0';
}

QByteArray pngChunk(const char* type, const QByteArray& data) {
    const QByteArray typed = QByteArray(type) + data;
    return bigEndian32(static_cast<quint32>(data.size())) + typed + bigEndian32(crc32(typed));
}

}  // namespace

QImage quadrants(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    const int midX = width / 2;
    const int midY = height / 2;
    QPainter painter(&image);
    painter.fillRect(0, 0, midX, midY, QColor::fromRgb(kTopLeftColour));
    painter.fillRect(midX, 0, width - midX, midY, QColor::fromRgb(kTopRightColour));
    painter.fillRect(0, midY, midX, height - midY, QColor::fromRgb(kBottomLeftColour));
    painter.fillRect(midX, midY, width - midX, height - midY, QColor::fromRgb(kBottomRightColour));
    return image;
}

QImage coordinatePattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = qRgb(x & 0xFF, y & 0xFF, ((x >> 8) * 37 + (y >> 8) * 91 + 11) & 0xFF);
        }
    }
    return image;
}

QByteArray encode(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) writer.setQuality(quality);
    if (!writer.write(image)) return {};
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray withExifOrientation(const QByteArray& jpeg, int orientation) {
    QByteArray tiff("II*\0", 4);
    tiff += littleEndian32(8);       // first directory right after the header
    tiff += littleEndian16(1);       // one entry
    tiff += littleEndian16(0x0112);  // Orientation
    tiff += littleEndian16(3);       // SHORT
    tiff += littleEndian32(1);       // one value
    tiff += littleEndian16(orientation) + QByteArray(2, '\0');
    tiff += littleEndian32(0);  // no next directory
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    const int length = static_cast<int>(payload.size()) + 2;
    QByteArray segment("\xFF\xE1", 2);
    segment += char(length >> 8);
    segment += char(length & 0xFF);
    return jpeg.left(2) + segment + payload + jpeg.mid(2);
}

QByteArray greyBlocksJpeg(const GreyBlocksJpeg& shape) {
    QByteArray jpeg("\xFF\xD8", 2);
    jpeg += jpegSegment(0xDB, QByteArray(1, '\0') + QByteArray(64, '\x01'));
    QByteArray frame = QByteArray(1, '\x08') + bigEndian16(shape.height) + bigEndian16(shape.width);
    frame += char(shape.components);
    for (int c = 0; c < shape.components; ++c)
        frame += QByteArray(1, char(c + 1)) + char(c == 0 ? shape.lumaSampling : 0x11) + '\0';
    jpeg += jpegSegment(shape.progressive ? 0xC2 : 0xC0, frame);
    jpeg += jpegSegment(0xC4,
                        oneBitTable(0x00) + (shape.progressive ? QByteArray() : oneBitTable(0x10)));
    if (shape.restartInterval > 0) jpeg += jpegSegment(0xDD, bigEndian16(shape.restartInterval));
    QByteArray scan(1, char(shape.components));
    for (int c = 0; c < shape.components; ++c) scan += QByteArray(1, char(c + 1)) + '\0';
    scan += shape.progressive ? QByteArray("\x00\x00\x00", 3) : QByteArray("\x00\x3F\x00", 3);
    jpeg += jpegSegment(0xDA, scan);
    for (std::size_t i = 0; i < shape.intervalBytes.size(); ++i) {
        if (i > 0) jpeg += QByteArray(1, '\xFF') + char(0xD0 + (i - 1) % 8);
        jpeg += QByteArray(shape.intervalBytes[i], '\0');
    }
    return jpeg + QByteArray("\xFF\xD9", 2);
}

QByteArray pngClaiming(int width, int height) {
    QByteArray header =
        bigEndian32(static_cast<quint32>(width)) + bigEndian32(static_cast<quint32>(height));
    header += QByteArray("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB, no interlace
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + pngChunk("IHDR", header) +
           pngChunk("IDAT", QByteArray("\x78\x9C\x03\x00\x00\x00\x00\x01", 8)) +
           pngChunk("IEND", {});
}

QByteArray bmpClaiming(int width, int height) {
    const QByteArray pixels(256, '\x55');
    QByteArray bmp("BM", 2);
    bmp += littleEndian32(54 + pixels.size());
    bmp += littleEndian32(0);
    bmp += littleEndian32(54);
    bmp += littleEndian32(40);
    bmp += littleEndian32(width);
    bmp += littleEndian32(height);
    bmp += littleEndian16(1);   // planes
    bmp += littleEndian16(24);  // bits
    bmp += littleEndian32(0);   // uncompressed
    bmp += littleEndian32(0);
    bmp += littleEndian32(2835) + littleEndian32(2835);
    bmp += littleEndian32(0) + littleEndian32(0);
    return bmp + pixels;
}

QByteArray gifClaiming(int width, int height) {
    QByteArray gif("GIF89a", 6);
    gif += littleEndian16(width) + littleEndian16(height);
    gif += QByteArray("\x80\x00\x00", 3);  // global table of two colours
    gif += QByteArray("\x00\x00\x00\xFF\xFF\xFF", 6);
    gif += QByteArray("\x2C\x00\x00\x00\x00", 5);  // image at 0, 0
    gif += littleEndian16(width) + littleEndian16(height);
    gif += QByteArray("\x00\x02\x02\x4C\x01\x00\x3B", 7);  // a scrap of data, trailer
    return gif;
}

QByteArray jpegClaiming(const QByteArray& jpeg, int width, int height) {
    QByteArray patched = jpeg;
    for (qsizetype i = 2; i + 9 < patched.size(); ++i) {
        const auto marker = static_cast<unsigned char>(patched[i + 1]);
        if (static_cast<unsigned char>(patched[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            patched[i + 5] = char(height >> 8);
            patched[i + 6] = char(height & 0xFF);
            patched[i + 7] = char(width >> 8);
            patched[i + 8] = char(width & 0xFF);
            return patched;
        }
    }
    return {};
}

int colourDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

bool runConvert(const QStringList& arguments) {
    return QProcess::execute("/usr/bin/convert", arguments) == 0;
}

}  // namespace qx::test
