#include <gtest/gtest.h>

#include <utility>

#include "platform/raster/BmpFile.h"
#include "platform/raster/RasterOps.h"

namespace qx {
namespace {

TEST(BitmapStamp, ChangesWithThePixelsAndTravelsWithCopies) {
    Bitmap a(4, 3, rgb(1, 2, 3));
    const std::uint64_t first = a.contentStamp();
    EXPECT_NE(first, 0u);
    EXPECT_EQ(a.contentStamp(), first);  // asking again changes nothing

    const Bitmap copy = a;
    EXPECT_EQ(copy.contentStamp(), first);

    for (auto change :
         {+[](Bitmap& b) { b.setPixel(0, 0, kWhite); }, +[](Bitmap& b) { b.fill(kBlack); },
          +[](Bitmap& b) { b.row(1)[2] = kWhite; }, +[](Bitmap& b) { b.data()[0] = kBlack; },
          +[](Bitmap& b) { b.reset(4, 3); },
          +[](Bitmap& b) { BitBlt(b, 0, 0, 1, 1, Bitmap(1, 1, kWhite), 0, 0, Rop::SrcCopy); }}) {
        const std::uint64_t before = a.contentStamp();
        change(a);
        EXPECT_NE(a.contentStamp(), before);
    }
    EXPECT_EQ(copy.contentStamp(), first);  // the copy kept its pixels and its stamp

    // Reading through a const bitmap is no change.
    const Bitmap& view = a;
    const std::uint64_t now = a.contentStamp();
    (void)view.data();
    (void)view.row(2);
    (void)view.pixel(1, 1);
    EXPECT_EQ(a.contentStamp(), now);
}

TEST(BitmapStamp, AMovedFromBitmapIsEmpty) {
    Bitmap a(5, 5, kWhite);
    const std::uint64_t stamp = a.contentStamp();
    Bitmap b = std::move(a);
    EXPECT_EQ(b.contentStamp(), stamp);
    EXPECT_TRUE(a.isNull());  // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(a.width(), 0);
    EXPECT_NE(a.contentStamp(), stamp);
    Bitmap c(2, 2);
    c = std::move(b);
    EXPECT_EQ(c.width(), 5);
    EXPECT_TRUE(b.isNull());  // NOLINT(bugprone-use-after-move)
}

Bitmap pattern(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.setPixel(x, y, rgb(x * 40, y * 50, (x + y) * 9));
    return b;
}

TEST(BmpFile, RoundTripsAnySizeIncludingRowPadding) {
    for (auto [w, h] : {std::pair{1, 1}, std::pair{3, 2}, std::pair{5, 4}, std::pair{1520, 80}}) {
        const Bitmap original = pattern(w, h);
        const std::vector<std::uint8_t> bytes = EncodeBmp24(original);
        const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4;
        EXPECT_EQ(bytes.size(), 54 + stride * static_cast<std::size_t>(h));
        const auto decoded = DecodeBmp24(bytes);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_TRUE(*decoded == original) << w << "x" << h;
    }
}

TEST(BmpFile, StoresBottomUpRowsInBlueGreenRedOrder) {
    Bitmap b(1, 2);
    b.setPixel(0, 0, rgb(10, 20, 30));
    b.setPixel(0, 1, rgb(40, 50, 60));
    const std::vector<std::uint8_t> bytes = EncodeBmp24(b);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(bytes[28], 24);  // bits per pixel
    // The last row of the picture comes first.
    EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + 54, bytes.begin() + 57)),
              (std::vector<std::uint8_t>{60, 50, 40}));
    EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + 58, bytes.begin() + 61)),
              (std::vector<std::uint8_t>{30, 20, 10}));

    // A negative height means the rows are stored top-down.
    std::vector<std::uint8_t> topDown = bytes;
    const std::int32_t minusTwo = -2;
    for (int k = 0; k < 4; ++k)
        topDown[22 + k] =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(minusTwo) >> (8 * k));
    const auto flipped = DecodeBmp24(topDown);
    ASSERT_TRUE(flipped.has_value());
    EXPECT_EQ(flipped->pixel(0, 0), rgb(40, 50, 60));
}

// Newer info headers (108 bytes with colour masks and space, 124 with an
// ICC profile's place) move the pixels further out; the file header says
// where they start, which may also leave a gap after the info header.
TEST(BmpFile, ReadsFilesWithLongerInfoHeaders) {
    const Bitmap original = pattern(5, 4);  // rows padded from 15 to 16 bytes
    const std::vector<std::uint8_t> plain = EncodeBmp24(original);
    auto put32At = [](std::vector<std::uint8_t>& b, std::size_t at, std::size_t value) {
        for (int k = 0; k < 4; ++k) b[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
    };
    for (const std::size_t infoSize : {std::size_t{108}, std::size_t{124}}) {
        for (const std::size_t gap : {std::size_t{0}, std::size_t{12}}) {
            SCOPED_TRACE(testing::Message() << infoSize << "-byte header, gap " << gap);
            std::vector<std::uint8_t> bytes(plain.begin(), plain.begin() + 54);
            bytes.resize(14 + infoSize + gap, 0);
            bytes.insert(bytes.end(), plain.begin() + 54, plain.end());
            put32At(bytes, 2, bytes.size());
            put32At(bytes, 10, 14 + infoSize + gap);
            put32At(bytes, 14, infoSize);
            const auto decoded = DecodeBmp24(bytes);
            ASSERT_TRUE(decoded.has_value());
            EXPECT_TRUE(*decoded == original);
            put32At(bytes, 10, 14 + infoSize - 1);  // pixels inside the info header
            EXPECT_FALSE(DecodeBmp24(bytes).has_value());
        }
    }
}

TEST(BmpFile, RefusesAnythingButWholeUncompressed24BitFiles) {
    const std::vector<std::uint8_t> good = EncodeBmp24(pattern(6, 5));
    EXPECT_FALSE(DecodeBmp24({}).has_value());
    EXPECT_FALSE(DecodeBmp24(std::span(good.data(), 40)).has_value());  // header cut short
    EXPECT_FALSE(
        DecodeBmp24(std::span(good.data(), good.size() - 1)).has_value());  // last row short
    auto patched = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> b = good;
        b[at] = value;
        return DecodeBmp24(b);
    };
    EXPECT_FALSE(patched(0, 'X').has_value());    // not "BM"
    EXPECT_FALSE(patched(28, 32).has_value());    // 32 bits per pixel
    EXPECT_FALSE(patched(30, 1).has_value());     // run-length compressed
    EXPECT_FALSE(patched(21, 0x7F).has_value());  // absurd width
    EXPECT_FALSE(patched(10, 0xFF).has_value());  // pixel data beyond the file
    EXPECT_FALSE(ReadBmp24File("/nonexistent/stencil.bmp").has_value());
}

}  // namespace
}  // namespace qx
