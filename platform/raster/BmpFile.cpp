#include "platform/raster/BmpFile.h"

#include <fstream>
#include <iterator>
#include <limits>

namespace qx {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kHeadersSize = kFileHeaderSize + kInfoHeaderSize;
// Far above any picture the game stores; keeps a corrupt header from asking
// for gigabytes.
constexpr std::int64_t kMaxSide = 1 << 15;

std::size_t rowStride(int width) {
    return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t get32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t get16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const Bitmap& bitmap) {
    const int w = bitmap.width();
    const int h = bitmap.height();
    const std::size_t stride = rowStride(w);
    const std::size_t imageSize = stride * static_cast<std::size_t>(h);

    std::vector<std::uint8_t> out;
    out.reserve(kHeadersSize + imageSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, static_cast<std::uint32_t>(kHeadersSize + imageSize));
    put32(out, 0);  // reserved
    put32(out, static_cast<std::uint32_t>(kHeadersSize));
    put32(out, static_cast<std::uint32_t>(kInfoHeaderSize));
    put32(out, static_cast<std::uint32_t>(w));
    put32(out, static_cast<std::uint32_t>(h));
    put16(out, 1);   // planes
    put16(out, 24);  // bits per pixel
    put32(out, 0);   // BI_RGB
    put32(out, static_cast<std::uint32_t>(imageSize));
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);

    for (int y = h - 1; y >= 0; --y) {
        const Pixel* row = bitmap.row(y);
        for (int x = 0; x < w; ++x) {
            out.push_back(static_cast<std::uint8_t>(blueOf(row[x])));
            out.push_back(static_cast<std::uint8_t>(greenOf(row[x])));
            out.push_back(static_cast<std::uint8_t>(redOf(row[x])));
        }
        for (std::size_t pad = static_cast<std::size_t>(w) * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

std::optional<Bitmap> DecodeBmp24(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kHeadersSize || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    const std::uint32_t dataOffset = get32(bytes, 10);
    const std::uint32_t infoSize = get32(bytes, 14);
    if (infoSize < kInfoHeaderSize) return std::nullopt;
    const auto width = static_cast<std::int32_t>(get32(bytes, 18));
    const auto rawHeight = static_cast<std::int32_t>(get32(bytes, 22));
    const std::uint16_t planes = get16(bytes, 26);
    const std::uint16_t bitsPerPixel = get16(bytes, 28);
    const std::uint32_t compression = get32(bytes, 30);
    if (planes != 1 || bitsPerPixel != 24 || compression != 0) return std::nullopt;

    const bool topDown = rawHeight < 0;
    const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;

    const std::size_t stride = rowStride(width);
    const std::size_t needed = stride * static_cast<std::size_t>(height);
    if (dataOffset < kFileHeaderSize + infoSize || dataOffset > bytes.size() ||
        bytes.size() - dataOffset < needed)
        return std::nullopt;

    Bitmap bitmap(width, static_cast<int>(height));
    for (int y = 0; y < bitmap.height(); ++y) {
        const int fileRow = topDown ? y : bitmap.height() - 1 - y;
        const std::uint8_t* src =
            bytes.data() + dataOffset + stride * static_cast<std::size_t>(fileRow);
        Pixel* dst = bitmap.row(y);
        for (int x = 0; x < width; ++x, src += 3) dst[x] = rgb(src[2], src[1], src[0]);
    }
    return bitmap;
}

bool WriteBmp24File(const std::string& path, const Bitmap& bitmap) {
    const std::vector<std::uint8_t> bytes = EncodeBmp24(bitmap);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

std::optional<Bitmap> ReadBmp24File(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    return DecodeBmp24(bytes);
}

}  // namespace qx
