#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <cstring>

// The pictures the program ships are decoded once, at build time, and stored
// as the image the decoder gave (resources/CMakeLists.txt): a start then
// reads a picture by pointing at it, with no inflating and no decoder.
// Header only, so the build-time converter shares it without linking the
// program's libraries.
//
// Layout: the 8-byte tag, then width, height, bytes per line, QImage format,
// dots per metre across and down (32-bit each, in the byte order of the
// machine that built it, as are the pixels), then the rows.
namespace qx::stored_picture {

inline constexpr char kTag[8] = {'Q', 'X', 'P', 'I', 'X', 'E', 'L', 'S'};
inline constexpr qsizetype kHeaderSize = sizeof kTag + 6 * sizeof(int32_t);

inline QByteArray encode(const QImage& image) {
    const int32_t fields[6] = {
        image.width(),           image.height(),        int32_t(image.bytesPerLine()),
        int32_t(image.format()), image.dotsPerMeterX(), image.dotsPerMeterY()};
    QByteArray bytes(kTag, sizeof kTag);
    bytes.append(reinterpret_cast<const char*>(fields), sizeof fields);
    bytes.append(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    return bytes;
}

// The picture in `data`, which must outlive it when it is used in place;
// null when `data` is not a stored picture of this layout. Rows that sit on
// a 4-byte boundary are used in place, others are copied.
inline QImage decode(const uchar* data, qsizetype size) {
    if (size < kHeaderSize || std::memcmp(data, kTag, sizeof kTag) != 0) return {};
    int32_t fields[6];
    std::memcpy(fields, data + sizeof kTag, sizeof fields);
    const auto [width, height, bytesPerLine, format, dotsX, dotsY] = fields;
    if (width <= 0 || height <= 0 || format <= QImage::Format_Invalid ||
        format >= QImage::NImageFormats || format <= QImage::Format_Indexed8)
        return {};  // no colour table is stored, so no indexed formats
    const QImage::Format imageFormat = QImage::Format(format);
    const qsizetype rowBytes =
        (qsizetype(width) * QImage::toPixelFormat(imageFormat).bitsPerPixel() + 7) / 8;
    if (bytesPerLine < rowBytes || bytesPerLine % 4 != 0 ||
        (size - kHeaderSize) / bytesPerLine < height)
        return {};
    const uchar* rows = data + kHeaderSize;
    QImage image(rows, width, height, bytesPerLine, imageFormat);
    if (reinterpret_cast<uintptr_t>(rows) % 4 != 0) image = image.copy();
    image.setDotsPerMeterX(dotsX);
    image.setDotsPerMeterY(dotsY);
    return image;
}

}  // namespace qx::stored_picture
