// Any bytes as a JPEG: the marker walk ends, counts scans within its limit
// and gives sizes that add up.
#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/image/JpegFrame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    constexpr int kMaxScans = 20;
    if (const std::optional<qx::JpegLayout> layout = qx::walkJpeg(buffer, kMaxScans)) {
        if (layout->scans < 1 || layout->scans > kMaxScans + 1) std::abort();
        if (layout->scanBlocks < 0 || qx::jpegDecodeWork(*layout) < layout->scanBlocks)
            std::abort();
        if (qx::coefficientBufferBytes(layout->frame) < 0) std::abort();
    }
    return 0;
}
