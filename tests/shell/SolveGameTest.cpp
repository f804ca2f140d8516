// Whole games played only through mouse and key events on the main window.
#include <algorithm>

#include "GameTestSupport.h"

namespace qx {
namespace {

class SolveGameTest : public GameTest {
protected:
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
