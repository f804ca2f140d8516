// Dragging the hint box by hand onto the play area.
#include <QRubberBand>

#include "GameTestSupport.h"
#include "shell/HintBoxDrag.h"

namespace qx {
namespace {

class HintBoxDragTest : public GameTest {
protected:
    PictureBox& box() { return window->picStatus(); }
    // Events go to the box, which keeps the mouse while a button is down;
    // positions are given in client pixels.
    QPoint local(QPoint inClient) { return inClient - box().pos(); }
    void pressBox(QPoint grab, Qt::MouseButton button) {
        QTest::mousePress(&box(), button, {}, grab);
    }
    void moveBox(QPoint inClient) { QTest::mouseMove(&box(), local(inClient)); }
    void releaseBox(QPoint inClient, Qt::MouseButton button) {
        QTest::mouseRelease(&box(), button, {}, local(inClient));
    }
};

TEST_F(HintBoxDragTest, ReleasedOverThePlayAreaTheBoxLandsWhereItsOutlineWas) {
    startGame();
    const QPoint home = box().pos();
    ASSERT_EQ(home, QPoint(36, 398));
    const QRubberBand& outline = window->hintBoxDrag().outline();

    pressBox({10, 20}, Qt::RightButton);  // any button drags
    EXPECT_EQ(window->state().DragX, 10);
    EXPECT_EQ(window->state().DragY, 20);
    EXPECT_TRUE(outline.isVisible());
    EXPECT_EQ(outline.geometry(), box().geometry());
    moveBox({400, 200});
    EXPECT_EQ(outline.geometry(), QRect(QPoint(390, 180), box().size()))
        << "the outline keeps the grab point under the pointer";
    EXPECT_EQ(box().pos(), home) << "the box waits for the drop";

    const QRect shown = outline.geometry();
    releaseBox({400, 200}, Qt::RightButton);
    EXPECT_FALSE(outline.isVisible());
    EXPECT_EQ(box().geometry(), shown);
    EXPECT_EQ(window->client().childAt(box().geometry().center()), &box())
        << "over the play area the box stays in sight";
    EXPECT_TRUE(clips.empty());
    EXPECT_TRUE(window->state().GameRunning);
}

TEST_F(HintBoxDragTest, ReleasedAnywhereElseTheBoxStays) {
    const QPoint home = box().pos();
    for (const QPoint drop : {QPoint(60, 300), QPoint(130, 200), QPoint(50, 420)}) {
        SCOPED_TRACE(drop.x());
        pressBox({30, 30}, Qt::LeftButton);
        moveBox(drop);
        releaseBox(drop, Qt::LeftButton);
        EXPECT_EQ(box().pos(), home);
        EXPECT_FALSE(window->hintBoxDrag().dragging());
    }

    // Moved over the play area, a drop onto the box itself leaves it there too.
    pressBox({1, 1}, Qt::LeftButton);
    releaseBox({300, 300}, Qt::LeftButton);
    const QPoint moved = box().pos();
    ASSERT_EQ(moved, QPoint(300 - 1, 300 - 1));
    pressBox({5, 5}, Qt::LeftButton);
    releaseBox(moved + QPoint(40, 40), Qt::LeftButton);
    EXPECT_EQ(box().pos(), moved);
}

TEST_F(HintBoxDragTest, OnlyTheButtonThatStartedTheDragEndsIt) {
    pressBox({10, 10}, Qt::LeftButton);
    pressBox({10, 10}, Qt::RightButton);
    releaseBox({400, 200}, Qt::RightButton);
    EXPECT_TRUE(window->hintBoxDrag().dragging());
    EXPECT_EQ(box().pos(), QPoint(36, 398));
    releaseBox({400, 200}, Qt::LeftButton);
    EXPECT_FALSE(window->hintBoxDrag().dragging());
    EXPECT_EQ(box().pos(), QPoint(400 - 10, 200 - 10));
}

}  // namespace
}  // namespace qx
