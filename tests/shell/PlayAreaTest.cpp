// Mouse and key events on the play area: which piece a press takes, where a
// drop lands, turning with R, the pointer, the sounds and what is repainted.
#include <QPaintEvent>
#include <QRegion>

#include "GameTestSupport.h"

namespace qx {
namespace {

using PlayAreaTest = GameTest;

// Clear of every scattered cell (those end at x 519 and y 376).
const QPoint kQuietCorner{528, 0};

QPoint cellCentre(QPoint cell) {
    return cell + QPoint(CellSize / 2, CellSize / 2);
}

TEST_F(PlayAreaTest, APressTakesTheTopmostOutlineUnderThePointer) {
    startGame(Rectangular);  // outlines are the 44 x 44 body, 18 pixels in from the cell
    placePiece(1, {110, 110});
    const Piece below = pieces()[0];
    placePiece(1, {132, 110});  // its surround reaches over the body of the first
    const Piece above = pieces()[0];
    ASSERT_EQ(topmostAt(140, 140), 1);

    // (140, 140) is on the upper piece's white surround: the one below is taken.
    press({140, 140});
    ASSERT_EQ(window->puzzle().HeldPiece, 0);
    EXPECT_EQ(pieces()[0].Row, below.Row);
    EXPECT_EQ(pieces()[0].Col, below.Col);
    EXPECT_EQ(QPoint(pieces()[0].X, pieces()[0].Y), QPoint(100, 100)) << "centred on the pointer";
    release(cellCentre({110, 110}));

    // Where both bodies overlap, the one drawn on top (lower index) is taken.
    placePiece(indexOf(above.Row, above.Col), {132, 110});
    press({155, 140});
    EXPECT_EQ(pieces()[0].Row, above.Row);
    EXPECT_EQ(pieces()[0].Col, above.Col);
    release(cellCentre({132, 110}));

    // A surround with nothing beneath takes nothing.
    placePiece(indexOf(above.Row, above.Col), kQuietCorner);
    const std::vector<Piece> table = pieces();
    clips.clear();
    press(kQuietCorner + QPoint(5, 40));
    EXPECT_EQ(window->puzzle().HeldPiece, -1);
    release(kQuietCorner + QPoint(5, 40));
    EXPECT_EQ(pieces(), table);
    EXPECT_TRUE(clips.empty()) << "nothing dropped, nothing heard";
}

TEST_F(PlayAreaTest, TheColumnAndRowJustPastACellNeverHitIt) {
    startGame(HardJigsaw);
    placePiece(4, kQuietCorner, false);
    const std::vector<Piece> table = pieces();
    for (int d = 0; d < CellSize; ++d) {
        for (const QPoint at :
             {kQuietCorner + QPoint(CellSize, d), kQuietCorner + QPoint(d, CellSize)}) {
            press(at);
            EXPECT_EQ(window->puzzle().HeldPiece, -1) << at.x() << "," << at.y();
            release(at);
        }
    }
    EXPECT_EQ(pieces(), table);
}

TEST_F(PlayAreaTest, DropsSnapToTheLatticeAlsoOutsideThePlayArea) {
    startGame();
    clips.clear();
    press(*visiblePointOf(5));
    release({95, 95});
    EXPECT_EQ(QPoint(pieces()[0].X, pieces()[0].Y), QPoint(55, 55));
    press(*visiblePointOf(5));
    release({100, 101});
    EXPECT_EQ(QPoint(pieces()[0].X, pieces()[0].Y), QPoint(55, 66));

    // Dragged past the edge with the button held, the piece follows and stays there.
    press(*visiblePointOf(2));
    moveTo({700, -50});
    EXPECT_EQ(QPoint(pieces()[0].X, pieces()[0].Y), QPoint(660, -90));
    release({700, -50});
    EXPECT_EQ(QPoint(pieces()[0].X, pieces()[0].Y), QPoint(660, -88));
    EXPECT_EQ(window->puzzle().HeldPiece, -1);
    EXPECT_EQ(clips, std::vector<int>({1, 1, 1}));
    EXPECT_TRUE(window->state().GameRunning);
}

TEST_F(PlayAreaTest, RTurnsTheHeldPieceOnlyWithAnyModifiers) {
    startGame();
    const std::vector<Piece> table = pieces();
    clips.clear();
    pressR();
    EXPECT_EQ(pieces(), table);
    EXPECT_TRUE(clips.empty()) << "no piece held, no sound";
    EXPECT_TRUE(area().cursor() == window->normalPointer());

    press(*visiblePointOf(3));
    EXPECT_EQ(window->focusWidget(), &area()) << "the press gives the play area the keys";
    const Piece held = pieces()[0];
    pressR();
    EXPECT_EQ(pieces()[0].Turns, (held.Turns + 1) % 4);
    EXPECT_TRUE(area().cursor() == window->turnPointer());
    for (Qt::KeyboardModifiers mods : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
        pressR(mods);
    EXPECT_EQ(pieces()[0].Turns, held.Turns) << "four turns in all";
    EXPECT_EQ(QPoint(pieces()[0].X, pieces()[0].Y), QPoint(held.X, held.Y))
        << "turned about the cell centre";
    QTest::keyClick(&area(), Qt::Key_T);
    QTest::keyClick(&area(), Qt::Key_Space);
    EXPECT_EQ(pieces()[0].Turns, held.Turns) << "other keys do nothing";
    EXPECT_EQ(clips, std::vector<int>({2, 2, 2, 2}));

    release(cellCentre({110, 110}));
    EXPECT_TRUE(area().cursor() == window->normalPointer());
    EXPECT_EQ(clips.back(), 1);
}

TEST_F(PlayAreaTest, ARightPressChangesOnlyThePointer) {
    startGame();
    const std::vector<Piece> table = pieces();
    const QPoint grip = *visiblePointOf(0);
    press(grip, Qt::RightButton);
    release(grip, Qt::RightButton);
    EXPECT_EQ(pieces(), table);
    EXPECT_EQ(window->puzzle().HeldPiece, -1);

    press(grip);
    pressR();
    ASSERT_TRUE(area().cursor() == window->turnPointer());
    const std::vector<Piece> holding = pieces();
    clips.clear();
    press(grip, Qt::RightButton);
    EXPECT_TRUE(area().cursor() == window->normalPointer());
    release(grip, Qt::RightButton);
    EXPECT_EQ(pieces(), holding);
    EXPECT_EQ(window->puzzle().HeldPiece, 0) << "still held by the left button";
    EXPECT_TRUE(clips.empty());
}

TEST_F(PlayAreaTest, ThePointersAreTheWindowsTwoIcons) {
    EXPECT_TRUE(area().cursor() == window->normalPointer());
    EXPECT_EQ(window->normalPointer().pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              window->picNIcon().convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(window->turnPointer().pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              window->picRIcon().convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(window->normalPointer().hotSpot(), QPoint(1, 1));
    EXPECT_EQ(window->turnPointer().hotSpot(), QPoint(16, 16));
}

// Collects the regions the play area paints.
class PaintLog : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST_F(PlayAreaTest, ADragStepRepaintsOnlyWhatChanged) {
    startGame(HardJigsaw, 600, 350);
    ASSERT_EQ(pieces().size(), 14u * 8u);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    PaintLog log;
    area().installEventFilter(&log);

    QPoint pointer = *visiblePointOf(40);
    press(pointer);
    QCoreApplication::processEvents();
    for (int step = 0; step < 6; ++step) {
        SCOPED_TRACE(step);
        const QImage before = screenImage().copy();
        log.painted = QRegion();
        pointer += QPoint(7, 3);
        moveTo(pointer);
        QCoreApplication::processEvents();
        const QImage after = screenImage();
        int changed = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (before.pixel(x, y) != after.pixel(x, y)) {
                    ++changed;
                    ASSERT_TRUE(log.painted.contains(QPoint(x, y)))
                        << x << "," << y << " not shown";
                }
        EXPECT_GT(changed, 0);
        const QRect bounds = log.painted.boundingRect();
        EXPECT_LE(bounds.width() * bounds.height(), 2 * 100 * 100) << "two cells, not the board";
    }
    release(pointer);
    area().removeEventFilter(&log);
    // And what is on screen is the board as a full repaint paints it.
    EXPECT_EQ(area().grab().toImage().convertToFormat(QImage::Format_RGB32),
              screenImage().convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace qx
