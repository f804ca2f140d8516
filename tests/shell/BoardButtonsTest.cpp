// Scatter Puzzle, Move Board and Set Board Color on the running window.
#include <QColorDialog>

#include "GameTestSupport.h"
#include "shell/CommonDialog.h"

namespace qx {
namespace {

using BoardButtonsTest = GameTest;

std::vector<std::array<int, 3>> identities(const std::vector<Piece>& pieces) {
    std::vector<std::array<int, 3>> ids;
    for (const Piece& p : pieces) ids.push_back({p.Row, p.Col, p.PatIndex});
    return ids;
}

TEST_F(BoardButtonsTest, WithoutARunningGameOnlyTheColourButtonWorks) {
    window->setColorChooser([](QWidget*, const QColor&) { return QColor(10, 20, 30); });
    click(window->cmdShuffle());
    for (int k = 0; k < 4; ++k) click(window->cmdMoveBoard(k));
    EXPECT_TRUE(clips.empty());
    EXPECT_TRUE(pieces().empty());

    // Before the first game the play area simply takes the new colour.
    click(window->cmdBoardColor());
    const QImage shown = area().grab().toImage();
    for (const QPoint at : {QPoint(0, 0), QPoint(312, 240), QPoint(624, 480)})
        EXPECT_EQ(shown.pixelColor(at), QColor(10, 20, 30));
    EXPECT_EQ(area().BackColor(), oleRgb(10, 20, 30)) << "the play area's own colour follows";
    EXPECT_EQ(pictures().picBG.pixel(100, 100), rgb(10, 20, 30));
}

TEST_F(BoardButtonsTest, ScatterDealsAnewRestartsTheCountAndIsHeard) {
    startGame(HardJigsaw, 300, 200);
    for (int tick = 0; tick < 5; ++tick) window->Timer1_Timer();
    const std::vector<Piece> before = pieces();
    clips.clear();
    click(window->cmdShuffle());
    EXPECT_EQ(clips, std::vector<int>({4}));
    EXPECT_EQ(identities(pieces()), identities(before)) << "same pieces, same stacking";
    EXPECT_NE(pieces(), before);
    for (const Piece& p : pieces()) {
        EXPECT_EQ(p.X % SnapStep, 0);
        EXPECT_EQ(p.Y % SnapStep, 0);
        EXPECT_TRUE(p.X >= 55 && p.X <= 440 && p.Y >= 55 && p.Y <= 297) << p.X << "," << p.Y;
    }
    EXPECT_EQ(window->state().ElapsedSeconds, 0);
    EXPECT_EQ(window->lblElapsed().Caption(), QStringLiteral("00:00:05")) << "until the next tick";
    EXPECT_TRUE(window->Timer1().isActive());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy pointer is gone";
    window->Timer1_Timer();
    EXPECT_EQ(window->lblElapsed().Caption(), QStringLiteral("00:00:01"));
    EXPECT_EQ(area().grab().toImage().convertToFormat(QImage::Format_RGB32),
              screenImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(BoardButtonsTest, MoveBoardShiftsEveryPieceAGridStep) {
    startGame();
    press(*visiblePointOf(0));
    release({700, 60});  // one piece out of view: it moves with the rest
    const std::vector<Piece> start = pieces();
    const QPoint steps[] = {{-44, 0}, {44, 0}, {0, -44}, {0, 44}};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        clips.clear();
        click(window->cmdMoveBoard(k));
        EXPECT_EQ(clips, std::vector<int>({5}));
        ASSERT_EQ(pieces().size(), start.size());
        for (std::size_t i = 0; i < start.size(); ++i) {
            EXPECT_EQ(pieces()[i].X, start[i].X + steps[k].x());
            EXPECT_EQ(pieces()[i].Y, start[i].Y + steps[k].y());
        }
        click(window->cmdMoveBoard(k ^ 1));  // and back
        EXPECT_EQ(pieces(), start);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(BoardButtonsTest, TheColourDialogStartsAtTheBoardColourAndCancelKeepsIt) {
    startGame();
    std::vector<QColor> offered;
    std::optional<QColor> answer;
    window->setColorChooser([&](QWidget*, const QColor& current) {
        offered.push_back(current);
        return answer;
    });
    const GameSnapshot before = snapshot();
    click(window->cmdBoardColor());
    EXPECT_TRUE(snapshot() == before) << "cancelled: nothing changes";
    EXPECT_EQ(area().BackColor(), oleRgb(227, 231, 203));

    answer = QColor(40, 80, 160);
    click(window->cmdBoardColor());
    EXPECT_EQ(pieces(), before.pieces);
    EXPECT_EQ(pictures().picBG.pixel(0, 0), rgb(40, 80, 160));
    EXPECT_EQ(area().BackColor(), oleRgb(40, 80, 160));
    // Where no piece lies the board shows the new colour.
    const QPoint free{620, 470};
    ASSERT_EQ(topmostAt(free.x(), free.y()), -1);
    EXPECT_EQ(pictures().picScreen.pixel(free.x(), free.y()), rgb(40, 80, 160));

    answer.reset();
    click(window->cmdBoardColor());
    EXPECT_EQ(offered, std::vector<QColor>(
                           {QColor(227, 231, 203), QColor(227, 231, 203), QColor(40, 80, 160)}));
    EXPECT_EQ(pictures().picBG.pixel(0, 0), rgb(40, 80, 160));
    EXPECT_TRUE(clips.empty()) << "the colour makes no sound";
}

TEST_F(BoardButtonsTest, TheChosenBoardColourSurvivesEveryNewGame) {
    QColor answer(200, 30, 90);
    std::vector<QColor> offered;
    window->setColorChooser([&](QWidget*, const QColor& current) {
        offered.push_back(current);
        return answer;
    });
    const auto expectBoardIs = [&](const QColor& colour) {
        const Pixel board = toPixel(colour);
        EXPECT_EQ(pictures().picBG.pixel(0, 0), board);
        EXPECT_EQ(area().BackColor(), toColorRef(board));
        const QPoint free{620, 470};
        ASSERT_EQ(topmostAt(free.x(), free.y()), -1);
        EXPECT_EQ(pictures().picScreen.pixel(free.x(), free.y()), board);
        EXPECT_EQ(area().grab().toImage().pixelColor(free), colour);
    };
    click(window->cmdBoardColor());  // before the first game
    startGame(Rectangular, 200, 150);
    expectBoardIs(QColor(200, 30, 90));

    answer = QColor(12, 140, 70);
    click(window->cmdBoardColor());  // during a game
    startGame(HardJigsaw, 300, 150);
    expectBoardIs(QColor(12, 140, 70));
    click(window->cmdBoardColor());
    EXPECT_EQ(offered.back(), QColor(12, 140, 70)) << "the dialog starts at the kept colour";
}

TEST_F(BoardButtonsTest, TheRealColourDialogIsQtsOwnAndStartsAtTheBoardColour) {
    window->setColorChooser(&ChooseColorInDialog);
    QColor startedAt;
    bool nonNative = false;
    auto answerWith = [&](std::optional<QColor> colour) {
        QTimer::singleShot(0, [&, colour] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "no colour dialog open";
                return;
            }
            startedAt = dialog->currentColor();
            nonNative = dialog->testOption(QColorDialog::DontUseNativeDialog);
            if (colour) {
                dialog->setCurrentColor(*colour);
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
    };
    answerWith(std::nullopt);
    click(window->cmdBoardColor());
    EXPECT_EQ(startedAt, QColor(227, 231, 203));
    EXPECT_TRUE(nonNative);
    EXPECT_EQ(pictures().picBG.pixel(0, 0), rgb(227, 231, 203));

    answerWith(QColor(0, 128, 64));
    click(window->cmdBoardColor());
    EXPECT_EQ(pictures().picBG.pixel(0, 0), rgb(0, 128, 64));
    answerWith(std::nullopt);
    click(window->cmdBoardColor());
    EXPECT_EQ(startedAt, QColor(0, 128, 64));
}

}  // namespace
}  // namespace qx
