#include <gtest/gtest.h>

#include "BoardFixture.h"

namespace qx {
namespace {

struct Redraw : testing::BoardFixture {
    Pixel invert(Pixel p) const { return p ^ kRgbMask; }

    void placeOnly(std::vector<Piece> pieces) {
        puzzle.Pieces = std::move(pieces);
        puzzle.HeldPiece = -1;
    }

    Piece pieceAt(int index, int x, int y) const {
        Piece p = puzzle.Pieces[static_cast<std::size_t>(index)];
        p.X = static_cast<std::int16_t>(x);
        p.Y = static_cast<std::int16_t>(y);
        return p;
    }
};

TEST_F(Redraw, MatchesTheBlockOperationsForScatteredBoards) {
    for (int gameType : {0, 1, 2}) {
        for (auto [w, h] : {std::pair{88, 88}, std::pair{632, 355}, std::pair{301, 177}}) {
            cut(w, h, gameType, static_cast<std::uint32_t>(w + gameType));
            for (std::uint64_t seed = 1; seed <= 3; ++seed) {
                scatter(seed);
                for (int held : {-1, 0}) {
                    puzzle.HeldPiece = static_cast<std::int16_t>(held);
                    const ChangedArea changed = puzzle.RedrawBoard(pictures);
                    ASSERT_EQ(differencesFromReference(), 0)
                        << "type " << gameType << " " << w << "x" << h << " seed " << seed
                        << " held " << held;
                    ASSERT_EQ(changed.rects().size(), 1u);
                    EXPECT_EQ(changed.rects()[0], (PixelRect{0, 0, PlayAreaWidth, PlayAreaHeight}));
                }
            }
        }
    }
}

TEST_F(Redraw, ClipsPiecesAtEveryEdgeAndBeyond) {
    cut(300, 200, HardJigsaw);
    const int positions[][2] = {{-40, 100}, {-79, -79},      {-80, 50},      {600, 200},
                                {545, 401}, {624, 480},      {625, 481},     {200, -60},
                                {300, 460}, {-30000, 30000}, {32767, -32768}};
    std::vector<Piece> pieces;
    for (std::size_t k = 0; k < std::size(positions); ++k)
        pieces.push_back(pieceAt(static_cast<int>(k), positions[k][0], positions[k][1]));
    placeOnly(pieces);
    for (int held : {-1, 0}) {
        puzzle.HeldPiece = static_cast<std::int16_t>(held);
        puzzle.RedrawBoard(pictures);
        EXPECT_EQ(differencesFromReference(), 0) << "held " << held;
    }
}

TEST_F(Redraw, APieceWhollyOffTheBoardLeavesOnlyTheBackground) {
    cut(200, 200, EasyJigsaw);
    placeOnly({pieceAt(0, -81, 10), pieceAt(1, 625, 10), pieceAt(2, 10, 481), pieceAt(3, 10, -81)});
    puzzle.RedrawBoard(pictures);
    EXPECT_EQ(pictures.picScreen, pictures.picBG);
}

TEST_F(Redraw, RectangularPieceShowsItsBodyWithAnInvertedFringe) {
    cut(200, 200, Rectangular);
    const Piece piece = pieceAt(6, 100, 120);  // row 1, column 1
    placeOnly({piece});
    puzzle.RedrawBoard(pictures);
    const Bitmap& board = pictures.picScreen;
    const Bitmap& photo = pictures.picMaster;
    // Body: the photo square from (44, 44).
    EXPECT_EQ(board.pixel(118, 138), photo.pixel(44, 44));
    EXPECT_EQ(board.pixel(161, 181), photo.pixel(87, 87));
    // Surround: the board as it was.
    EXPECT_EQ(board.pixel(117, 138), BoardColor);
    EXPECT_EQ(board.pixel(118, 137), BoardColor);
    // Fringe: one pixel right of and below the body, inverted; the corner too.
    EXPECT_EQ(board.pixel(162, 139), invert(BoardColor));
    EXPECT_EQ(board.pixel(119, 182), invert(BoardColor));
    EXPECT_EQ(board.pixel(162, 182), invert(BoardColor));
    EXPECT_EQ(board.pixel(162, 138), BoardColor);  // the fringe starts one row lower
    EXPECT_EQ(board.pixel(163, 150), BoardColor);
}

TEST_F(Redraw, OverlappingFringesCancel) {
    cut(200, 200, Rectangular);
    // Two pieces in the same cell: both fringes fall on the same strip.
    placeOnly({pieceAt(0, 100, 100), pieceAt(1, 100, 100)});
    puzzle.RedrawBoard(pictures);
    EXPECT_EQ(pictures.picScreen.pixel(162, 130), BoardColor);
    EXPECT_EQ(pictures.picScreen.pixel(130, 162), BoardColor);
    // Ten pixels apart only the shared part of the right fringes cancels.
    placeOnly({pieceAt(0, 100, 100), pieceAt(1, 100, 110)});
    puzzle.RedrawBoard(pictures);
    EXPECT_EQ(pictures.picScreen.pixel(162, 135), BoardColor);          // both fringes
    EXPECT_EQ(pictures.picScreen.pixel(162, 125), invert(BoardColor));  // upper piece's only
    EXPECT_EQ(pictures.picScreen.pixel(162, 165), invert(BoardColor));  // lower piece's only
}

TEST_F(Redraw, TheHeldPiecesFringeFallsOnThePiecesBeneathIt) {
    cut(200, 200, Rectangular);
    const Piece top = pieceAt(0, 100, 100);
    const Piece below = pieceAt(6, 120, 110);  // its body covers the top piece's fringe
    placeOnly({top, below});
    const int fx = 162, fy = 150;  // on the top piece's right fringe, inside the lower body
    const Pixel lowerPhoto = pictures.picPat[6].pixel(fx - 120, fy - 110);

    puzzle.RedrawBoard(pictures);
    EXPECT_EQ(pictures.picScreen.pixel(fx, fy), lowerPhoto);  // painted over by the piece below

    puzzle.HeldPiece = 0;
    puzzle.RedrawBoard(pictures);
    EXPECT_EQ(pictures.picScreen.pixel(fx, fy), invert(lowerPhoto));
    EXPECT_EQ(differencesFromReference(), 0);
}

TEST_F(Redraw, TheTopPieceCoversThoseBelowOnlyInsideItsOutline) {
    cut(300, 300, EasyJigsaw);
    const Piece top =
        pieceAt(9, 100, 100);  // row 1, column 2: interior cell 1, blanks left and right
    ASSERT_EQ(top.Shape, 1);
    const Piece below = pieceAt(0, 100, 100);
    placeOnly({top, below});
    puzzle.RedrawBoard(pictures);
    // In the top piece's left blank the lower piece shows through.
    const int bx = 100 + 20, by = 100 + 40;
    ASSERT_EQ(pictures.picMasks.pixel(CellSize * 1 + 20, 40), kBlack);
    ASSERT_EQ(pictures.picMasks.pixel(CellSize * 2 + 20, 40), kWhite);
    EXPECT_EQ(pictures.picScreen.pixel(bx, by), pictures.picPat[0].pixel(20, 40));
    EXPECT_EQ(pictures.picScreen.pixel(130, 130), pictures.picPat[9].pixel(30, 30));
    EXPECT_EQ(differencesFromReference(), 0);
}

TEST_F(Redraw, UnusualInputsStillMatchTheBlockOperations) {
    cut(200, 200, EasyJigsaw);
    scatter(3);
    // A picture of another size, a picture that is not white outside the
    // outline, a stencil number beyond the stencil, a grey stencil pixel.
    pictures.picPat[2] = testing::NoisePicture(50, 90, 4);
    pictures.picPat[3] = testing::NoisePicture(80, 80, 5);
    puzzle.Pieces[4].Shape = 25;
    puzzle.Pieces[5].Shape = -1;
    pictures.picMasks.setPixel(CellSize * puzzle.Pieces[1].Shape + 3, 3, rgb(10, 200, 30));
    for (int held : {-1, 0}) {
        puzzle.HeldPiece = static_cast<std::int16_t>(held);
        puzzle.RedrawBoard(pictures);
        EXPECT_EQ(differencesFromReference(), 0) << "held " << held;
    }
}

TEST_F(Redraw, AnEmptyBoardShowsTheBackground) {
    pictures.picBG.fill(rgb(1, 2, 3));
    pictures.picScreen.fill(kBlack);
    puzzle.RedrawBoard(pictures);
    EXPECT_EQ(pictures.picScreen, pictures.picBG);
}

}  // namespace
}  // namespace qx
