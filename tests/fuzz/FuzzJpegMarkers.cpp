// Any bytes as a JPEG: the frame reader and the marker walk end, count scans
// within their limit and give sizes that add up.
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
    if (const std::optional<qx::JpegFrame> frame = qx::readJpegFrame(buffer)) {
        if (qx::coefficientBufferBytes(*frame) < 0) std::abort();
    }
    buffer.seek(0);
    constexpr int kMaxScans = 20;
    if (const std::optional<qx::JpegLayout> layout = qx::walkJpeg(buffer, kMaxScans)) {
        if (layout->scans < 1 || layout->scans > kMaxScans + 1) std::abort();
        if (layout->scanBlocks < 0 || qx::jpegDecodeWork(*layout) < layout->scanBlocks)
            std::abort();
    }
    return 0;
}
