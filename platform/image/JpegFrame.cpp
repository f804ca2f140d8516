#include "platform/image/JpegFrame.h"

#include <algorithm>

namespace qx {
namespace {

constexpr int kMarkerSoi = 0xD8;
constexpr int kMarkerEoi = 0xD9;
constexpr int kMarkerSos = 0xDA;
constexpr int kMarkerTem = 0x01;

bool readByte(QIODevice& device, int& value) {
    char c = 0;
    if (!device.getChar(&c)) return false;
    value = static_cast<unsigned char>(c);
    return true;
}

bool readWord(QIODevice& device, int& value) {
    int high = 0;
    int low = 0;
    if (!readByte(device, high) || !readByte(device, low)) return false;
    value = (high << 8) | low;
    return true;
}

bool isStartOfFrame(int marker) {
    // C4 (Huffman tables), C8 (reserved) and CC (arithmetic conditioning) share the range.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool isProgressive(int marker) {
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

bool standsAlone(int marker) {
    return marker == kMarkerTem || (marker >= 0xD0 && marker <= 0xD7);
}

bool readFrameHeader(QIODevice& device, int marker, JpegFrame& frame) {
    int precision = 0;
    int count = 0;
    if (!readByte(device, precision) || !readWord(device, frame.height) ||
        !readWord(device, frame.width) || !readByte(device, count) || count == 0) {
        return false;
    }
    frame.progressive = isProgressive(marker);
    frame.components.clear();
    for (int i = 0; i < count; ++i) {
        int id = 0;
        int sampling = 0;
        int table = 0;
        if (!readByte(device, id) || !readByte(device, sampling) || !readByte(device, table)) {
            return false;
        }
        JpegFrame::Component component;
        component.horizontalSampling = std::clamp(sampling >> 4, 1, 4);
        component.verticalSampling = std::clamp(sampling & 0x0F, 1, 4);
        frame.components.push_back(component);
    }
    return true;
}

qint64 roundUp(qint64 value, qint64 step) {
    return (value + step - 1) / step * step;
}

}  // namespace

std::optional<JpegFrame> readJpegFrame(QIODevice& device) {
    int first = 0;
    int second = 0;
    if (!readByte(device, first) || !readByte(device, second) || first != 0xFF ||
        second != kMarkerSoi) {
        return std::nullopt;
    }
    JpegFrame frame;
    bool haveFrame = false;
    for (;;) {
        int byte = 0;
        if (!readByte(device, byte) || byte != 0xFF) return std::nullopt;
        int marker = 0xFF;
        while (marker == 0xFF) {  // fill bytes
            if (!readByte(device, marker)) return std::nullopt;
        }
        if (standsAlone(marker)) continue;
        if (marker == kMarkerEoi || marker == kMarkerSoi || marker == 0) return std::nullopt;
        int length = 0;
        if (!readWord(device, length) || length < 2) return std::nullopt;
        const qint64 segmentEnd = device.pos() + length - 2;
        if (isStartOfFrame(marker)) {
            if (haveFrame || !readFrameHeader(device, marker, frame)) return std::nullopt;
            haveFrame = true;
        } else if (marker == kMarkerSos) {
            int scanComponents = 0;
            if (!haveFrame || !readByte(device, scanComponents)) return std::nullopt;
            frame.multiScan = scanComponents < static_cast<int>(frame.components.size());
            return frame;
        }
        if (device.pos() > segmentEnd || !device.seek(segmentEnd)) return std::nullopt;
    }
}

qint64 coefficientBufferBytes(const JpegFrame& frame) {
    if (!frame.progressive && !frame.multiScan) return 0;
    int maxH = 1;
    int maxV = 1;
    for (const JpegFrame::Component& c : frame.components) {
        maxH = std::max(maxH, c.horizontalSampling);
        maxV = std::max(maxV, c.verticalSampling);
    }
    constexpr qint64 kBytesPerBlock = 64 * 2;  // 64 coefficients of 16 bits
    qint64 total = 0;
    for (const JpegFrame::Component& c : frame.components) {
        const qint64 blocksWide =
            (qint64(frame.width) * c.horizontalSampling + 8 * maxH - 1) / (8 * maxH);
        const qint64 blocksHigh =
            (qint64(frame.height) * c.verticalSampling + 8 * maxV - 1) / (8 * maxV);
        total += roundUp(blocksWide, c.horizontalSampling) *
                 roundUp(blocksHigh, c.verticalSampling) * kBytesPerBlock;
    }
    return total;
}

}  // namespace qx
