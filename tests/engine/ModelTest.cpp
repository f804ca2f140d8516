#include <gtest/gtest.h>

#include "engine/GameType.h"
#include "engine/Geometry.h"
#include "engine/PuzzleModule.h"

namespace qx {
namespace {

TEST(Grid, SmallestPictureGivesThreeByThreeWithLastRowAndColumnBeyondIt) {
    const Grid g = Grid::forPicture(88, 88);
    EXPECT_EQ(g.columns(), 3);
    EXPECT_EQ(g.rows(), 3);
    EXPECT_EQ(g.pieceCount(), 9);
    // The body of the last column starts exactly at the picture's right edge.
    EXPECT_EQ(Grid::bodySquare(2, 2), (PixelRect{88, 88, 44, 44}));
}

TEST(Grid, LargestPlayablePictureHasOneHundredThirtyFivePieces) {
    const Grid g = Grid::forPicture(630, 355);
    EXPECT_EQ(g.maxCol, 14);
    EXPECT_EQ(g.maxRow, 8);
    EXPECT_EQ(g.pieceCount(), 135);
    // The crop limit 632 x 355 gives the same grid.
    EXPECT_EQ(Grid::forPicture(632, 355).pieceCount(), 135);
}

TEST(Grid, WidthOfWholeStepsPlusOneLeavesOnePixelColumnInTheLastColumn) {
    for (int k : {2, 5, 14}) {
        const int width = GridStep * k + 1;
        const Grid g = Grid::forPicture(width, 100);
        EXPECT_EQ(g.maxCol, k);
        const PixelRect body = Grid::bodySquare(0, g.maxCol);
        EXPECT_EQ(width - body.x, 1) << "k=" << k;
    }
}

TEST(Grid, PiecesAreNumberedRowByRowAndCellsHangOverTheBody) {
    const Grid g = Grid::forPicture(200, 150);  // 5 columns, 4 rows
    EXPECT_EQ(g.pieceNumber(0, 0), 0);
    EXPECT_EQ(g.pieceNumber(0, 4), 4);
    EXPECT_EQ(g.pieceNumber(1, 0), 5);
    EXPECT_EQ(g.pieceNumber(3, 4), 19);
    EXPECT_EQ(Grid::cellSquare(0, 0), (PixelRect{-18, -18, 80, 80}));
    EXPECT_EQ(Grid::cellSquare(2, 3), (PixelRect{114, 70, 80, 80}));
    EXPECT_EQ(Grid::parity(1, 2), 1);
    EXPECT_EQ(Grid::parity(2, 2), 0);
}

TEST(GameTypes, CaptionsAndTurnFactors) {
    EXPECT_EQ(gameTypeInfo(0).caption, "Rectangular");
    EXPECT_EQ(gameTypeInfo(1).caption, "Easy Jigsaw");
    EXPECT_EQ(gameTypeInfo(2).caption, "Hard Jigsaw");
    EXPECT_DOUBLE_EQ(gameTypeInfo(0).turnFactor, 0.2);
    EXPECT_DOUBLE_EQ(gameTypeInfo(1).turnFactor, 0.5);
    EXPECT_DOUBLE_EQ(gameTypeInfo(2).turnFactor, 0.7);
    EXPECT_FALSE(gameTypeInfo(0).jigsawOutlines);
    EXPECT_TRUE(gameTypeInfo(2).jigsawOutlines);
    EXPECT_FALSE(isGameType(3));
    EXPECT_FALSE(isGameType(-1));
}

TEST(PuzzleModule, StartsWithNoPuzzle) {
    PuzzleModule puzzle;
    EXPECT_TRUE(puzzle.empty());
    EXPECT_EQ(puzzle.HeldPiece, -1);
    EXPECT_FALSE(puzzle.holding());
}

}  // namespace
}  // namespace qx
