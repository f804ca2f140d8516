#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "BoardFixture.h"

namespace qx {
namespace {

bool inside(const ChangedArea& area, int x, int y) {
    for (const PixelRect& r : area.rects())
        if (x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h) return true;
    return false;
}

struct HeldPieceRepaint : testing::BoardFixture {
    std::mt19937 rng{12345};

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    void pickUp(int index) {
        auto& pieces = puzzle.Pieces;
        std::rotate(pieces.begin(), pieces.begin() + index, pieces.begin() + index + 1);
        puzzle.HeldPiece = 0;
    }

    // A new place for the held piece: a small step, or anywhere from well off
    // the board on one side to well off it on the other.
    void moveHeld() {
        Piece& held = puzzle.Pieces.front();
        if (uniform(0, 2) == 0) {
            held.X = static_cast<std::int16_t>(uniform(-120, PlayAreaWidth + 40));
            held.Y = static_cast<std::int16_t>(uniform(-120, PlayAreaHeight + 40));
        } else {
            held.X = static_cast<std::int16_t>(held.X + uniform(-12, 12));
            held.Y = static_cast<std::int16_t>(held.Y + uniform(-12, 12));
        }
    }

    // Repaints and checks the result against the reference, that every
    // changed pixel lies in a reported rectangle, and whether only the held
    // piece was redone.
    void repaintAndCheck(bool expectPartial, const std::string& step) {
        const Bitmap before = pictures.picScreen;
        const ChangedArea changed = puzzle.RedrawBoard(pictures);
        ASSERT_EQ(differencesFromReference(), 0) << step;
        ASSERT_EQ(puzzle.lastRedrawWasPartial(), expectPartial) << step;
        int outside = 0;
        for (int y = 0; y < PlayAreaHeight; ++y)
            for (int x = 0; x < PlayAreaWidth; ++x)
                outside +=
                    before.pixel(x, y) != pictures.picScreen.pixel(x, y) && !inside(changed, x, y);
        ASSERT_EQ(outside, 0) << step;
    }

    void playRandomly(int steps) {
        for (int step = 0; step < steps; ++step) {
            const std::string where = "step " + std::to_string(step);
            if (!puzzle.holding()) {
                pickUp(uniform(0, puzzle.lastIndex()));
                moveHeld();
                repaintAndCheck(false, where + " pick-up");
                continue;
            }
            switch (uniform(0, 9)) {
                case 0:
                    puzzle.HeldPiece = -1;
                    repaintAndCheck(false, where + " drop");
                    break;
                case 1:
                case 2:
                    puzzle.RotatePiece(0, pictures);
                    repaintAndCheck(true, where + " turn");
                    break;
                default:
                    moveHeld();
                    repaintAndCheck(true, where + " drag");
            }
        }
    }
};

TEST_F(HeldPieceRepaint, DragsAndTurnsGiveTheFullRepaintsPixels) {
    for (int gameType : {0, 2}) {
        for (auto [w, h] : {std::pair{88, 88}, std::pair{632, 355}}) {
            cut(w, h, gameType);
            scatter(static_cast<std::uint64_t>(w + gameType));
            playRandomly(120);
        }
    }
}

TEST_F(HeldPieceRepaint, PiecesPiledAtTheEdgesAndOffTheBoard) {
    cut(300, 200, HardJigsaw);
    for (Piece& p : puzzle.Pieces) {
        const int edge = uniform(0, 3);
        p.X = static_cast<std::int16_t>(edge == 0   ? uniform(-79, -1)
                                        : edge == 1 ? uniform(560, 640)
                                                    : uniform(0, 560));
        p.Y = static_cast<std::int16_t>(edge == 2   ? uniform(-79, -1)
                                        : edge == 3 ? uniform(420, 500)
                                                    : uniform(0, 420));
    }
    playRandomly(150);
}

TEST_F(HeldPieceRepaint, ANonMovePaintsTheSamePixelsAgain) {
    cut(200, 200, EasyJigsaw);
    scatter(5);
    pickUp(3);
    repaintAndCheck(false, "pick-up");
    const Bitmap held = pictures.picScreen;
    repaintAndCheck(true, "same place");
    EXPECT_EQ(pictures.picScreen, held);
}

// Anything but the held piece changing makes the next repaint a full one.
TEST_F(HeldPieceRepaint, IsNeverUsedWhenAnythingElseChanged) {
    cut(300, 200, HardJigsaw);
    scatter(9);
    const std::vector<std::pair<std::string, std::function<void()>>> changes = {
        {"background", [&] { pictures.picBG.fill(rgb(10, 20, 30)); }},
        {"record below moved",
         [&] { puzzle.Pieces[5].X = static_cast<std::int16_t>(puzzle.Pieces[5].X + 11); }},
        {"record below turned", [&] { puzzle.RotatePiece(7, pictures); }},
        {"stacking order below", [&] { std::swap(puzzle.Pieces[1], puzzle.Pieces[2]); }},
        {"picture below",
         [&] {
             const Piece& p = puzzle.Pieces[4];
             pictures.picPat[static_cast<std::size_t>(p.PatIndex)].setPixel(40, 40, rgb(1, 1, 1));
         }},
        {"pictures replaced",
         [&] {
             std::vector<Bitmap> copy = pictures.picPat;
             copy[static_cast<std::size_t>(puzzle.Pieces[6].PatIndex)].fill(rgb(9, 9, 9));
             pictures.picPat = copy;
         }},
        {"stencil",
         [&] { pictures.picMasks.setPixel(CellSize * puzzle.Pieces[3].Shape + 40, 40, kBlack); }},
        {"play area drawn on",
         [&] { pictures.picScreen.setPixel(puzzle.Pieces[0].X + 5, 5, kBlack); }},
        {"piece removed", [&] { puzzle.Pieces.pop_back(); }},
        {"piece added", [&] { puzzle.Pieces.push_back(puzzle.Pieces[3]); }},
    };
    for (const auto& [name, change] : changes) {
        pickUp(uniform(0, puzzle.lastIndex()));
        repaintAndCheck(false, name + ": pick-up");
        moveHeld();
        repaintAndCheck(true, name + ": drag");
        change();
        moveHeld();
        repaintAndCheck(false, name + ": after the change");
        moveHeld();
        repaintAndCheck(true, name + ": next drag");
        puzzle.HeldPiece = -1;
        repaintAndCheck(false, name + ": drop");
    }
}

TEST_F(HeldPieceRepaint, ReportsTheOldAndTheNewCell) {
    cut(200, 200, EasyJigsaw);
    scatter(5);
    pickUp(2);
    Piece& held = puzzle.Pieces.front();
    held.X = 100;
    held.Y = 120;
    puzzle.RedrawBoard(pictures);
    held.X = 300;
    held.Y = -30;
    const ChangedArea changed = puzzle.RedrawBoard(pictures);
    ASSERT_EQ(changed.rects().size(), 2u);
    EXPECT_EQ(changed.rects()[0], (PixelRect{100, 120, 81, 81}));
    EXPECT_EQ(changed.rects()[1], (PixelRect{300, 0, 81, 51}));
    // Wholly off the board: only the cell it left.
    held.X = -200;
    const ChangedArea off = puzzle.RedrawBoard(pictures);
    ASSERT_EQ(off.rects().size(), 1u);
    EXPECT_EQ(off.rects()[0], (PixelRect{300, 0, 81, 51}));
}

}  // namespace
}  // namespace qx
