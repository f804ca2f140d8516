#include "platform/image/OpaqueRgb.h"

#include "platform/image/CheckedAllocation.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace qx {
namespace {

// About 4 MB of converted rows at a time.
constexpr qint64 kBandBytes = 4 << 20;

unsigned overWhiteChannel(unsigned channel, unsigned alpha) {
    return (channel * alpha + 255u * (255u - alpha) + 127u) / 255u;
}

// Source span [first, last) feeding target index `i` of `count` over `length`.
struct Span {
    int first;
    int last;
};

std::vector<Span> spansFor(int length, int count) {
    checkAllocation();
    std::vector<Span> spans(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int first = static_cast<int>(qint64(i) * length / count);
        const int last = static_cast<int>(qint64(i + 1) * length / count);
        spans[static_cast<std::size_t>(i)] = {first, std::max(first + 1, last)};
    }
    return spans;
}

// Hands out opaque source rows, converting a band of rows at a time.
class OpaqueRows {
public:
    explicit OpaqueRows(const QImage& source)
        : source_(source),
          bandRows_(
              static_cast<int>(std::max<qint64>(1, kBandBytes / (qint64(source.width()) * 4)))) {}

    // Null when the band cannot be allocated.
    const QRgb* row(int y) {
        if (band_.isNull() || y < bandTop_ || y >= bandTop_ + band_.height()) {
            const int rows = std::min(bandRows_, source_.height() - y);
            band_ = toOpaqueRgb32(checkedImage(source_.copy(0, y, source_.width(), rows)));
            bandTop_ = y;
            if (band_.isNull()) return nullptr;
        }
        return reinterpret_cast<const QRgb*>(band_.constScanLine(y - bandTop_));
    }

private:
    const QImage& source_;
    int bandRows_;
    QImage band_;
    int bandTop_ = 0;
};

}  // namespace

QRgb overWhite(QRgb straightArgb) {
    const unsigned alpha = static_cast<unsigned>(qAlpha(straightArgb));
    if (alpha == 255u) return straightArgb;
    return qRgb(
        static_cast<int>(overWhiteChannel(static_cast<unsigned>(qRed(straightArgb)), alpha)),
        static_cast<int>(overWhiteChannel(static_cast<unsigned>(qGreen(straightArgb)), alpha)),
        static_cast<int>(overWhiteChannel(static_cast<unsigned>(qBlue(straightArgb)), alpha)));
}

QImage toOpaqueRgb32(const QImage& image) {
    if (image.isNull()) return {};
    if (!image.hasAlphaChannel()) return checkedImage(image.convertToFormat(QImage::Format_RGB32));
    const QImage straight = checkedImage(image.convertToFormat(QImage::Format_ARGB32));
    if (straight.isNull()) return {};
    QImage result = allocateImage(straight.size(), QImage::Format_RGB32);
    if (result.isNull()) return {};
    const int width = straight.width();
    for (int y = 0; y < straight.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) out[x] = overWhite(in[x]);
    }
    return result;
}

Bitmap toBitmap(const QImage& image) {
    const QImage opaque = toOpaqueRgb32(image);
    if (opaque.isNull()) return {};
    const int width = opaque.width();
    checkAllocation();
    Bitmap bitmap(width, opaque.height());
    for (int y = 0; y < opaque.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        Pixel* out = bitmap.row(y);
        for (int x = 0; x < width; ++x) out[x] = in[x] | kOpaque;
    }
    return bitmap;
}

QImage averagedTo(const QImage& source, QSize size) {
    if (source.isNull() || size.isEmpty()) return {};
    QImage result = allocateImage(size, QImage::Format_RGB32);
    if (result.isNull()) return {};
    const std::vector<Span> columns = spansFor(source.width(), size.width());
    const std::vector<Span> rows = spansFor(source.height(), size.height());
    checkAllocation();
    std::vector<std::uint64_t> sums(static_cast<std::size_t>(size.width()) * 3);
    OpaqueRows opaqueRows(source);

    for (int ty = 0; ty < size.height(); ++ty) {
        const Span rowSpan = rows[static_cast<std::size_t>(ty)];
        std::fill(sums.begin(), sums.end(), 0);
        for (int y = rowSpan.first; y < rowSpan.last; ++y) {
            const QRgb* line = opaqueRows.row(y);
            if (!line) return {};
            for (int tx = 0; tx < size.width(); ++tx) {
                const Span columnSpan = columns[static_cast<std::size_t>(tx)];
                std::uint64_t* sum = &sums[static_cast<std::size_t>(tx) * 3];
                for (int x = columnSpan.first; x < columnSpan.last; ++x) {
                    sum[0] += static_cast<unsigned>(qRed(line[x]));
                    sum[1] += static_cast<unsigned>(qGreen(line[x]));
                    sum[2] += static_cast<unsigned>(qBlue(line[x]));
                }
            }
        }
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(ty));
        for (int tx = 0; tx < size.width(); ++tx) {
            const Span columnSpan = columns[static_cast<std::size_t>(tx)];
            const std::uint64_t count = std::uint64_t(columnSpan.last - columnSpan.first) *
                                        std::uint64_t(rowSpan.last - rowSpan.first);
            const std::uint64_t* sum = &sums[static_cast<std::size_t>(tx) * 3];
            out[tx] = qRgb(static_cast<int>((sum[0] + count / 2) / count),
                           static_cast<int>((sum[1] + count / 2) / count),
                           static_cast<int>((sum[2] + count / 2) / count));
        }
    }
    return result;
}

}  // namespace qx
