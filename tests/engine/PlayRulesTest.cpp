#include <gtest/gtest.h>

#include <cstdlib>

#include "FakeShell.h"
#include "ReferenceBoard.h"
#include "TestPictures.h"
#include "engine/ClockText.h"
#include "engine/PlayRules.h"
#include "engine/Stencil.h"

namespace qx {
namespace {

using Calls = std::vector<std::string>;

struct Play : ::testing::Test {
    PuzzleModule puzzle;
    MainWindowState state;
    WorkPictures pictures;
    testing::FakeShell shell;
    SeededRandom random{42};
    PlayRules rules{puzzle, state, pictures, shell, random};

    Play() { pictures.picMasks = GenerateStencil(); }

    void start(int width = 88, int height = 88, int gameType = EasyJigsaw) {
        pictures.picMaster = testing::NoisePicture(width, height);
        rules.StartGame(static_cast<std::int16_t>(gameType));
        shell.clear();
    }

    // Every piece upright in its solved place, the row 0, column 0 cell at (x0, y0).
    void assemble(int x0, int y0) {
        for (Piece& p : puzzle.Pieces) {
            while (p.Turns != 0)
                puzzle.RotatePiece(static_cast<int>(&p - puzzle.Pieces.data()), pictures);
            p.X = static_cast<std::int16_t>(x0 + GridStep * p.Col);
            p.Y = static_cast<std::int16_t>(y0 + GridStep * p.Row);
        }
    }

    int indexOf(int row, int col) const {
        for (std::size_t i = 0; i < puzzle.Pieces.size(); ++i)
            if (puzzle.Pieces[i].Row == row && puzzle.Pieces[i].Col == col)
                return static_cast<int>(i);
        return -1;
    }

    Piece& pieceAt(int row, int col) {
        return puzzle.Pieces[static_cast<std::size_t>(indexOf(row, col))];
    }

    // Picks up the piece of (row, col) by its body centre and drops it with
    // its cell at (x, y).
    void dragTo(int row, int col, int x, int y) {
        const Piece& p = pieceAt(row, col);
        rules.PlayAreaMouseDown(MouseButton::Left, p.X + 40, p.Y + 40);
        ASSERT_EQ(puzzle.Pieces[0].Row, row);
        ASSERT_EQ(puzzle.Pieces[0].Col, col);
        rules.PlayAreaMouseMove(x + 40, y + 40);
        rules.PlayAreaMouseUp(MouseButton::Left, x + 40, y + 40);
    }

