#include "platform/image/DecodeBudget.h"

#include <QImageReader>
#include <QPixelFormat>

#include <algorithm>
#include <cmath>

namespace qx {

qint64 decodedBytes(QSize size, QImage::Format format) {
    if (size.isEmpty()) return 0;
    int bits = 32;
    if (format != QImage::Format_Invalid)
        bits = std::max(1, int(QImage::toPixelFormat(format).bitsPerPixel()));
    const qint64 bytesPerLine = (qint64(size.width()) * bits + 31) / 32 * 4;
    return bytesPerLine * size.height();
}

QSize jpegReducedSize(QSize stored, QSize requested) {
    if (stored.isEmpty() || requested.isEmpty()) return stored;
    const double factor = std::min(double(stored.width()) / requested.width(),
                                   double(stored.height()) / requested.height());
    const int eighths = std::clamp(int(std::ceil(8.0 / factor)), 1, 8);
    return QSize(int((qint64(stored.width()) * eighths + 7) / 8),
                 int((qint64(stored.height()) * eighths + 7) / 8));
}

ReaderAllocationLimit::ReaderAllocationLimit(qint64 bytes)
    : previousMegabytes_(QImageReader::allocationLimit()) {
    constexpr qint64 kMegabyte = 1 << 20;
    const qint64 megabytes = std::clamp<qint64>((bytes + kMegabyte - 1) / kMegabyte, 1, 1 << 30);
    QImageReader::setAllocationLimit(static_cast<int>(megabytes));
}

ReaderAllocationLimit::~ReaderAllocationLimit() {
    QImageReader::setAllocationLimit(previousMegabytes_);
}

}  // namespace qx
