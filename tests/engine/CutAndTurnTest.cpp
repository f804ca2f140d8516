#include <gtest/gtest.h>

#include <stdexcept>

#include "BoardFixture.h"
#include "ReferenceBoard.h"
#include "TestPictures.h"
#include "engine/PuzzleModule.h"
#include "engine/Stencil.h"

namespace qx {
namespace {

using testing::NoisePicture;

struct CutFixture : testing::BoardFixture {
    bool stencilWhite(int cell, int x, int y) const {
        return pictures.picMasks.pixel(cell * CellSize + x, y) == kWhite;
    }

    // What piece picture n must hold: the photo inside the outline (the piece
    // background where the cell reaches beyond the photo), white outside.
    void expectPictureIsCutFromMaster(const Piece& piece) {
        const Bitmap& picture = pictures.picPat[static_cast<std::size_t>(piece.PatIndex)];
        ASSERT_EQ(picture.width(), CellSize);
        ASSERT_EQ(picture.height(), CellSize);
        const PixelRect cell = Grid::cellSquare(piece.Row, piece.Col);
        int mismatches = 0;
        for (int y = 0; y < CellSize; ++y)
            for (int x = 0; x < CellSize; ++x) {
                Pixel expected = kWhite;
                if (stencilWhite(piece.Shape, x, y)) {
                    const int mx = cell.x + x, my = cell.y + y;
                    expected = pictures.picMaster.contains(mx, my)
                                   ? pictures.picMaster.pixel(mx, my)
                                   : PieceBackground;
                }
                mismatches += picture.pixel(x, y) != expected;
            }
        EXPECT_EQ(mismatches, 0) << "piece " << piece.PatIndex;
    }
};

TEST_F(CutFixture, ThreeByThreeJigsawUsesTheCheckerboardCells) {
    cut(88, 88, EasyJigsaw);
    ASSERT_EQ(puzzle.Pieces.size(), 9u);
    ASSERT_EQ(pictures.picPat.size(), 9u);
    const int expected[9] = {2, 14, 6, 13, 0, 11, 8, 16, 4};
    for (int n = 0; n < 9; ++n) {
        const Piece& p = puzzle.Pieces[static_cast<std::size_t>(n)];
        EXPECT_EQ(p.Shape, expected[n]) << n;
        EXPECT_EQ(p.Row, n / 3);
        EXPECT_EQ(p.Col, n % 3);
        EXPECT_EQ(p.PatIndex, n);
        EXPECT_EQ(p.Turns, 0);
        EXPECT_EQ(p.X, 0);
        EXPECT_EQ(p.Y, 0);
    }
    // Hard jigsaw has the same outlines.
    cut(88, 88, HardJigsaw);
    for (int n = 0; n < 9; ++n)
        EXPECT_EQ(puzzle.Pieces[static_cast<std::size_t>(n)].Shape, expected[n]);
}

// Wide and tall grids catch a row taken for a column: the outer sides of the
// outline are flat exactly along the grid's border, and neighbours interlock.
TEST_F(CutFixture, JigsawOutlinesFitTheBorderAndEachOtherOnGridsThatAreNotSquare) {
    const auto opposite = [](Side s) {
        return s == Side::Tab ? Side::Blank : s == Side::Blank ? Side::Tab : Side::Flat;
    };
    for (const auto& [width, height] :
         {std::pair{220, 100}, std::pair{100, 220}, std::pair{632, 355}, std::pair{88, 355}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        cut(width, height, EasyJigsaw);
        const Grid grid = Grid::forPicture(width, height);
        ASSERT_EQ(puzzle.Pieces.size(), std::size_t(grid.pieceCount()));
        const auto sidesAt = [&](int row, int col) {
            return kStencilCells[std::size_t(
                puzzle.Pieces[std::size_t(grid.pieceNumber(row, col))].Shape)];
        };
        for (int row = 0; row <= grid.maxRow; ++row)
            for (int col = 0; col <= grid.maxCol; ++col) {
                SCOPED_TRACE(std::to_string(row) + "," + std::to_string(col));
                const Piece& piece = puzzle.Pieces[std::size_t(grid.pieceNumber(row, col))];
                EXPECT_EQ(piece.Row, row);
                EXPECT_EQ(piece.Col, col);
                const CellSides s = sidesAt(row, col);
                EXPECT_EQ(s.top == Side::Flat, row == 0);
                EXPECT_EQ(s.bottom == Side::Flat, row == grid.maxRow);
                EXPECT_EQ(s.left == Side::Flat, col == 0);
                EXPECT_EQ(s.right == Side::Flat, col == grid.maxCol);
                if (col < grid.maxCol) {
                    EXPECT_EQ(s.right, opposite(sidesAt(row, col + 1).left));
                }
                if (row < grid.maxRow) {
                    EXPECT_EQ(s.bottom, opposite(sidesAt(row + 1, col).top));
                }
            }
    }
}

TEST_F(CutFixture, PiecePicturesShowThePhotoInsideTheOutlineAndWhiteOutside) {
    // 5 columns, the last one pixel of photo wide; 3 rows, the last beyond the photo.
    cut(4 * GridStep + 1, 2 * GridStep + 30, HardJigsaw);
    ASSERT_EQ(puzzle.Pieces.size(), 15u);
    for (const Piece& p : puzzle.Pieces) expectPictureIsCutFromMaster(p);
    // The last column's body shows one photo column, then the piece background.
    const Bitmap& lastOfFirstRow = pictures.picPat[4];
    EXPECT_EQ(lastOfFirstRow.pixel(TabMargin, 30), pictures.picMaster.pixel(4 * GridStep, 12));
    EXPECT_EQ(lastOfFirstRow.pixel(TabMargin + 1, 30), PieceBackground);
}

TEST_F(CutFixture, RectangularPiecesShowTheirWholeBodyWithAWhiteSurround) {
    cut(200, 100, Rectangular);
    ASSERT_EQ(puzzle.Pieces.size(), 15u);
    for (const Piece& p : puzzle.Pieces) {
        EXPECT_EQ(p.Shape, RectangularCell);
        const Bitmap& picture = pictures.picPat[static_cast<std::size_t>(p.PatIndex)];
        int wrong = 0;
        for (int y = 0; y < CellSize; ++y)
            for (int x = 0; x < CellSize; ++x) {
                const bool body = x >= TabMargin && x < TabMargin + GridStep && y >= TabMargin &&
                                  y < TabMargin + GridStep;
                const int mx = GridStep * p.Col + x - TabMargin,
                          my = GridStep * p.Row + y - TabMargin;
                const Pixel photo = pictures.picMaster.contains(mx, my)
                                        ? pictures.picMaster.pixel(mx, my)
                                        : PieceBackground;
                wrong += picture.pixel(x, y) != (body ? photo : kWhite);
            }
        EXPECT_EQ(wrong, 0) << "piece " << p.PatIndex;
    }
}

TEST_F(CutFixture, ANewCutReplacesEveryPictureAndKeepsOldPositions) {
    cut(300, 200, HardJigsaw, 1);
    puzzle.Pieces[0].X = 121;
    puzzle.Pieces[3].Y = 77;
    // A smaller photo: fewer pieces, and picture 0 reused without leftovers.
    cut(100, 100, EasyJigsaw, 2);
    ASSERT_EQ(puzzle.Pieces.size(), 9u);
    ASSERT_EQ(pictures.picPat.size(), 9u);
    EXPECT_EQ(puzzle.Pieces[0].X, 121);
    EXPECT_EQ(puzzle.Pieces[3].Y, 77);
    for (const Piece& p : puzzle.Pieces) expectPictureIsCutFromMaster(p);

    PuzzleModule fresh;
    WorkPictures freshPictures;
    freshPictures.picMasks = pictures.picMasks;
    freshPictures.picMaster = pictures.picMaster;
    fresh.CutPieces(freshPictures);
    EXPECT_EQ(freshPictures.picPat, pictures.picPat);
}

TEST_F(CutFixture, AGridBeyondSixteenBitIndicesIsRefused) {
    // 32768 columns of one row: one piece more than a 16-bit index can name.
    pictures.picMaster = Bitmap(GridStep * 32767, 1);
    EXPECT_THROW(puzzle.CutPieces(pictures), std::length_error);
    // The largest grid the index allows is accepted (cutting it would take a gigabyte).
    EXPECT_FALSE(Grid::forPicture(GridStep * 32767, 1).indexable());
    EXPECT_TRUE(Grid::forPicture(GridStep * 32766, 1).indexable());
    EXPECT_TRUE(Grid::forPicture(GridStep * 180, GridStep * 180).indexable());   // 181 x 181
    EXPECT_FALSE(Grid::forPicture(GridStep * 181, GridStep * 180).indexable());  // 182 x 181
}

TEST_F(CutFixture, ATurnIsAQuarterClockwiseAndFourTurnsRestoreEverything) {
    cut(200, 150, HardJigsaw);
    const std::vector<Piece> before = puzzle.Pieces;
    const std::vector<Bitmap> picturesBefore = pictures.picPat;
    for (int i = 0; i < static_cast<int>(puzzle.Pieces.size()); ++i) {
        const Piece original = puzzle.Pieces[static_cast<std::size_t>(i)];
        Bitmap expected = pictures.picPat[static_cast<std::size_t>(original.PatIndex)];
        reference::TurnPicture(expected);
        puzzle.RotatePiece(i, pictures);
        const Piece& turned = puzzle.Pieces[static_cast<std::size_t>(i)];
        EXPECT_EQ(pictures.picPat[static_cast<std::size_t>(turned.PatIndex)], expected) << i;
        EXPECT_EQ(turned.Turns, 1);
        EXPECT_EQ(turned.Shape, NextTurnCell(original.Shape));
        // The turned picture's white surround is exactly the next cell's outside.
        const Bitmap& picture = pictures.picPat[static_cast<std::size_t>(turned.PatIndex)];
        int outsideNotWhite = 0;
        for (int y = 0; y < CellSize; ++y)
            for (int x = 0; x < CellSize; ++x)
                outsideNotWhite +=
                    !stencilWhite(turned.Shape, x, y) && picture.pixel(x, y) != kWhite;
        EXPECT_EQ(outsideNotWhite, 0) << i;
        for (int k = 0; k < 3; ++k) puzzle.RotatePiece(i, pictures);
    }
    EXPECT_EQ(puzzle.Pieces, before);
    EXPECT_EQ(pictures.picPat, picturesBefore);
}

TEST_F(CutFixture, InteriorCellsAlternateAndRectangularPiecesTurnInPlace) {
    cut(200, 150, EasyJigsaw);
    Piece& interior = puzzle.Pieces[6];  // row 1, column 1
    ASSERT_EQ(interior.Shape, 0);
    puzzle.RotatePiece(6, pictures);
    EXPECT_EQ(interior.Shape, 1);
    puzzle.RotatePiece(6, pictures);
    EXPECT_EQ(interior.Shape, 0);
    EXPECT_EQ(interior.Turns, 2);

    cut(200, 150, Rectangular);
    const Bitmap before = pictures.picPat[2];
    puzzle.RotatePiece(2, pictures);
    EXPECT_EQ(puzzle.Pieces[2].Shape, RectangularCell);
    EXPECT_EQ(puzzle.Pieces[2].Turns, 1);
    EXPECT_NE(pictures.picPat[2], before);
}

TEST_F(CutFixture, TurningAPieceOutsideTheTableChangesNothing) {
    cut(100, 100, EasyJigsaw);
    const std::vector<Piece> before = puzzle.Pieces;
    puzzle.RotatePiece(-1, pictures);
    puzzle.RotatePiece(9, pictures);
    EXPECT_EQ(puzzle.Pieces, before);
}

}  // namespace
}  // namespace qx
