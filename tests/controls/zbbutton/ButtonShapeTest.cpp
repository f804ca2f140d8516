#include <gtest/gtest.h>

#include <vector>

#include "controls/zbbutton/ButtonShape.h"

namespace qx {
namespace {

ButtonState button(int width, int height, long shape, long style = 0) {
    ButtonState state;
    state.Width = width;
    state.Height = height;
    state.props.ButtonShape = shape;
    state.props.ButtonStyle = style;
    return state;
}

// Builds the region; a widening request is applied the way the widget does.
ButtonState built(ButtonState state, GdiSurface* surface = nullptr) {
    GdiSurface own(state.Width, state.Height);
    BuildShapeRegion(state, surface ? *surface : own, [&](int w) { state.Width = w; });
    return state;
}

TEST(ButtonShape, SlantedButtonTooNarrowForItsSlantIsWidened) {
    for (long shape : {1L, 2L}) {
        ButtonState state = button(24, 20, shape);
        GdiSurface surface(24, 20);
        std::vector<int> requests;
        bool delayedDuringResize = false;
        BuildShapeRegion(state, surface, [&](int w) {
            requests.push_back(w);
            delayedDuringResize = state.DrawingDelayed;
            state.Width = w;
        });
        EXPECT_EQ(requests, std::vector<int>{29}) << shape;  // 24 - 21 = 3, 29 - 21 = 8
        EXPECT_TRUE(delayedDuringResize);
        EXPECT_FALSE(state.DrawingDelayed);
    }
    EXPECT_EQ(widenedSlantWidth(0, 24, 20), 24);
    EXPECT_EQ(widenedSlantWidth(1, 26, 20), 26);  // 26 - 21 = 5 is room enough
}

TEST(ButtonShape, BothEdgesSlantedOnAWideButton) {
    const ButtonState state = built(button(100, 20, 3));
    EXPECT_EQ(state.Width, 100);
    EXPECT_EQ(state.ContentLeft, 21);
    EXPECT_EQ(state.ContentRight, 79);
    const QRegion& r = state.OuterRegion;
    // Top edge from (0, 0) to (80, 0); the slants meet the bottom at 20 and 100.
    EXPECT_TRUE(r.contains(QPoint(0, 0)));
    EXPECT_TRUE(r.contains(QPoint(79, 0)));
    EXPECT_FALSE(r.contains(QPoint(80, 0)));
    EXPECT_FALSE(r.contains(QPoint(19, 20)));
    EXPECT_TRUE(r.contains(QPoint(20, 20)));
    EXPECT_TRUE(r.contains(QPoint(98, 19)));
    EXPECT_FALSE(r.contains(QPoint(99, 19)));
    EXPECT_FALSE(r.contains(QPoint(10, 15)));
}

TEST(ButtonShape, BothEdgesSlantedWidenUntilTheContentBandIsFivePixels) {
    // 30 x 20 would put ContentLeft (21) right of ContentRight (9).
    const ButtonState state = built(button(30, 20, 3));
    EXPECT_EQ(state.Width, 50);
    EXPECT_EQ(state.ContentLeft, 21);
    EXPECT_EQ(state.ContentRight, 29);
    EXPECT_GE(state.ContentRight - state.ContentLeft, 5);
}

struct CornerCase {
    long style;
    bool enabled;
    std::vector<QPoint> cut;
    std::vector<QPoint> kept;
};

TEST(ButtonShape, CornerTrimmingPerButtonStyle) {
    const int w = 10, h = 10;
    const std::vector<CornerCase> cases = {
        {1, true, {{0, 0}, {0, 9}, {9, 9}, {9, 0}}, {{1, 0}, {0, 1}, {8, 9}, {9, 8}}},
        // 2-pixel triangles at the top, 3-pixel ones at the bottom.
        {2,
         true,
         {{0, 0},
          {1, 0},
          {0, 1},
          {0, 9},
          {1, 9},
          {0, 8},
          {9, 0},
          {8, 0},
          {9, 1},
          {9, 9},
          {8, 9},
          {9, 8}},
         {{2, 0}, {1, 1}, {0, 2}, {2, 9}, {1, 8}, {0, 7}, {7, 0}, {8, 1}, {7, 9}, {9, 7}}},
        {7, true, {{0, 0}, {1, 0}, {9, 9}, {8, 9}}, {{2, 0}, {7, 9}}},
        {3, true, {{0, 9}, {9, 0}}, {{0, 0}, {9, 9}}},
        {3, false, {}, {{0, 9}, {9, 0}, {0, 0}, {9, 9}}},
        {0, true, {}, {{0, 0}, {9, 0}, {0, 9}, {9, 9}}},
    };
    for (const CornerCase& c : cases) {
        ButtonState state = button(w, h, 0, c.style);
        state.props.Enabled = c.enabled;
        const QRegion r = built(state).OuterRegion;
        for (QPoint p : c.cut)
            EXPECT_FALSE(r.contains(p)) << c.style << " " << p.x() << "," << p.y();
        for (QPoint p : c.kept)
            EXPECT_TRUE(r.contains(p)) << c.style << " " << p.x() << "," << p.y();
    }
}

TEST(ButtonShape, FlatGreyLosesItsTrimmedPixelsWhileDisabledAndRegainsThem) {
    ButtonState state = button(40, 20, 0, 3);
    GdiSurface surface(40, 20);
    auto noWidening = [](int) {};
    BuildShapeRegion(state, surface, noWidening);
    EXPECT_FALSE(state.OuterRegion.contains(QPoint(39, 0)));
    state.props.Enabled = false;
    BuildShapeRegion(state, surface, noWidening);
    EXPECT_TRUE(state.OuterRegion.contains(QPoint(39, 0)));
    EXPECT_TRUE(state.OuterRegion.contains(QPoint(0, 19)));
    state.props.Enabled = true;
    BuildShapeRegion(state, surface, noWidening);
    EXPECT_FALSE(state.OuterRegion.contains(QPoint(39, 0)));
    EXPECT_FALSE(state.OuterRegion.contains(QPoint(0, 19)));
}

TEST(ButtonShape, SlantedShapesTrimOnlyTheirUprightSide) {
    const QRegion leftSlanted = built(button(60, 20, 1, 1)).OuterRegion;
    EXPECT_FALSE(leftSlanted.contains(QPoint(59, 0)));  // right side is upright
    EXPECT_TRUE(leftSlanted.contains(QPoint(0, 0)));
    const QRegion rightSlanted = built(button(60, 20, 2, 1)).OuterRegion;
    EXPECT_FALSE(rightSlanted.contains(QPoint(0, 0)));
    EXPECT_TRUE(rightSlanted.contains(QPoint(0, 18)));
}

TEST(ButtonShape, EllipsesKeepTwoInnerRegionsAndShapeSixGetsABlackFrame) {
    GdiSurface surface(40, 20);
    surface.FillRect({0, 0, 40, 20}, 0x00FF00);
    surface.SelectClipRgn(RectRgn(0, 0, 5, 5));
    const ButtonState state = built(button(40, 20, 6), &surface);
    EXPECT_FALSE(surface.hasClip());
    EXPECT_EQ(state.OuterRegion, EllipticRgn(0, 0, 40, 20));
    EXPECT_EQ(state.InnerRegion1, EllipticRgn(1, 1, 39, 19));
    EXPECT_EQ(state.InnerRegion2, EllipticRgn(2, 2, 38, 18));
    EXPECT_EQ(surface.GetPixel(20, 0), 0u);          // frame on the outline
    EXPECT_EQ(surface.GetPixel(20, 10), 0x00FF00u);  // inside untouched
    EXPECT_EQ(surface.GetPixel(0, 0), 0x00FF00u);    // outside untouched

    GdiSurface hotTrack(40, 20);
    hotTrack.FillRect({0, 0, 40, 20}, 0x00FF00);
    built(button(40, 20, 6, 5), &hotTrack);
    EXPECT_EQ(hotTrack.GetPixel(20, 0), 0x00FF00u);  // ButtonStyle 5 draws no outline
}

TEST(ButtonShape, BevelledEllipsesRunFromWhiteAtTheTopToGreyAtTheBottom) {
    for (long shape : {4L, 5L}) {
        GdiSurface surface(40, 20);
        built(button(40, 20, shape), &surface);
        EXPECT_EQ(surface.GetPixel(20, 0), 0xFFFFFFu) << shape;
        EXPECT_GE(surface.GetPixel(20, 19) & 0xFF, 0x80u) << shape;  // a step from grey
        EXPECT_LT(surface.GetPixel(20, 19) & 0xFF, 0x90u) << shape;
        EXPECT_LT(surface.GetPixel(20, 10) & 0xFF, 0xFFu);
        EXPECT_GT(surface.GetPixel(20, 10) & 0xFF, 0x80u);
    }
}

TEST(CustomClickMove, PressedButtonMovesByItsDisplacementAndReturns) {
    ButtonState state = button(30, 30, 7);
    state.props.CustomClick = 4;
    QPoint position(100, 50);
    auto move = [&](QPoint d) { position += d; };

    EXPECT_FALSE(CustomClickMove(state, move));  // not pressed: nothing
    EXPECT_EQ(position, QPoint(100, 50));
    state.StateFlags = kPressed | kHot;
    EXPECT_TRUE(CustomClickMove(state, move));
    EXPECT_EQ(position, QPoint(101, 51));
    EXPECT_FALSE(CustomClickMove(state, move));  // already displaced
    EXPECT_EQ(position, QPoint(101, 51));
    state.StateFlags = kPressed;  // cursor left the button
    EXPECT_FALSE(CustomClickMove(state, move));
    EXPECT_EQ(position, QPoint(100, 50));
    EXPECT_FALSE(state.Moved);
}

TEST(CustomClickMove, UndoesWhatItAppliedWhateverChangedMeanwhile) {
    ButtonState state = button(30, 30, 8);
    QPoint position(0, 0);
    auto move = [&](QPoint d) { position += d; };
    state.props.CustomClick = 2;
    state.StateFlags = kPressed | kHot;
    ASSERT_TRUE(CustomClickMove(state, move));
    EXPECT_EQ(position, QPoint(1, -1));
    state.props.CustomClick = 0;  // changed while down
    state.props.Mode = 1;
    state.StateFlags = 0;
    CustomClickMove(state, move);
    EXPECT_EQ(position, QPoint(0, 0));

    state.props.CustomClick = 5;
    state.props.Mode = 0;
    state.StateFlags = kPressed | kHot;
    CustomClickMove(state, move);
    state.props.CustomClick = 6;
    state.StateFlags = 0;
    CustomClickMove(state, move);
    EXPECT_EQ(position, QPoint(0, 0));
}

}  // namespace
}  // namespace qx
