#include "platform/image/JpegFrame.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace qx {
namespace {

constexpr int kMarkerSoi = 0xD8;
constexpr int kMarkerEoi = 0xD9;
constexpr int kMarkerSos = 0xDA;
constexpr int kMarkerTem = 0x01;

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

qint64 roundUp(qint64 value, qint64 step) {
    return (value + step - 1) / step * step;
}

// Reads the device a large chunk at a time; entropy-coded data is skipped with
// memchr rather than byte by byte.
class ChunkedReader {
public:
    explicit ChunkedReader(QIODevice& device) : device_(device) {}

    bool byte(int& value) {
        if (next_ == end_ && !refill()) return false;
        value = static_cast<unsigned char>(buffer_[next_++]);
        return true;
    }

    bool word(int& value) {
        int high = 0;
        int low = 0;
        if (!byte(high) || !byte(low)) return false;
        value = (high << 8) | low;
        return true;
    }

    bool skip(qint64 count) {
        while (count > 0) {
            if (next_ == end_ && !refill()) return false;
            const qint64 step = std::min<qint64>(count, end_ - next_);
            next_ += step;
            count -= step;
        }
        return true;
    }

    // Moves to the next 0xFF; `skipped` counts the bytes passed over.
    bool toNextFF(qint64& skipped) {
        for (;;) {
            if (next_ == end_ && !refill()) return false;
            const void* found =
                std::memchr(buffer_.data() + next_, 0xFF, std::size_t(end_ - next_));
            if (found) {
                const qint64 at = static_cast<const char*>(found) - buffer_.data();
                skipped += at - next_;
                next_ = at;
                return true;
            }
            skipped += end_ - next_;
            next_ = end_;
        }
    }

private:
    bool refill() {
        const qint64 got = device_.read(buffer_.data(), qint64(buffer_.size()));
        next_ = 0;
        end_ = std::max<qint64>(got, 0);
        return end_ > 0;
    }

    QIODevice& device_;
    std::array<char, 64 * 1024> buffer_{};
    qint64 next_ = 0;
    qint64 end_ = 0;
};

// The next marker code, passing over stray bytes and fill bytes; -1 at the end.
int nextMarker(ChunkedReader& in) {
    qint64 stray = 0;
    int code = 0xFF;
    while (code == 0xFF) {
        if (!in.toNextFF(stray)) return -1;
        in.skip(1);
        do {
            if (!in.byte(code)) return -1;
        } while (code == 0xFF);
        if (code == 0) code = 0xFF;  // a stuffed byte in stray data: keep looking
    }
    return code;
}

// Passes over a scan's entropy-coded bytes (stuffed zeros and restart markers
// included) and returns the marker that ends them, or -1 at the end of file.
int skipEntropyData(ChunkedReader& in, bool& hasData) {
    for (;;) {
        qint64 bytes = 0;
        const bool found = in.toNextFF(bytes);
        if (bytes > 0) hasData = true;
        if (!found) return -1;
        in.skip(1);
        int code = 0xFF;
        while (code == 0xFF) {
            if (!in.byte(code)) return -1;
        }
        if (code == 0) {
            hasData = true;
        } else if (!standsAlone(code)) {
            return code;
        }
    }
}

bool readScanHeader(ChunkedReader& in, int length, const JpegFrame& frame, int& count,
                    qint64& blocks) {
    if (!in.byte(count) || count < 1 || count > 4 || length < 6 + 2 * count) return false;
    blocks = 0;
    for (int i = 0; i < count; ++i) {
        int id = 0;
        int tables = 0;
        if (!in.byte(id) || !in.byte(tables)) return false;
        const auto it = std::find_if(frame.components.begin(), frame.components.end(),
                                     [id](const JpegFrame::Component& c) { return c.id == id; });
        if (it == frame.components.end()) return false;
        blocks += componentBlocks(frame, static_cast<int>(it - frame.components.begin()));
    }
    return in.skip(length - 3 - 2 * count);
}

bool readFrameSegment(ChunkedReader& in, int marker, int length, JpegFrame& frame) {
    int precision = 0;
    int count = 0;
    if (length < 8 || !in.byte(precision) || !in.word(frame.height) || !in.word(frame.width) ||
        !in.byte(count) || count == 0 || length < 8 + 3 * count) {
        return false;
    }
    frame.progressive = isProgressive(marker);
    frame.components.clear();
    for (int i = 0; i < count; ++i) {
        int id = 0;
        int sampling = 0;
        int table = 0;
        if (!in.byte(id) || !in.byte(sampling) || !in.byte(table)) return false;
        JpegFrame::Component component;
        component.id = id;
        component.horizontalSampling = std::clamp(sampling >> 4, 1, 4);
        component.verticalSampling = std::clamp(sampling & 0x0F, 1, 4);
        frame.components.push_back(component);
    }
    return in.skip(length - 8 - 3 * count);
}

}  // namespace