    bool boardIsExact() const {
        return pictures.picScreen == reference::RedrawnBoard(pictures.picBG, pictures.picMasks,
                                                             pictures.picPat, puzzle.Pieces,
                                                             puzzle.HeldPiece);
    }
};

TEST_F(Play, StartingAGameCutsScattersPaintsAndRuns) {
    state.ElapsedSeconds = 77;
    puzzle.HeldPiece = 0;
    pictures.picMaster = testing::NoisePicture(632, 355);
    rules.StartGame(HardJigsaw);
    EXPECT_EQ(state.ElapsedSeconds, 0);
    EXPECT_EQ(puzzle.CurrentGameType, HardJigsaw);
    EXPECT_EQ(puzzle.Pieces.size(), 135u);
    EXPECT_EQ(puzzle.HeldPiece, -1);
    EXPECT_TRUE(state.GameRunning);
    EXPECT_EQ(shell.calls, (Calls{"repaint"}));  // the clock is the caller's
    for (const Piece& p : puzzle.Pieces) {
        EXPECT_GE(p.X, 55);
        EXPECT_LE(p.Y, 297);
    }
}

TEST_F(Play, NothingHappensWithoutARunningGameButThePointerReset) {
    pictures.picMaster = testing::NoisePicture(88, 88);
    puzzle.CutPieces(pictures);
    puzzle.Pieces[0].X = 100;
    puzzle.Pieces[0].Y = 100;
    const std::vector<Piece> before = puzzle.Pieces;
    rules.PlayAreaMouseDown(MouseButton::Left, 140, 140);
    rules.PlayAreaMouseMove(200, 200);
    rules.PlayAreaKeyDown(TurnKeyCode);
    rules.PlayAreaMouseUp(MouseButton::Left, 200, 200);
    rules.ScatterPuzzle();
    rules.MoveBoard(1);
    EXPECT_EQ(puzzle.Pieces, before);
    EXPECT_EQ(puzzle.HeldPiece, -1);
    EXPECT_EQ(shell.calls, (Calls{"pointer normal", "pointer normal"}));
}

TEST_F(Play, PickUpTakesTheTopmostPieceUnderThePointerAndCentresIt) {
    start(200, 200);
    for (Piece& p : puzzle.Pieces) p.X = p.Y = 400;  // out of the way
    // Indices 3 and 5 overlap at (150, 150); index 3 is drawn on top.
    puzzle.Pieces[3].X = 100, puzzle.Pieces[3].Y = 100;
    puzzle.Pieces[5].X = 110, puzzle.Pieces[5].Y = 110;
    const std::vector<Piece> before = puzzle.Pieces;
    ASSERT_TRUE(puzzle.HitTestPiece(3, 150, 150, pictures));
    ASSERT_TRUE(puzzle.HitTestPiece(5, 150, 150, pictures));

    rules.PlayAreaMouseDown(MouseButton::Left, 150, 150);
    EXPECT_EQ(puzzle.HeldPiece, 0);
    EXPECT_EQ(state.DragX, 150);
    EXPECT_EQ(state.DragY, 150);
    Piece taken = before[3];
    taken.X = 110, taken.Y = 110;
    EXPECT_EQ(puzzle.Pieces[0], taken);
    // Records 0..2 moved down one place; the rest stayed.
    EXPECT_EQ(puzzle.Pieces[1], before[0]);
    EXPECT_EQ(puzzle.Pieces[3], before[2]);
    EXPECT_EQ(puzzle.Pieces[4], before[4]);
    EXPECT_EQ(puzzle.Pieces[5], before[5]);
    EXPECT_EQ(shell.calls, (Calls{"pointer normal", "repaint"}));
    EXPECT_TRUE(boardIsExact());
}

TEST_F(Play, APressOnTheWhiteSurroundPassesToThePieceBelowOrNothing) {
    start(200, 200);
    for (Piece& p : puzzle.Pieces) p.X = p.Y = 400;
    const int top = indexOf(1, 1);  // interior, even: blanks at the top and bottom
    ASSERT_EQ(puzzle.Pieces[static_cast<std::size_t>(top)].Shape, 0);
    puzzle.Pieces[static_cast<std::size_t>(top)].X = 100,
    puzzle.Pieces[static_cast<std::size_t>(top)].Y = 100;
    // (140, 105) lies in the top piece's cell above its body: its surround.
    ASSERT_FALSE(puzzle.HitTestPiece(top, 140, 105, pictures));

    shell.clear();
    rules.PlayAreaMouseDown(MouseButton::Left, 140, 105);
    EXPECT_EQ(puzzle.HeldPiece, -1);
    EXPECT_EQ(shell.calls, (Calls{"pointer normal"}));  // nothing hit: no repaint

    // A piece lower in the stack with its cell centre under the point.
    const int below = puzzle.lastIndex();
    ASSERT_GT(below, top);
    Piece& lower = puzzle.Pieces[static_cast<std::size_t>(below)];
    lower.X = 140 - 40, lower.Y = 105 - 40;
    const Piece placedBelow = lower;
    rules.PlayAreaMouseDown(MouseButton::Left, 140, 105);
    EXPECT_EQ(puzzle.HeldPiece, 0);
    EXPECT_EQ(puzzle.Pieces[0].PatIndex, placedBelow.PatIndex);
}

TEST_F(Play, APointOneColumnRightOrOneRowBelowTheCellNeverHits) {
    start(88, 88, EasyJigsaw);
    const int i = indexOf(1, 0);  // left edge, odd: tabs top and bottom reach the cell edge
    Piece& p = puzzle.Pieces[static_cast<std::size_t>(i)];
    p.X = 100, p.Y = 100;
    EXPECT_TRUE(puzzle.HitTestPiece(i, 140, 100 + 79, pictures));
    EXPECT_FALSE(puzzle.HitTestPiece(i, 140, 100 + 80, pictures));
    EXPECT_TRUE(puzzle.HitTestPiece(i, 140, 100, pictures));
    EXPECT_FALSE(puzzle.HitTestPiece(i, 140, 99, pictures));
    // The right tab of the even interior cell reaches column 79.
    start(200, 200, EasyJigsaw);
    const int j = indexOf(1, 1);
    Piece& q = puzzle.Pieces[static_cast<std::size_t>(j)];
    q.X = 100, q.Y = 100;
    for (Piece& other : puzzle.Pieces)
        if (&other != &q) other.X = other.Y = 400;
    EXPECT_TRUE(puzzle.HitTestPiece(j, 179, 140, pictures));
    EXPECT_FALSE(puzzle.HitTestPiece(j, 180, 140, pictures));
    rules.PlayAreaMouseDown(MouseButton::Left, 180, 140);
    EXPECT_EQ(puzzle.HeldPiece, -1);
}

TEST_F(Play, ARightPressOnlyResetsThePointer) {
    start();
    const std::vector<Piece> before = puzzle.Pieces;
    const Piece& p = puzzle.Pieces[4];
    rules.PlayAreaMouseDown(MouseButton::Right, p.X + 40, p.Y + 40);
    rules.PlayAreaMouseUp(MouseButton::Right, p.X + 40, p.Y + 40);
    EXPECT_EQ(puzzle.Pieces, before);
    EXPECT_EQ(puzzle.HeldPiece, -1);
    EXPECT_EQ(shell.calls, (Calls{"pointer normal", "pointer normal"}));
}

TEST_F(Play, DraggingMovesTheHeldPieceAndRepaintsOnlyItsCells) {
    start(200, 200);
    const Piece& p = puzzle.Pieces[6];
    rules.PlayAreaMouseDown(MouseButton::Left, p.X + 40, p.Y + 40);
    shell.clear();
    rules.PlayAreaMouseMove(300, 250);
    EXPECT_EQ(puzzle.Pieces[0].X, 260);
    EXPECT_EQ(puzzle.Pieces[0].Y, 210);
    EXPECT_EQ(state.DragX, 300);
    EXPECT_EQ(state.DragY, 250);
    ASSERT_EQ(shell.repaints.size(), 1u);
    EXPECT_EQ(shell.repaints[0].rects().size(), 2u);
    EXPECT_EQ(shell.repaints[0].rects()[1], (PixelRect{260, 210, 81, 81}));
    EXPECT_TRUE(boardIsExact());
    // The same point again changes nothing; far outside the play area the piece follows.
    rules.PlayAreaMouseMove(300, 250);
    EXPECT_EQ(shell.repaints.size(), 1u);
    rules.PlayAreaMouseMove(-500, 2000);
    EXPECT_EQ(puzzle.Pieces[0].X, -540);
    EXPECT_EQ(puzzle.Pieces[0].Y, 1960);
    EXPECT_TRUE(boardIsExact());
    // A move along one axis alone is followed too.
    rules.PlayAreaMouseMove(-500, 1000);
    EXPECT_EQ(puzzle.Pieces[0].Y, 960);
    rules.PlayAreaMouseMove(100, 1000);
    EXPECT_EQ(puzzle.Pieces[0].X, 60);
    // Beyond the 16-bit range the pointer is clamped, never wrapped.
    rules.PlayAreaMouseMove(40000, -40000);
    EXPECT_EQ(puzzle.Pieces[0].X, 32000 - 40);
    EXPECT_EQ(puzzle.Pieces[0].Y, -32000 - 40);
    // Without a held piece a move does nothing.
    rules.PlayAreaMouseUp(MouseButton::Left, -500, 2000);
    shell.clear();
    rules.PlayAreaMouseMove(10, 10);
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(Play, ADropSnapsToTheLatticeThenSoundsThenChecks) {
    start(200, 200);
    const Piece& p = puzzle.Pieces[2];
    rules.PlayAreaMouseDown(MouseButton::Left, p.X + 40, p.Y + 40);
    shell.clear();
    rules.PlayAreaMouseUp(MouseButton::Left, 95, 95);
    EXPECT_EQ(puzzle.Pieces[0].X, 55);
    EXPECT_EQ(puzzle.Pieces[0].Y, 55);
    EXPECT_EQ(puzzle.HeldPiece, -1);
    EXPECT_EQ(shell.calls, (Calls{"pointer normal", "repaint", "clip1"}));
    EXPECT_TRUE(boardIsExact());
}

TEST_F(Play, EveryDropLandsOnTheLatticeWithinFivePixels) {
    start(200, 200);
    for (int x = -200; x <= 800; x += 7) {
        const Piece& p = puzzle.Pieces[3];
        rules.PlayAreaMouseDown(MouseButton::Left, p.X + 40, p.Y + 40);
        ASSERT_EQ(puzzle.HeldPiece, 0);
        const int y = 300 - x / 3;
        rules.PlayAreaMouseUp(MouseButton::Left, x, y);
        const Piece& dropped = puzzle.Pieces[0];
        EXPECT_EQ(dropped.X % SnapStep, 0) << x;
        EXPECT_EQ(dropped.Y % SnapStep, 0) << y;
        EXPECT_LE(std::abs(dropped.X - (x - 40)), 5) << x;
        EXPECT_LE(std::abs(dropped.Y - (y - 40)), 5) << y;
    }
}

TEST_F(Play, RTurnsTheHeldPieceEveryTimeAndNothingElseDoes) {
    start(200, 200);
    rules.PlayAreaKeyDown(TurnKeyCode);  // nothing held
    EXPECT_TRUE(shell.calls.empty());

    const Piece& p = puzzle.Pieces[5];
    rules.PlayAreaMouseDown(MouseButton::Left, p.X + 40, p.Y + 40);
    const Piece before = puzzle.Pieces[0];
    shell.clear();
    rules.PlayAreaKeyDown(TurnKeyCode);
    EXPECT_EQ(shell.calls, (Calls{"pointer turn", "repaint", "clip2"}));
    EXPECT_EQ(puzzle.Pieces[0].Turns, (before.Turns + 1) % 4);
    EXPECT_EQ(puzzle.Pieces[0].X, before.X);
    EXPECT_TRUE(boardIsExact());
    rules.PlayAreaKeyDown(TurnKeyCode);
    rules.PlayAreaKeyDown(TurnKeyCode);
    EXPECT_EQ(puzzle.Pieces[0].Turns, (before.Turns + 3) % 4);
    EXPECT_TRUE(boardIsExact());

    shell.clear();
    for (int key : {81, 83, 114, 32, 0}) rules.PlayAreaKeyDown(key);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(puzzle.Pieces[0].Turns, (before.Turns + 3) % 4);
}

TEST_F(Play, CompletingThePuzzleStopsTheGameThenTheClockThenSoundsThenWins) {
    start(88, 88);
    assemble(110, 99);
    Piece& last = pieceAt(2, 2);
    last.X = 400, last.Y = 300;
    EXPECT_FALSE(rules.IsSolved());
    dragTo(2, 2, 110 + 88, 99 + 88);
    EXPECT_TRUE(rules.IsSolved());
    EXPECT_FALSE(state.GameRunning);
    const Calls tail(shell.calls.end() - 5, shell.calls.end());
    EXPECT_EQ(tail, (Calls{"repaint", "clip1", "clock off", "clip3", "win"}));

    // The game is over: no more moves, scatters or board moves, and no second win.
    shell.clear();
    const std::vector<Piece> solved = puzzle.Pieces;
    rules.PlayAreaMouseDown(MouseButton::Left, 150, 140);
    rules.PlayAreaMouseUp(MouseButton::Left, 300, 300);
    rules.ScatterPuzzle();
    rules.MoveBoard(0);
    EXPECT_EQ(puzzle.Pieces, solved);
    EXPECT_EQ(shell.calls, (Calls{"pointer normal", "pointer normal"}));
}

TEST_F(Play, ADropNearTheRightPlaceCompletesThePuzzle) {
    start(88, 88, Rectangular);
    assemble(99, 143);
    pieceAt(1, 1).X = 300;
    // Pointer 4 pixels off where the cell centre belongs.
    const Piece& p = pieceAt(1, 1);
    rules.PlayAreaMouseDown(MouseButton::Left, p.X + 40, p.Y + 40);
    rules.PlayAreaMouseUp(MouseButton::Left, 99 + 44 + 40 + 4, 143 + 44 + 40 - 3);
    EXPECT_FALSE(state.GameRunning);
    EXPECT_EQ(std::count(shell.calls.begin(), shell.calls.end(), "win"), 1);
}

TEST_F(Play, ATurnedTopLeftPieceIsNeverSolved) {
    start(88, 88);
    assemble(110, 110);
    ASSERT_TRUE(rules.IsSolved());
    const int corner = indexOf(0, 0);
    puzzle.RotatePiece(corner, pictures);
    EXPECT_FALSE(rules.IsSolved());
    for (int k = 0; k < 3; ++k) puzzle.RotatePiece(corner, pictures);
    EXPECT_TRUE(rules.IsSolved());
    // Any other piece of the photo turned spoils it too.
    puzzle.RotatePiece(indexOf(1, 1), pictures);
    EXPECT_FALSE(rules.IsSolved());
    EXPECT_FALSE(rules.CheckCompletion());
    EXPECT_TRUE(state.GameRunning);
    EXPECT_TRUE(shell.calls.empty());
}

// Photos whose width or height is a whole number of grid steps: the last
// column or row lies beyond the photo and its pieces are plain filler.
TEST_F(Play, FillerPiecesBeyondThePhotoMayStandInAnyFillerPlaceTurnedAnyWay) {
    const struct {
        int width, height, gameType;
        std::vector<std::pair<int, int>> fillers;  // (row, col) beyond the photo
    } cases[] = {
        {88, 88, Rectangular, {{0, 2}, {1, 2}, {2, 0}, {2, 1}, {2, 2}}},
        {88, 88, EasyJigsaw, {{0, 2}, {1, 2}, {2, 0}, {2, 1}, {2, 2}}},
        {132, 100, HardJigsaw, {{0, 3}, {1, 3}, {2, 3}}},
        {100, 132, Rectangular, {{3, 0}, {3, 1}, {3, 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        start(c.width, c.height, c.gameType);
        for (const Piece& p : puzzle.Pieces) {
            const bool filler = std::find(c.fillers.begin(), c.fillers.end(),
                                          std::pair<int, int>(p.Row, p.Col)) != c.fillers.end();
            EXPECT_EQ(puzzle.ShowsPhoto(p), !filler) << p.Row << "," << p.Col;
        }
        assemble(110, 99);
        // Every filler one place further round, and turned.
        std::vector<PixelPoint> places;
        for (const auto& [row, col] : c.fillers)
            places.push_back({pieceAt(row, col).X, pieceAt(row, col).Y});
        for (std::size_t k = 0; k < c.fillers.size(); ++k) {
            Piece& p = pieceAt(c.fillers[k].first, c.fillers[k].second);
            const PixelPoint to = places[(k + 1) % places.size()];
            p.X = static_cast<std::int16_t>(to.x);
            p.Y = static_cast<std::int16_t>(to.y);
            for (std::size_t t = 0; t <= k % 3; ++t)
                puzzle.RotatePiece(indexOf(c.fillers[k].first, c.fillers[k].second), pictures);
        }
        EXPECT_TRUE(rules.IsSolved());

        // Two fillers in one place leave another place empty.
        Piece& first = pieceAt(c.fillers[0].first, c.fillers[0].second);
        const Piece keep = first;
        first.X = static_cast<std::int16_t>(places[2 % places.size()].x);
        first.Y = static_cast<std::int16_t>(places[2 % places.size()].y);
        EXPECT_FALSE(rules.IsSolved());
        // A filler off the picture, even on the lattice of its grid.
        first.X = static_cast<std::int16_t>(keep.X + 2 * GridStep);
        first.Y = keep.Y;
        EXPECT_FALSE(rules.IsSolved());
        first = keep;
        ASSERT_TRUE(rules.IsSolved());
        // A photo piece in a filler place, swapped with that filler.
        Piece& photo = pieceAt(0, 0 + 1);
        std::swap(photo.X, first.X);
        std::swap(photo.Y, first.Y);
        EXPECT_FALSE(rules.IsSolved());
    }
}

TEST_F(Play, ALastColumnWithOnePhotoColumnKeepsTheFullRule) {
    start(89, 88, Rectangular);
    EXPECT_TRUE(puzzle.ShowsPhoto(pieceAt(0, 2))) << "one column of photo pixels";
    EXPECT_FALSE(puzzle.ShowsPhoto(pieceAt(2, 2)));
    assemble(110, 99);
    ASSERT_TRUE(rules.IsSolved());
    puzzle.RotatePiece(indexOf(0, 2), pictures);
    EXPECT_FALSE(rules.IsSolved());
    puzzle.RotatePiece(indexOf(2, 2), pictures);  // the filler may stay turned
    for (int k = 0; k < 3; ++k) puzzle.RotatePiece(indexOf(0, 2), pictures);
    EXPECT_TRUE(rules.IsSolved());
    std::swap(pieceAt(0, 2).Y, pieceAt(1, 2).Y);  // both show the photo
    EXPECT_FALSE(rules.IsSolved());
}

TEST_F(Play, DroppingTheLastFillerInAnotherFillersPlaceWinsTheGame) {
    start(88, 88, Rectangular);
    assemble(110, 99);
    // The two bottom corners' fillers change places by hand.
    pieceAt(2, 2).X = 400;
    dragTo(2, 0, 110 + 88, 99 + 88);
    EXPECT_TRUE(state.GameRunning);
    dragTo(2, 2, 110, 99 + 88);
    EXPECT_FALSE(state.GameRunning);
    EXPECT_EQ(std::count(shell.calls.begin(), shell.calls.end(), "win"), 1);
}

TEST_F(Play, TheAssembledPictureCountsAnywhereEvenAfterBoardMoves) {
    start(200, 150);
    assemble(-44, 0);  // partly out of view
    EXPECT_TRUE(rules.IsSolved());
    for (int k : {1, 1, 3, 0, 2, 2, 2}) rules.MoveBoard(k);
    EXPECT_TRUE(rules.IsSolved());
    EXPECT_EQ(pieceAt(0, 0).X, -44 + 44);
    EXPECT_EQ(pieceAt(0, 0).Y, 0 - 88);
    pieceAt(2, 3).Y = static_cast<std::int16_t>(pieceAt(2, 3).Y + SnapStep);
    EXPECT_FALSE(rules.IsSolved());
}

TEST_F(Play, MoveBoardShiftsEveryPieceAGridStepAndBack) {
    start(300, 200);
    const std::vector<Piece> before = puzzle.Pieces;
    rules.MoveBoard(1);
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(puzzle.Pieces[i].X, before[i].X + 44);
    EXPECT_EQ(shell.calls, (Calls{"busy", "repaint", "not busy", "clip5"}));
    EXPECT_TRUE(boardIsExact());
    rules.MoveBoard(0);
    EXPECT_EQ(puzzle.Pieces, before);
    rules.MoveBoard(3);
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(puzzle.Pieces[i].Y, before[i].Y + 44);
    rules.MoveBoard(2);
    EXPECT_EQ(puzzle.Pieces, before);
    // Off the board and back, pieces stay intact.
    for (int k = 0; k < 20; ++k) rules.MoveBoard(0);
    for (int k = 0; k < 20; ++k) rules.MoveBoard(1);
    EXPECT_EQ(puzzle.Pieces, before);
    EXPECT_TRUE(boardIsExact());
    shell.clear();
    rules.MoveBoard(4);
    rules.MoveBoard(-1);
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(Play, MoveBoardRefusesAMoveBeyondSixteenBitCoordinates) {
    start(88, 88);
    puzzle.Pieces[4].X = 32767 - 43;
    puzzle.Pieces[7].Y = -32768 + 40;
    const std::vector<Piece> before = puzzle.Pieces;
    rules.MoveBoard(1);
    rules.MoveBoard(2);
    EXPECT_EQ(puzzle.Pieces, before);
    EXPECT_TRUE(shell.calls.empty());  // no busy pointer, no repaint, no sound
    rules.MoveBoard(0);
    rules.MoveBoard(3);
    EXPECT_EQ(puzzle.Pieces[4].X, 32767 - 87);
    EXPECT_EQ(puzzle.Pieces[7].Y, -32768 + 84);
    rules.MoveBoard(1);  // now fits exactly up to 32767 - 43
    EXPECT_EQ(puzzle.Pieces[4].X, 32767 - 43);
}

TEST_F(Play, ScatterDealsAnewRestartsTheCountAndSoundsLast) {
    start(300, 200);
    state.ElapsedSeconds = 500;
    shell.clockText = "00:08:20";
    const std::vector<Piece> before = puzzle.Pieces;
    rules.ScatterPuzzle();
    EXPECT_NE(puzzle.Pieces, before);
    EXPECT_EQ(state.ElapsedSeconds, 0);
    EXPECT_TRUE(state.GameRunning);
    EXPECT_EQ(shell.calls, (Calls{"busy", "repaint", "not busy", "clip4"}));
    EXPECT_EQ(shell.clockText, "00:08:20");  // until the next tick
    rules.ClockTick();
    EXPECT_EQ(shell.clockText, "00:00:01");
}

TEST_F(Play, SetBoardColorWorksWithAndWithoutAPuzzle) {
    rules.SetBoardColor(rgb(20, 40, 60));
    EXPECT_EQ(pictures.picScreen, Bitmap(PlayAreaWidth, PlayAreaHeight, rgb(20, 40, 60)));
    EXPECT_EQ(pictures.picBG, pictures.picScreen);
    EXPECT_EQ(shell.calls, (Calls{"repaint"}));

    start(200, 200);
    rules.SetBoardColor(rgb(200, 10, 10));
    EXPECT_EQ(pictures.picBG.pixel(0, 0), rgb(200, 10, 10));
    EXPECT_TRUE(boardIsExact());
    EXPECT_EQ(pictures.picScreen.pixel(0, 0), rgb(200, 10, 10));
}

TEST_F(Play, TheClockShowsHoursMinutesAndSecondsWithoutWrapping) {
    for (auto [ticks, text] :
         {std::pair{59, "00:00:59"}, std::pair{3600, "01:00:00"}, std::pair{32767, "09:06:07"},
          std::pair{32768, "09:06:08"}, std::pair{36000, "10:00:00"}}) {
        state.ElapsedSeconds = ticks - 1;
        rules.ClockTick();
        EXPECT_EQ(state.ElapsedSeconds, ticks);
        EXPECT_EQ(shell.clockText, text);
    }
    EXPECT_EQ(ClockText(0), "00:00:00");
    EXPECT_EQ(ClockText(86400), "24:00:00");
    EXPECT_EQ(ClockText(360000 + 61), "100:01:01");
    // The count stops at its largest value rather than overflowing.
    state.ElapsedSeconds = 2147483647;
    rules.ClockTick();
    EXPECT_EQ(state.ElapsedSeconds, 2147483647);
    EXPECT_EQ(shell.clockText, "596523:14:07");
}

TEST_F(Play, FiftyNineTicksFromAFreshStartRead0059) {
    start();
    for (int k = 0; k < 59; ++k) rules.ClockTick();
    EXPECT_EQ(shell.clockText, "00:00:59");
}

TEST_F(Play, TheHintBoxLandsAtTheDropPointLessTheGrabPoint) {
    rules.HintBoxMouseDown(10, 20);
    EXPECT_EQ(state.DragX, 10);
    EXPECT_EQ(state.DragY, 20);
    EXPECT_EQ(rules.HintBoxDropPosition(300, 200), (PixelPoint{290, 180}));
    EXPECT_EQ(rules.HintBoxDropPosition(5, 5), (PixelPoint{-5, -15}));
}

}  // namespace
}  // namespace qx
