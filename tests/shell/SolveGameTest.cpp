// Whole games played only through mouse and key events on the main window.
#include <algorithm>

#include "GameTestSupport.h"

namespace qx {
namespace {

// One spot per piece outside the area scattered cells can reach
// (55..519 x 55..376), so parked pieces never cover one still to be parked.
const QPoint kParking[] = {{528, 0},  {528, 88},  {528, 176}, {528, 264}, {528, 352}, {0, 385},
                           {88, 385}, {176, 385}, {264, 385}, {352, 385}, {440, 385}};
// Where the solved picture is laid out: clear of every parking spot.
const QPoint kSolvedAt{110, 110};

QPoint solvedCell(int row, int col, QPoint origin = kSolvedAt) {
    return origin + QPoint(GridStep * col, GridStep * row);
}

class SolveGameTest : public GameTest {
protected:
    // Every piece upright on its own parking spot, taken from the top down:
    // the topmost piece not yet parked is never covered.
    void parkEveryPiece() {
        ASSERT_LE(pieces().size(), std::size(kParking));
        for (int k = 0; k < static_cast<int>(pieces().size()); ++k) {
            placePiece(k, kParking[k]);
            if (HasFatalFailure()) return;
        }
    }

    // Lays the parked pieces out in order; `last` is dropped last.
    void assemble(QPoint origin, int lastRow, int lastCol,
                  const std::function<void()>& beforeLastDrop = {}) {
        for (const Piece p : std::vector<Piece>(pieces())) {
            if (p.Row == lastRow && p.Col == lastCol) continue;
            placePiece(indexOf(p.Row, p.Col), solvedCell(p.Row, p.Col, origin));
            if (HasFatalFailure()) return;
        }
        placePiece(indexOf(lastRow, lastCol), solvedCell(lastRow, lastCol, origin), true,
                   beforeLastDrop);
    }

    // After the game has ended, the board takes no moves and no board button.
    void expectBoardIgnoresEverything() {
        const GameSnapshot before = snapshot();
        const std::size_t clipsBefore = clips.size();
        const std::optional<QPoint> grip = visiblePointOf(0);
        ASSERT_TRUE(grip);
        press(*grip);
        pressR();
        moveTo(*grip + QPoint(60, 30));
        release(*grip + QPoint(60, 30));
        click(window->cmdShuffle());
        for (int k = 0; k < 4; ++k) click(window->cmdMoveBoard(k));
        EXPECT_TRUE(snapshot() == before) << "the solved board changed";
        EXPECT_EQ(clips.size(), clipsBefore) << "a sound was requested";
    }
};

class SolveEachGameType : public SolveGameTest, public ::testing::WithParamInterface<int> {};

TEST_P(SolveEachGameType, SolvingThroughEventsEndsTheGameOnceWithTheTime) {
    startGame(GetParam());
    ASSERT_EQ(pieces().size(), 9u);
    EXPECT_EQ(window->puzzle().CurrentGameType, GetParam());
    parkEveryPiece();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(window->state().GameRunning);
    for (const Piece& p : pieces()) EXPECT_EQ(p.Turns, 0) << "turned upright with R";

    ModalWatcher win(window.get());
    clips.clear();
    assemble(kSolvedAt, 2, 2, [&] { win.arm(); });
    ASSERT_FALSE(HasFatalFailure());

    EXPECT_EQ(win.seen, 1);
    EXPECT_EQ(win.className, QStringLiteral("qx::Win"));
    EXPECT_TRUE(win.ownedByMainWindow);
    EXPECT_EQ(win.time, window->lblElapsed().Caption());
    EXPECT_EQ(std::count(clips.begin(), clips.end(), 3), 1);
    ASSERT_GE(clips.size(), 2u);
    EXPECT_EQ(clips[clips.size() - 2], 1) << "the drop is heard first";
    EXPECT_EQ(clips.back(), 3);
    EXPECT_FALSE(window->state().GameRunning);
    EXPECT_FALSE(window->Timer1().isActive());
    EXPECT_EQ(window->puzzle().HeldPiece, -1);
    for (const Piece& p : pieces())
        EXPECT_EQ(QPoint(p.X, p.Y), solvedCell(p.Row, p.Col)) << p.Row << "," << p.Col;

    expectBoardIgnoresEverything();
    EXPECT_EQ(win.seen, 1) << "no second congratulation";
}

INSTANTIATE_TEST_SUITE_P(GameTypes, SolveEachGameType,
                         ::testing::Values(Rectangular, EasyJigsaw, HardJigsaw));

TEST_F(SolveGameTest, ATurnedTopLeftPieceIsNeverSolvedUntilTurnedBack) {
    startGame(HardJigsaw);
    parkEveryPiece();
    ASSERT_FALSE(HasFatalFailure());
    ModalWatcher win(window.get());
    // Everything in place, but the top-left piece dropped a quarter turned.
    assemble(kSolvedAt, 0, 0, [&] {
        pressR();
        win.arm();
    });
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(pieces()[0].Turns, 1);
    EXPECT_TRUE(window->state().GameRunning);
    EXPECT_EQ(std::count(clips.begin(), clips.end(), 3), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(win.seen, 0);

    // Three more turns bring it upright; dropped in the same place it completes.
    placePiece(0, solvedCell(0, 0), true, [&] { win.arm(); });
    EXPECT_EQ(win.seen, 1);
    EXPECT_FALSE(window->state().GameRunning);
}

TEST_F(SolveGameTest, ThePictureCountsWhereverItIsAssembledAndAfterMoveBoard) {
    startGame(EasyJigsaw);
    parkEveryPiece();
    ASSERT_FALSE(HasFatalFailure());
    // All but the bottom-right piece in place, then the whole board one step
    // right and one down, and the last piece beside the moved ones.
    for (const Piece p : std::vector<Piece>(pieces())) {
        if (p.Row == 2 && p.Col == 2) continue;
        placePiece(indexOf(p.Row, p.Col), solvedCell(p.Row, p.Col));
    }
    clips.clear();
    click(window->cmdMoveBoard(1));
    click(window->cmdMoveBoard(3));
    EXPECT_EQ(clips, std::vector<int>({5, 5}));
    EXPECT_TRUE(window->state().GameRunning) << "a move never completes the picture";

    ModalWatcher win(window.get());
    const QPoint moved = kSolvedAt + QPoint(GridStep, GridStep);
    placePiece(indexOf(2, 2), solvedCell(2, 2, moved), true, [&] { win.arm(); });
    EXPECT_EQ(win.seen, 1);
    EXPECT_FALSE(window->state().GameRunning);
    EXPECT_EQ(QPoint(pieces()[indexOf(0, 0)].X, pieces()[indexOf(0, 0)].Y), moved);
}

}  // namespace
}  // namespace qx