qint64 componentBlocks(const JpegFrame& frame, int component) {
    int maxH = 1;
    int maxV = 1;
    for (const JpegFrame::Component& c : frame.components) {
        maxH = std::max(maxH, c.horizontalSampling);
        maxV = std::max(maxV, c.verticalSampling);
    }
    const JpegFrame::Component& c = frame.components[static_cast<std::size_t>(component)];
    const qint64 blocksWide =
        (qint64(frame.width) * c.horizontalSampling + 8 * maxH - 1) / (8 * maxH);
    const qint64 blocksHigh =
        (qint64(frame.height) * c.verticalSampling + 8 * maxV - 1) / (8 * maxV);
    return roundUp(blocksWide, c.horizontalSampling) * roundUp(blocksHigh, c.verticalSampling);
}

qint64 coefficientBufferBytes(const JpegFrame& frame) {
    if (!frame.progressive && !frame.multiScan) return 0;
    constexpr qint64 kBytesPerBlock = 64 * 2;  // 64 coefficients of 16 bits
    qint64 total = 0;
    for (int i = 0; i < static_cast<int>(frame.components.size()); ++i)
        total += componentBlocks(frame, i) * kBytesPerBlock;
    return total;
}

std::optional<JpegLayout> walkJpeg(QIODevice& device, int maxScans) {
    ChunkedReader in(device);
    int first = 0;
    int second = 0;
    if (!in.byte(first) || !in.byte(second) || first != 0xFF || second != kMarkerSoi) {
        return std::nullopt;
    }
    JpegLayout layout;
    bool haveFrame = false;
    bool partialFirstScan = false;
    int marker = nextMarker(in);
    while (marker >= 0 && marker != kMarkerEoi && marker != kMarkerSoi) {
        if (standsAlone(marker)) {
            marker = nextMarker(in);
            continue;
        }
        int length = 0;
        if (!in.word(length) || length < 2) break;
        if (isStartOfFrame(marker)) {
            if (haveFrame || !readFrameSegment(in, marker, length, layout.frame)) break;
            haveFrame = true;
        } else if (marker == kMarkerSos) {
            qint64 blocks = 0;
            int scanComponents = 0;
            if (!haveFrame || !readScanHeader(in, length, layout.frame, scanComponents, blocks))
                break;
            if (++layout.scans > maxScans) break;
            if (layout.scans == 1)
                partialFirstScan = scanComponents < int(layout.frame.components.size());
            layout.scanBlocks += blocks;
            bool hasData = false;
            marker = skipEntropyData(in, hasData);
            if (layout.scans == 1) layout.firstScanHasData = hasData;
            continue;
        } else if (!in.skip(length - 2)) {
            break;
        }
        marker = nextMarker(in);
    }
    if (!haveFrame || layout.scans == 0) return std::nullopt;
    layout.ended = marker == kMarkerEoi;
    layout.frame.multiScan = partialFirstScan || layout.scans > 1;
    return layout;
}

qint64 jpegDecodeWork(const JpegLayout& layout) {
    qint64 blocks = 0;
    for (int i = 0; i < static_cast<int>(layout.frame.components.size()); ++i)
        blocks += componentBlocks(layout.frame, i);
    return layout.scanBlocks + blocks;
}

}  // namespace qx
