#include "platform/image/JpegFrame.h"

#include <QSize>

#include <algorithm>
#include <array>
#include <cstring>

namespace qx {
namespace {

constexpr int kMarkerSoi = 0xD8;
constexpr int kMarkerEoi = 0xD9;
constexpr int kMarkerSos = 0xDA;
constexpr int kMarkerDht = 0xC4;
constexpr int kMarkerDri = 0xDD;
constexpr int kMarkerTem = 0x01;

bool isStartOfFrame(int marker) {
    // C4 (Huffman tables), C8 (reserved) and CC (arithmetic conditioning) share the range.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool isProgressive(int marker) {
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

bool isArithmetic(int marker) {
    return isStartOfFrame(marker) && marker >= 0xC9;
}

bool isRestart(int marker) {
    return marker >= 0xD0 && marker <= 0xD7;
}

bool standsAlone(int marker) {
    return marker == kMarkerTem || isRestart(marker);
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

// The shortest code of each Huffman table, DC and AC, slots 0-3. A table the
// file never defines gets the decoder's standard one; 1 bit stays a safe floor.
struct ShortestCodes {
    std::array<std::array<int, 4>, 2> bits = {{{1, 1, 1, 1}, {1, 1, 1, 1}}};
};

bool readHuffmanTables(ChunkedReader& in, int length, ShortestCodes& codes) {
    int left = length - 2;
    while (left >= 17) {
        int slot = 0;
        if (!in.byte(slot)) return false;
        int shortest = 17;  // no code at all: nothing can be decoded with it
        int symbols = 0;
        for (int bits = 1; bits <= 16; ++bits) {
            int count = 0;
            if (!in.byte(count)) return false;
            if (count > 0 && shortest > 16) shortest = bits;
            symbols += count;
        }
        left -= 17 + symbols;
        if (left < 0) return false;
        if ((slot >> 4) < 2 && (slot & 0x0F) < 4) codes.bits[slot >> 4][slot & 0x0F] = shortest;
        if (!in.skip(symbols)) return false;
    }
    return in.skip(left);
}

struct ScanHeader {
    int count = 0;
    std::array<int, 4> components{};  // indexes into the frame's components
    std::array<int, 4> dcTables{};
    std::array<int, 4> acTables{};
    int spectralStart = 0;
    int approximationHigh = 0;
    // Brings the first bits of the DC coefficients: a sequential scan, or a
    // progressive one's first DC pass.
    bool bringsDc() const { return spectralStart == 0 && approximationHigh == 0; }
};

QSize maxSampling(const JpegFrame& frame) {
    int maxH = 1;
    int maxV = 1;
    for (const JpegFrame::Component& c : frame.components) {
        maxH = std::max(maxH, c.horizontalSampling);
        maxV = std::max(maxV, c.verticalSampling);
    }
    return {maxH, maxV};
}

// Whether one scan's entropy-coded data can fill the row of MCUs holding the
// wanted pixel row, counted per restart interval as the data is skipped: the
// decoder starts afresh at each restart marker, so an interval fills at most
// as many MCUs from its start as its bits allow.
class RowCoverage {
public:
    RowCoverage(qint64 firstMcu, qint64 endMcu, qint64 interval, qint64 bitsPerMcu)
        : firstMcu_(firstMcu), endMcu_(endMcu), interval_(interval), bitsPerMcu_(bitsPerMcu) {
        if (endMcu_ <= firstMcu_) {
            needed_ = 0;  // a frame without MCUs: nothing can be shown
        } else if (interval_ > 0) {
            needed_ = (endMcu_ - 1) / interval_ - firstMcu_ / interval_ + 1;
        }
    }

    void addBytes(qint64 bytes) { bits_ += 8 * bytes; }

    void endInterval() {
        const qint64 start = index_ * interval_;
        const qint64 stop = interval_ > 0 ? start + interval_ : endMcu_;
        // Without a restart interval, stray restart markers start nothing new.
        const bool counts = interval_ > 0 || index_ == 0;
        if (counts && start < endMcu_ && stop > firstMcu_) {
            const qint64 wanted = std::min(endMcu_, stop) - start;
            // Arithmetic coding has no floor per MCU: any data may fill them all.
            const qint64 fills = bitsPerMcu_ > 0 ? bits_ / bitsPerMcu_ : (bits_ > 0 ? wanted : 0);
            if (fills >= wanted) ++filled_;
        }
        ++index_;
        bits_ = 0;
    }

    bool covered() const { return needed_ > 0 && filled_ >= needed_; }

private:
    qint64 firstMcu_;
    qint64 endMcu_;
    qint64 interval_;
    qint64 bitsPerMcu_;
    qint64 needed_ = 1;  // intervals overlapping the row
    qint64 filled_ = 0;
    qint64 index_ = 0;
    qint64 bits_ = 0;
};

// The MCU row of `scan` that holds stored pixel row `row`, and the fewest
// bits each of its MCUs takes: the shortest DC code per block, plus the
// shortest AC code for a sequential block (it ends with at least one).
RowCoverage coverageOf(const JpegFrame& frame, const ScanHeader& scan, int row,
                       const ShortestCodes& codes, bool arithmetic, qint64 restartInterval) {
    const QSize max = maxSampling(frame);
    row = std::clamp(row, 0, std::max(frame.height - 1, 0));
    qint64 mcusPerRow = 0;
    qint64 mcuRow = 0;
    qint64 bitsPerMcu = 0;
    for (int i = 0; i < scan.count; ++i) {
        const JpegFrame::Component& c = frame.components[std::size_t(scan.components[i])];
        const int blockBits = codes.bits[0][scan.dcTables[i] & 3] +
                              (frame.progressive ? 0 : codes.bits[1][scan.acTables[i] & 3]);
        if (scan.count == 1) {
            // One component alone: its MCU is a single block of its own grid.
            mcusPerRow = (qint64(frame.width) * c.horizontalSampling + 8 * max.width() - 1) /
                         (8 * max.width());
            mcuRow = qint64(row) * c.verticalSampling / (8 * max.height());
            bitsPerMcu = blockBits;
        } else {
            mcusPerRow = (qint64(frame.width) + 8 * max.width() - 1) / (8 * max.width());
            mcuRow = row / (8 * max.height());
            bitsPerMcu += qint64(blockBits) * c.horizontalSampling * c.verticalSampling;
        }
    }
    return RowCoverage(mcuRow * mcusPerRow, (mcuRow + 1) * mcusPerRow, restartInterval,
                       arithmetic ? 0 : bitsPerMcu);
}

// Passes over a scan's entropy-coded bytes (stuffed zeros and restart markers
// included), counting them into `coverage`, and returns the marker that ends
// them, or -1 at the end of file.
int skipEntropyData(ChunkedReader& in, RowCoverage& coverage) {
    int code = -1;
    for (;;) {
        qint64 bytes = 0;
        const bool found = in.toNextFF(bytes);
        coverage.addBytes(bytes);
        if (!found) {
            code = -1;
            break;
        }
        in.skip(1);
        code = 0xFF;
        while (code == 0xFF) {
            if (!in.byte(code)) code = -1;
        }
        if (code == 0) {
            coverage.addBytes(1);  // a stuffed 0xFF
        } else if (isRestart(code)) {
            coverage.endInterval();
        } else if (code != kMarkerTem) {
            break;  // the marker after the scan, or -1 at the end of file
        }
    }
    coverage.endInterval();
    return code;
}

bool readScanHeader(ChunkedReader& in, int length, const JpegFrame& frame, ScanHeader& scan,
                    qint64& blocks) {
    if (!in.byte(scan.count) || scan.count < 1 || scan.count > 4 || length < 6 + 2 * scan.count)
        return false;
    blocks = 0;
    for (int i = 0; i < scan.count; ++i) {
        int id = 0;
        int tables = 0;
        if (!in.byte(id) || !in.byte(tables)) return false;
        const auto it = std::find_if(frame.components.begin(), frame.components.end(),
                                     [id](const JpegFrame::Component& c) { return c.id == id; });
        if (it == frame.components.end()) return false;
        scan.components[i] = static_cast<int>(it - frame.components.begin());
        scan.dcTables[i] = tables >> 4;
        scan.acTables[i] = tables & 0x0F;
        blocks += componentBlocks(frame, scan.components[i]);
    }
    int spectralEnd = 0;
    int approximation = 0;
    if (!in.byte(scan.spectralStart) || !in.byte(spectralEnd) || !in.byte(approximation))
        return false;
    scan.approximationHigh = approximation >> 4;
    return in.skip(length - 6 - 2 * scan.count);
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
    const QSize max = maxSampling(frame);
    const int maxH = max.width();
    const int maxV = max.height();
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

std::optional<JpegLayout> walkJpeg(QIODevice& device, int maxScans, int wantedRow) {
    ChunkedReader in(device);
    int first = 0;
    int second = 0;
    if (!in.byte(first) || !in.byte(second) || first != 0xFF || second != kMarkerSoi) {
        return std::nullopt;
    }
    JpegLayout layout;
    bool haveFrame = false;
    bool arithmetic = false;
    bool partialFirstScan = false;
    ShortestCodes codes;
    qint64 restartInterval = 0;
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
            arithmetic = isArithmetic(marker);
        } else if (marker == kMarkerDht) {
            if (!readHuffmanTables(in, length, codes)) break;
        } else if (marker == kMarkerDri) {
            int interval = 0;
            if (length < 4 || !in.word(interval) || !in.skip(length - 4)) break;
            restartInterval = interval;
        } else if (marker == kMarkerSos) {
            qint64 blocks = 0;
            ScanHeader scan;
            if (!haveFrame || !readScanHeader(in, length, layout.frame, scan, blocks)) break;
            if (++layout.scans > maxScans) break;
            if (layout.scans == 1)
                partialFirstScan = scan.count < int(layout.frame.components.size());
            layout.scanBlocks += blocks;
            // Only a scan bringing DC coefficients can show rows by itself.
            RowCoverage coverage =
                coverageOf(layout.frame, scan, wantedRow, codes, arithmetic, restartInterval);
            marker = skipEntropyData(in, coverage);
            if (scan.bringsDc() && coverage.covered()) layout.coversWantedRow = true;
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
