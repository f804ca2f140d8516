#include <gtest/gtest.h>

#include <QFile>

#include <span>
#include <string>

#include "engine/Stencil.h"
#include "platform/raster/BmpFile.h"
#include "resources/ResourceCatalog.h"

namespace qx {
namespace {

const Bitmap& stencil() {
    static const Bitmap s = GenerateStencil();
    return s;
}

bool whiteAt(int cell, int x, int y) {
    return stencil().pixel(cell * CellSize + x, y) == kWhite;
}

Bitmap cellTurnedClockwise(int cell) {
    Bitmap turned(CellSize, CellSize);
    for (int y = 0; y < CellSize; ++y)
        for (int x = 0; x < CellSize; ++x)
            turned.setPixel(CellSize - 1 - y, x, stencil().pixel(cell * CellSize + x, y));
    return turned;
}

Bitmap cellOf(int cell) {
    Bitmap b(CellSize, CellSize);
    for (int y = 0; y < CellSize; ++y)
        for (int x = 0; x < CellSize; ++x)
            b.setPixel(x, y, stencil().pixel(cell * CellSize + x, y));
    return b;
}

TEST(Stencil, IsNineteenCellsOfOnlyBlackAndWhite) {
    ASSERT_EQ(stencil().width(), 1520);
    ASSERT_EQ(stencil().height(), 80);
    for (int y = 0; y < stencil().height(); ++y)
        for (int x = 0; x < stencil().width(); ++x) {
            const Pixel p = stencil().pixel(x, y);
            ASSERT_TRUE(p == kWhite || p == kBlack) << x << "," << y;
        }
}

TEST(Stencil, KnobsCoverTwoHundredEightyEightPixelsEach) {
    int knobArea = 0;
    for (int d = 0; d < KnobDepth; ++d) knobArea += KnobWidth(d);
    EXPECT_EQ(knobArea, 288);

    for (int cell = 0; cell < StencilCells; ++cell) {
        const CellSides& s = kStencilCells[static_cast<std::size_t>(cell)];
        int tabs = 0, blanks = 0;
        for (Side side : {s.top, s.right, s.bottom, s.left}) {
            tabs += side == Side::Tab;
            blanks += side == Side::Blank;
        }
        int white = 0;
        for (int y = 0; y < CellSize; ++y)
            for (int x = 0; x < CellSize; ++x) white += whiteAt(cell, x, y);
        EXPECT_EQ(white, GridStep * GridStep + 288 * (tabs - blanks)) << "cell " << cell;
    }
}

TEST(Stencil, KnobsHaveTheSteppedProfileCentredOnTheSide) {
    // Cell 0: blank top, tab right. The tab at depth 0 (column 62) spans rows
    // 34..45; at depth 17 (column 79) rows 36..43; at depth 5 rows 30..49.
    auto whiteRows = [](int cell, int x) {
        std::string rows;
        int first = -1, last = -1;
        for (int y = 0; y < CellSize; ++y)
            if (whiteAt(cell, x, y)) {
                if (first < 0) first = y;
                last = y;
            }
        return std::to_string(first) + ".." + std::to_string(last);
    };
    EXPECT_EQ(whiteRows(0, 62), "34..45");
    EXPECT_EQ(whiteRows(0, 64), "32..47");
    EXPECT_EQ(whiteRows(0, 67), "30..49");
    EXPECT_EQ(whiteRows(0, 79), "36..43");
    // The blank at the top of cell 0: row 18 is cut at columns 34..45 and
    // row 35 at 36..43; the body around it stays white.
    EXPECT_FALSE(whiteAt(0, 34, 18));
    EXPECT_FALSE(whiteAt(0, 45, 18));
    EXPECT_TRUE(whiteAt(0, 33, 18));
    EXPECT_TRUE(whiteAt(0, 46, 18));
    EXPECT_FALSE(whiteAt(0, 36, 35));
    EXPECT_TRUE(whiteAt(0, 35, 35));
    EXPECT_TRUE(whiteAt(0, 40, 36));
    // Cell 18 is the plain body square.
    EXPECT_TRUE(whiteAt(18, 18, 18));
    EXPECT_TRUE(whiteAt(18, 61, 61));
    EXPECT_FALSE(whiteAt(18, 17, 40));
    EXPECT_FALSE(whiteAt(18, 40, 62));
}

TEST(Stencil, EveryCellTurnedAQuarterIsTheNextCellOfItsCycle) {
    for (int cell = 0; cell < StencilCells; ++cell)
        EXPECT_EQ(cellTurnedClockwise(cell), cellOf(NextTurnCell(cell))) << "cell " << cell;

    EXPECT_EQ(NextTurnCell(0), 1);
    EXPECT_EQ(NextTurnCell(1), 0);
    EXPECT_EQ(NextTurnCell(5), 2);
    EXPECT_EQ(NextTurnCell(9), 6);
    EXPECT_EQ(NextTurnCell(13), 10);
    EXPECT_EQ(NextTurnCell(17), 14);
    EXPECT_EQ(NextTurnCell(18), 18);
    for (int cell = 0; cell < StencilCells; ++cell) {
        int c = cell;
        for (int k = 0; k < 4; ++k) c = NextTurnCell(c);
        EXPECT_EQ(c, cell);
    }
}

// Two cells placed one grid step apart: nowhere white in both, and between
// the bodies, away from the knobs of the other sides, exactly one of them is
// white, so every tab fills its blank.
void expectFit(int first, int second, bool horizontal, const std::string& where) {
    auto white = [horizontal](int cell, int across, int along) {
        if (across < 0 || across >= CellSize) return false;
        return horizontal ? whiteAt(cell, across, along) : whiteAt(cell, along, across);
    };
    int overlaps = 0, gaps = 0;
    for (int along = 0; along < CellSize; ++along) {
        for (int across = 0; across < CellSize + GridStep; ++across) {
            const bool a = white(first, across, along);
            const bool b = white(second, across - GridStep, along);
            overlaps += a && b;
            const bool betweenBodies =
                across >= 50 && across <= 73 && along >= TabMargin && along < TabMargin + GridStep;
            gaps += betweenBodies && !a && !b;
        }
    }
    EXPECT_EQ(overlaps, 0) << where;
    EXPECT_EQ(gaps, 0) << where;
}

TEST(Stencil, NeighboursOfEveryCutFitTogether) {
    for (auto [rows, cols] :
         {std::pair{3, 3}, std::pair{4, 5}, std::pair{9, 15}, std::pair{3, 8}}) {
        const int maxRow = rows - 1, maxCol = cols - 1;
        for (int i = 0; i <= maxRow; ++i)
            for (int j = 0; j <= maxCol; ++j) {
                const std::string where = std::to_string(rows) + "x" + std::to_string(cols) +
                                          " at " + std::to_string(i) + "," + std::to_string(j);
                const int cell = JigsawCell(i, j, maxRow, maxCol);
                if (j < maxCol)
                    expectFit(cell, JigsawCell(i, j + 1, maxRow, maxCol), true, where + " right");
                if (i < maxRow)
                    expectFit(cell, JigsawCell(i + 1, j, maxRow, maxCol), false, where + " below");
                // The outer sides of the puzzle are straight.
                const CellSides& s = kStencilCells[static_cast<std::size_t>(cell)];
                EXPECT_EQ(i == 0, s.top == Side::Flat) << where;
                EXPECT_EQ(i == maxRow, s.bottom == Side::Flat) << where;
                EXPECT_EQ(j == 0, s.left == Side::Flat) << where;
                EXPECT_EQ(j == maxCol, s.right == Side::Flat) << where;
            }
    }
}

TEST(Stencil, StoredFileIsTheGeneratedStencil) {
    const auto stored = ReadBmp24File(QUILTRIX_SOURCE_DIR "/resources/stencil/stencil.bmp");
    ASSERT_TRUE(stored.has_value());
    EXPECT_TRUE(*stored == stencil());
}

TEST(Stencil, CompiledInResourceIsTheGeneratedStencil) {
    QFile file(resourcePath("stencil", "stencil.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto decoded =
        DecodeBmp24(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                              static_cast<std::size_t>(bytes.size())));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_TRUE(*decoded == stencil());
}

}  // namespace
}  // namespace qx
