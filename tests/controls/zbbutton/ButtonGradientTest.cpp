#include <gtest/gtest.h>

#include "controls/zbbutton/ButtonGradient.h"

namespace qx {
namespace {

constexpr RgbColor kWhiteRgb = 0xFFFFFF;
constexpr RgbColor kGreyRgb = 0x808080;

TEST(BuildGradient, StartsExactlyAtFromAndEndsAtTo) {
    const auto table = BuildGradient(4, 0x000000, 0x0000FF);
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(table.front(), 0x000000);
    EXPECT_EQ(table[2], 0x00007F);  // 127.5 truncated
    EXPECT_EQ(table.back(), 0x0000FF);
}

TEST(BuildGradient, NoStepsGivesTheStartColourOnly) {
    EXPECT_EQ(BuildGradient(0, 0x123456, kWhiteRgb), std::vector<RgbColor>{0x123456});
    EXPECT_EQ(BuildGradient(-3, 0x123456, kWhiteRgb), std::vector<RgbColor>{0x123456});
}

TEST(BuildGradient, WhiteStaysWhiteDespiteTheScaledReading) {
    // Green and blue read as 256 must clamp back to 255.
    for (RgbColor c : BuildGradient(3, kWhiteRgb, kWhiteRgb)) EXPECT_EQ(c, kWhiteRgb);
}

struct BandCase {
    long mode;
    int width, height, screen;
    int expectedBands;
    GdiRect firstRect, lastRect;
    RgbColor firstColor;
};

class GradientBandsTest : public ::testing::TestWithParam<BandCase> {};

TEST_P(GradientBandsTest, BandSizesCountsAndEnds) {
    const BandCase& c = GetParam();
    const auto bands = GradientBands(c.mode, c.width, c.height, c.screen, kWhiteRgb, kGreyRgb);
    ASSERT_EQ(static_cast<int>(bands.size()), c.expectedBands);
    if (bands.empty()) return;
    EXPECT_EQ(bands.front().rect, c.firstRect);
    EXPECT_EQ(bands.back().rect, c.lastRect);
    EXPECT_EQ(bands.front().color, c.firstColor);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, GradientBandsTest,
    ::testing::Values(
        // Small against the screen: 1-pixel bands.
        BandCase{1, 85, 37, 1280, 85, {0, 0, 1, 37}, {84, 0, 85, 37}, kWhiteRgb},
        BandCase{3, 85, 37, 800, 37, {0, 0, 85, 1}, {0, 36, 85, 37}, kWhiteRgb},
        // Mirrored modes start with the gradient colour.
        BandCase{2, 85, 37, 1280, 85, {0, 0, 1, 37}, {84, 0, 85, 37}, kGreyRgb},
        BandCase{4, 85, 37, 800, 37, {0, 0, 85, 1}, {0, 36, 85, 37}, kGreyRgb},
        // A 1-pixel-wide button: one band; right to left it is the gradient colour.
        BandCase{2, 1, 20, 1280, 1, {0, 0, 1, 20}, {0, 0, 1, 20}, kGreyRgb},
        BandCase{1, 1, 20, 1280, 1, {0, 0, 1, 20}, {0, 0, 1, 20}, kWhiteRgb},
        // More than a third of the screen: 2-pixel bands, an odd size keeps its last line.
        BandCase{1, 501, 20, 1280, 251, {0, 0, 2, 20}, {500, 0, 501, 20}, kWhiteRgb},
        BandCase{3, 30, 301, 800, 151, {0, 0, 30, 2}, {0, 300, 30, 301}, kWhiteRgb},
        // Nothing to paint, never a division by zero.
        BandCase{1, 0, 20, 1280, 0, {}, {}, 0}, BandCase{3, 20, 0, 800, 0, {}, {}, 0},
        BandCase{0, 85, 37, 1280, 0, {}, {}, 0}, BandCase{5, 85, 37, 1280, 0, {}, {}, 0}));

TEST(GradientBands, CoverTheFaceWithoutGapsOrOverlap) {
    for (long mode = 1; mode <= 4; ++mode) {
        for (int screen : {100, 1280}) {
            const auto bands = GradientBands(mode, 41, 33, screen, 0x0000FF, 0xFF0000);
            int covered = 0, expectedStart = 0;
            for (const GradientBand& b : bands) {
                const bool horizontal = mode <= 2;
                EXPECT_EQ(horizontal ? b.rect.left : b.rect.top, expectedStart);
                expectedStart = horizontal ? b.rect.right : b.rect.bottom;
                covered += b.rect.width() * b.rect.height();
            }
            EXPECT_EQ(covered, 41 * 33) << "mode " << mode << " screen " << screen;
        }
    }
}

TEST(GradientBands, MirroredModeIsTheReverseOfItsPartner) {
    const auto forward = GradientBands(3, 10, 40, 1000, 0x00FF00, 0x0000FF);
    const auto backward = GradientBands(4, 10, 40, 1000, 0x00FF00, 0x0000FF);
    ASSERT_EQ(forward.size(), backward.size());
    // Both run over the table's entries 0..n; the mirror is shifted by one entry.
    const auto table = BuildGradient(static_cast<int>(forward.size()), 0x00FF00, 0x0000FF);
    for (size_t i = 0; i < forward.size(); ++i) {
        EXPECT_EQ(forward[i].color, table[i]);
        EXPECT_EQ(backward[i].color, table[table.size() - 1 - i]);
    }
}

}  // namespace
}  // namespace qx
