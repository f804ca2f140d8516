#include <QImage>

#include <gtest/gtest.h>

#include "FaceLooks.h"
#include "controls/zbbutton/ButtonColors.h"
#include "controls/zbbutton/ButtonContent.h"
#include "controls/zbbutton/ButtonLayout.h"
#include "controls/zbbutton/ButtonPainters.h"
#include "controls/zbbutton/ButtonPictureDraw.h"
#include "controls/zbbutton/ButtonShape.h"
#include "platform/qt/OwnPicture.h"

namespace qx {
namespace {

constexpr RgbColor kBack = 0xC0C0C0;
constexpr RgbColor kWhiteRgb = 0xFFFFFF;
constexpr RgbColor kGreyRgb = 0x808080;
constexpr RgbColor kSoft = 0xE9E9E9;
constexpr RgbColor kFaceShown = -2;  // no edge: the face shows
const QSize kScreen(1280, 800);

ButtonState button(long style, int w = 40, int h = 20) {
    ButtonState s;
    s.props.ButtonStyle = style;
    s.props.BackColor = s.props.HoverBackColor = s.props.GradientColor = kBack;
    s.props.ForeColor = 0;
    s.Width = w;
    s.Height = h;
    s.ContentRight = w;
    s.colors = deriveColors(s.props);
    return s;
}

int redraw(ButtonState& s, GdiSurface& surface) {
    RedrawContext context{s, surface, kScreen, {}};
    return Redraw(context);
}

// A pixel in the middle of each segment, entries 1..12 (inner, middle, outer
// ring; left, top, right, bottom).
QPoint segmentProbe(int entry, int w, int h) {
    const int inset = 2 - (entry - 1) / 4;
    switch ((entry - 1) % 4) {
        case 0:
            return {inset, h / 2};
        case 1:
            return {w / 2, inset};
        case 2:
            return {w - 1 - inset, h / 2};
        default:
            return {w / 2, h - 1 - inset};
    }
}

struct EdgeCase {
    long style;
    Look look;
    std::array<RgbColor, 12> rings;  // entries 1..12
};

void PrintTo(const EdgeCase& c, std::ostream* os) {
    static const char* const kLooks[] = {"idle",    "hover",   "default",
                                         "pressed", "checked", "disabled"};
    *os << "style " << c.style << " " << kLooks[static_cast<int>(c.look)];
}

class EdgeRingsTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(EdgeRingsTest, EverySegmentHasItsTableColour) {
    const EdgeCase& c = GetParam();
    ButtonState s = button(c.style);
    addLook(s, c.look);
    GdiSurface surface;
    ASSERT_EQ(redraw(s, surface), kShowFace);
    // The face the painter fills with, where no edge is drawn.
    RgbColor face = s.colors.FaceColor;
    if (c.look == Look::Checked)
        face = s.colors.CheckedFaceColor;
    else if (c.look == Look::Pressed && (c.style == 3 || c.style == 7))
        face = s.colors.PressedFaceColor;
    for (int entry = 1; entry <= 12; ++entry) {
        const QPoint at = segmentProbe(entry, s.Width, s.Height);
        RgbColor want = c.rings[static_cast<size_t>(entry - 1)];
        if (want == kFaceShown) want = face;
        EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(at.x(), at.y())), want)
            << "entry " << entry << " at " << at.x() << "," << at.y();
    }
}

constexpr RgbColor F = kFaceShown;
INSTANTIATE_TEST_SUITE_P(
    Soft3DAndClassic3D, EdgeRingsTest,
    ::testing::Values(
        EdgeCase{0,
                 Look::Idle,
                 {F, F, F, F, kSoft, kSoft, kGreyRgb, kGreyRgb, kWhiteRgb, kWhiteRgb, 0, 0}},
        EdgeCase{0,
                 Look::Default,
                 {kSoft, kSoft, kGreyRgb, kGreyRgb, kWhiteRgb, kWhiteRgb, 0, 0, 0, 0, 0, 0}},
        EdgeCase{
            0, Look::Pressed, {F, F, F, F, F, F, kGreyRgb, kGreyRgb, kWhiteRgb, kWhiteRgb, 0, 0}},
        EdgeCase{0, Look::Checked, {F, F, F, F, F, F, kSoft, kSoft, 0, 0, kWhiteRgb, kWhiteRgb}},
        EdgeCase{1,
                 Look::Idle,
                 {kWhiteRgb, kWhiteRgb, kGreyRgb, kGreyRgb, kWhiteRgb, kWhiteRgb, kGreyRgb,
                  kGreyRgb, 0, 0, 0, 0}},
        EdgeCase{1,
                 Look::Default,
                 {kWhiteRgb, kWhiteRgb, kGreyRgb, kGreyRgb, kWhiteRgb, kWhiteRgb, kGreyRgb,
                  kGreyRgb, 0, 0, 0, 0}},
        EdgeCase{1,
                 Look::Pressed,
                 {kGreyRgb, kGreyRgb, kWhiteRgb, kWhiteRgb, kGreyRgb, kGreyRgb, kWhiteRgb,
                  kWhiteRgb, 0, 0, 0, 0}},
        EdgeCase{1,
                 Look::Checked,
                 {kGreyRgb, kGreyRgb, kWhiteRgb, kWhiteRgb, kGreyRgb, kGreyRgb, kWhiteRgb,
                  kWhiteRgb, 0, 0, 0, 0}}));

constexpr RgbColor kSoftLight = 0xE8E8E7;  // Shift(0xDFDFDF, +8)
INSTANTIATE_TEST_SUITE_P(
    ThinEdgeAndSoftEdge, EdgeRingsTest,
    ::testing::Values(
        EdgeCase{4, Look::Idle, {F, F, F, F, F, F, F, F, kWhiteRgb, kWhiteRgb, kGreyRgb, kGreyRgb}},
        EdgeCase{
            4, Look::Pressed, {F, F, F, F, F, F, F, F, kGreyRgb, kGreyRgb, kWhiteRgb, kWhiteRgb}},
        EdgeCase{
            4, Look::Checked, {F, F, F, F, F, F, F, F, kGreyRgb, kGreyRgb, kWhiteRgb, kWhiteRgb}},
        EdgeCase{6,
                 Look::Idle,
                 {F, F, F, F, kSoftLight, kSoftLight, kGreyRgb, kGreyRgb, kSoftLight, kSoftLight,
                  kGreyRgb, kGreyRgb}},
        EdgeCase{6,
                 Look::Pressed,
                 {F, F, F, F, kGreyRgb, kGreyRgb, kSoftLight, kSoftLight, kGreyRgb, kGreyRgb,
                  kSoftLight, kSoftLight}},
        EdgeCase{6,
                 Look::Checked,
                 {F, F, F, F, kGreyRgb, kGreyRgb, kSoftLight, kSoftLight, kGreyRgb, kGreyRgb,
                  kSoftLight, kSoftLight}}));

INSTANTIATE_TEST_SUITE_P(
    HoveredAndDisabled, EdgeRingsTest,
    ::testing::Values(
        EdgeCase{0,
                 Look::Hover,
                 {F, F, F, F, kSoft, kSoft, kGreyRgb, kGreyRgb, kWhiteRgb, kWhiteRgb, 0, 0}},
        EdgeCase{0,
                 Look::Disabled,
                 {F, F, F, F, kSoft, kSoft, kGreyRgb, kGreyRgb, kWhiteRgb, kWhiteRgb, 0, 0}},
        EdgeCase{1,
                 Look::Hover,
                 {kWhiteRgb, kWhiteRgb, kGreyRgb, kGreyRgb, kWhiteRgb, kWhiteRgb, kGreyRgb,
                  kGreyRgb, 0, 0, 0, 0}},
        EdgeCase{1,
                 Look::Disabled,
                 {kWhiteRgb, kWhiteRgb, kGreyRgb, kGreyRgb, kWhiteRgb, kWhiteRgb, kGreyRgb,
                  kGreyRgb, 0, 0, 0, 0}},
        EdgeCase{
            4, Look::Hover, {F, F, F, F, F, F, F, F, kWhiteRgb, kWhiteRgb, kGreyRgb, kGreyRgb}},
        EdgeCase{
            4, Look::Default, {F, F, F, F, F, F, F, F, kWhiteRgb, kWhiteRgb, kGreyRgb, kGreyRgb}},
        EdgeCase{
            4, Look::Disabled, {F, F, F, F, F, F, F, F, kWhiteRgb, kWhiteRgb, kGreyRgb, kGreyRgb}},
        EdgeCase{6,
                 Look::Hover,
                 {F, F, F, F, kSoftLight, kSoftLight, kGreyRgb, kGreyRgb, kSoftLight, kSoftLight,
                  kGreyRgb, kGreyRgb}},
        EdgeCase{6,
                 Look::Default,
                 {F, F, F, F, kSoftLight, kSoftLight, kGreyRgb, kGreyRgb, kSoftLight, kSoftLight,
                  kGreyRgb, kGreyRgb}},
        EdgeCase{6,
                 Look::Disabled,
                 {F, F, F, F, kSoftLight, kSoftLight, kGreyRgb, kGreyRgb, kSoftLight, kSoftLight,
                  kGreyRgb, kGreyRgb}}));

// The flat-grey face: a white inner light and a dark shadow, pressed and
// checked faces without the light, a disabled one with only its dark frame.
const RgbColor kFlatDark = shiftedColor(kGreyRgb, -26);
INSTANTIATE_TEST_SUITE_P(
    FlatGrey, EdgeRingsTest,
    ::testing::Values(EdgeCase{3,
                               Look::Idle,
                               {F, F, F, F, kWhiteRgb, kWhiteRgb, kFlatDark, kFlatDark, kFlatDark,
                                kFlatDark, kWhiteRgb, kWhiteRgb}},
                      EdgeCase{3,
                               Look::Hover,
                               {F, F, F, F, kWhiteRgb, kWhiteRgb, kFlatDark, kFlatDark, kFlatDark,
                                kFlatDark, kWhiteRgb, kWhiteRgb}},
                      EdgeCase{3,
                               Look::Default,
                               {F, F, F, F, kWhiteRgb, kWhiteRgb, kFlatDark, kFlatDark, kFlatDark,
                                kFlatDark, kWhiteRgb, kWhiteRgb}},
                      EdgeCase{3,
                               Look::Pressed,
                               {F, F, F, F, F, F, kFlatDark, kFlatDark, kFlatDark, kFlatDark,
                                kWhiteRgb, kWhiteRgb}},
                      EdgeCase{3,
                               Look::Checked,
                               {F, F, F, F, F, F, kFlatDark, kFlatDark, kFlatDark, kFlatDark,
                                kWhiteRgb, kWhiteRgb}},
                      EdgeCase{
                          3,
                          Look::Disabled,
                          {F, F, F, F, F, F, F, F, kFlatDark, kFlatDark, kFlatDark, kFlatDark}}));

// The hot-track face shows an edge only while hovered, pressed or checked.
INSTANTIATE_TEST_SUITE_P(
    HotTrack, EdgeRingsTest,
    ::testing::Values(
        EdgeCase{5, Look::Idle, {F, F, F, F, F, F, F, F, F, F, F, F}},
        EdgeCase{5, Look::Default, {F, F, F, F, F, F, F, F, F, F, F, F}},
        EdgeCase{5, Look::Disabled, {F, F, F, F, F, F, F, F, F, F, F, F}},
        EdgeCase{
            5, Look::Hover, {F, F, F, F, F, F, F, F, kWhiteRgb, kWhiteRgb, kGreyRgb, kGreyRgb}},
        EdgeCase{
            5, Look::Pressed, {F, F, F, F, F, F, F, F, kGreyRgb, kGreyRgb, kWhiteRgb, kWhiteRgb}},
        EdgeCase{
            5, Look::Checked, {F, F, F, F, F, F, F, F, kGreyRgb, kGreyRgb, kWhiteRgb, kWhiteRgb}}));

// The rounded shaded face: rings shaded from its own colour (blue-scaled),
// the default's blue and the hover's orange rings, and a navy outer ring.
RgbColor shadedFrom(RgbColor base, int amount) {
    return shiftedColor(base, amount, true);
}
const RgbColor kShadedBase = shiftedColor(kBack, 48, true);          // FaceColor of style 2
const RgbColor kShadedChecked = shiftedColor(kWhiteRgb, -32, true);  // its CheckedFaceColor
std::array<RgbColor, 12> shadedRings(RgbColor base, bool pushed) {
    const auto b = [base](int amount) { return shadedFrom(base, amount); };
    constexpr RgbColor kNavy = 0x733C00;
    if (pushed)
        return {b(-22), b(-24), base,  b(10), b(-32), b(-32),
                b(5),   b(16),  kNavy, kNavy, kNavy,  kNavy};
    return {b(-10), b(10),  b(-24), b(-32), b(-5), b(16),
            b(-36), b(-48), kNavy,  kNavy,  kNavy, kNavy};
}
INSTANTIATE_TEST_SUITE_P(
    RoundedShaded, EdgeRingsTest,
    ::testing::Values(EdgeCase{2, Look::Idle, shadedRings(kShadedBase, false)},
                      EdgeCase{2,
                               Look::Default,
                               {0xF0D1B5, 0xF7D7BD, 0xF0D1B5, 0xE7AE8C, 0xE7AE8C, 0xFFDFBF,
                                0xE7AE8C, 0xEF826B, 0x733C00, 0x733C00, 0x733C00, 0x733C00}},
                      EdgeCase{2,
                               Look::Hover,
                               {0x6BCBFF, 0x8CDBFF, 0x6BCBFF, 0x31B2FF, 0x31B2FF, 0xA6E9FF,
                                0x31B2FF, 0x0096E7, 0x733C00, 0x733C00, 0x733C00, 0x733C00}},
                      EdgeCase{2, Look::Pressed, shadedRings(kShadedBase, true)},
                      EdgeCase{2, Look::Checked, shadedRings(kShadedChecked, true)}));

// The rounded dark face: white light, face, mid and dark rings in a black
// frame; pushed in (pressed or checked) the rings are greys.
std::array<RgbColor, 12> darkRings(bool pushed) {
    if (pushed) {
        const RgbColor g = kGreyRgb;
        const RgbColor light = shiftedColor(g, -32), mid = shiftedColor(g, -64),
                       dark = shiftedColor(g, -16);
        return {light, light, g, g, mid, mid, dark, dark, 0, 0, 0, 0};
    }
    const RgbColor face = shiftedColor(kBack, 31);
    const RgbColor mid = shiftedColor(face, 31, true), dark = shiftedColor(face, -64, true);
    return {kWhiteRgb, kWhiteRgb, face, face, mid, mid, dark, dark, 0, 0, 0, 0};
}
INSTANTIATE_TEST_SUITE_P(RoundedDark, EdgeRingsTest,
                         ::testing::Values(EdgeCase{7, Look::Idle, darkRings(false)},
                                           EdgeCase{7, Look::Hover, darkRings(false)},
                                           EdgeCase{7, Look::Default, darkRings(false)},
                                           EdgeCase{7, Look::Disabled, darkRings(false)},
                                           EdgeCase{7, Look::Pressed, darkRings(true)},
                                           EdgeCase{7, Look::Checked, darkRings(true)}));

TEST(RoundedDark, RingsShadeTheFaceAndCornersRoundTheFrame) {
    ButtonState s = button(7);
    GdiSurface surface;
    redraw(s, surface);
    const RgbColor face = s.colors.FaceColor;
    const RgbColor mid = shiftedColor(face, 31, true);
    const RgbColor dark = shiftedColor(face, -64, true);
    const RgbColor want[12] = {kWhiteRgb, kWhiteRgb, face, face, mid, mid, dark, dark, 0, 0, 0, 0};
    for (int entry = 1; entry <= 12; ++entry) {
        const QPoint at = segmentProbe(entry, s.Width, s.Height);
        EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(at.x(), at.y())), want[entry - 1])
            << "entry " << entry;
    }
    EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(3, 3)), kWhiteRgb);
    EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(2, 2)), mid);
    EXPECT_EQ(surface.GetPixel(1, 1), 0u);
    EXPECT_EQ(surface.GetPixel(s.Width - 2, s.Height - 2), 0u);
}

// The focus outlines: a solid rectangle in the flat-grey face's colour
// around the caption, a solid one for a checked default button, the dotted
// one otherwise, and on slanted shapes a solid outline along the slant.
int pixelsOfColour(const GdiSurface& surface, const GdiRect& r, RgbColor colour) {
    int n = 0;
    for (int x = r.left; x < r.right; ++x)
        n += (surface.GetPixel(x, r.top) == static_cast<ColorRef>(colour)) +
             (surface.GetPixel(x, r.bottom - 1) == static_cast<ColorRef>(colour));
    for (int y = r.top + 1; y < r.bottom - 1; ++y)
        n += (surface.GetPixel(r.left, y) == static_cast<ColorRef>(colour)) +
             (surface.GetPixel(r.right - 1, y) == static_cast<ColorRef>(colour));
    return n;
}

int perimeter(const GdiRect& r) {
    return 2 * r.width() + 2 * (r.height() - 2);
}

TEST(FocusOutline, FlatGreyDrawsASolidRectangleAroundTheCaption) {
    ButtonState s = button(3, 80, 30);
    s.props.Caption = QStringLiteral("Go");
    s.StateFlags = kDefaultShown;
    GdiSurface surface(80, 30);
    RefreshCaptionFont(s, surface);
    LayoutContent(s, surface, false);
    redraw(s, surface);
    const GdiRect c = s.CaptionRect;
    ASSERT_FALSE(c.isEmpty());
    const GdiRect focus{c.left - 2, c.top - 2, c.right + 2, c.bottom + 2};
    EXPECT_EQ(pixelsOfColour(surface, focus, 0xCC9999), perimeter(focus));
    s.StateFlags = 0;
    redraw(s, surface);
    EXPECT_EQ(pixelsOfColour(surface, focus, 0xCC9999), 0) << "only on the default button";

    // Nothing to go round: no rectangle at all (not a stray one in a corner).
    s.StateFlags = kDefaultShown;
    s.props.Caption.clear();
    LayoutContent(s, surface, false);
    redraw(s, surface);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) ASSERT_NE(surface.GetPixel(x, y), 0xCC9999u) << x << "," << y;
}

TEST(FocusOutline, ACheckedDefaultButtonHasASolidOneTheOthersADottedOne) {
    ButtonState s = button(0, 40, 20);
    s.StateFlags = kDefaultShown;
    s.props.Mode = 1;
    s.props.Value = true;
    GdiSurface surface;
    redraw(s, surface);
    const GdiRect inset3{3, 3, 37, 17};
    EXPECT_EQ(pixelsOfColour(surface, inset3, 0), perimeter(inset3));

    s.props.Value = false;
    redraw(s, surface);
    const int inverted = pixelsOfColour(surface, inset3, s.colors.FaceColor ^ 0xFFFFFF);
    EXPECT_EQ(inverted + pixelsOfColour(surface, inset3, s.colors.FaceColor), perimeter(inset3));
    EXPECT_EQ(inverted, perimeter(inset3) / 2) << "dotted: every other pixel inverted";
}

TEST(FocusOutline, SlantedShapesFollowTheSlantFivePixelsIn) {
    for (long shape : {1L, 2L, 3L}) {
        SCOPED_TRACE(shape);
        ButtonState s = button(0, 100, 20);
        s.props.ButtonShape = shape;
        s.StateFlags = kDefaultShown;
        GdiSurface surface(100, 20);
        BuildShapeRegion(s, surface, {});
        redraw(s, surface);
        const auto focus = static_cast<ColorRef>(shiftedColor(s.colors.FaceColor, -48));
        const int top = 4, bottom = s.Height - 5;
        for (int y = top; y <= bottom; ++y) {
            // The outer ring leans one pixel per row (see the edge rings above).
            const int left = (shape == 2 ? 0 : y) + (shape == 2 ? 4 : 5);
            const int right =
                (shape == 1 ? s.Width - 1 : s.ContentRight + y) - (shape == 1 ? 4 : 5);
            EXPECT_EQ(surface.GetPixel(left, y), focus) << "left at row " << y;
            EXPECT_EQ(surface.GetPixel(right, y), focus) << "right at row " << y;
            if (y > top && y < bottom) {
                EXPECT_NE(surface.GetPixel(left + 1, y), focus) << "a 1-pixel line";
                EXPECT_NE(surface.GetPixel(right - 1, y), focus);
            }
        }
        for (int x : {s.ContentLeft + 10, s.ContentRight - 10}) {
            EXPECT_EQ(surface.GetPixel(x, top), focus);
            EXPECT_EQ(surface.GetPixel(x, bottom), focus);
        }
    }
}

TEST(CheckedFace, ALightCaptionGetsADarkerToneOfItsOwnFace) {
    ButtonState s = button(0);
    addLook(s, Look::Checked);
    GdiSurface surface;
    redraw(s, surface);  // black caption: the light checked face
    EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(20, 10)), s.colors.CheckedFaceColor);
    s.props.ForeColor = 0xFFFFFF;
    redraw(s, surface);
    EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(20, 10)), shiftedColor(kBack, -32));
}

TEST(HoverFace, IsTheHoverColourAndStaysTheFaceWithoutOne) {
    ButtonState s = button(0);
    s.StateFlags = kHot;
    s.IsHovering = true;
    GdiSurface surface;
    redraw(s, surface);
    EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(20, 10)), kBack);
    s.props.HoverBackColor = 0x00FFFF;
    s.colors = deriveColors(s.props);
    redraw(s, surface);
    EXPECT_EQ(surface.GetPixel(20, 10), 0x00FFFFu);
}

TEST(EdgeRings, SlantedSidesFollowTheOutlineOnePixelPerRow) {
    ButtonState s = button(0, 80, 20);
    s.props.ButtonShape = 3;
    GdiSurface surface(80, 20);
    BuildShapeRegion(s, surface, {});
    ASSERT_EQ(s.ContentLeft, 21);
    redraw(s, surface);
    for (int y = 1; y < s.Height - 1; ++y) {
        EXPECT_EQ(surface.GetPixel(y, y), 0xFFFFFFu) << "outer left at row " << y;
        EXPECT_TRUE(s.OuterRegion.contains(QPoint(y, y)));
        EXPECT_EQ(surface.GetPixel(s.ContentRight + y, y), 0u) << "outer right at row " << y;
        EXPECT_TRUE(s.OuterRegion.contains(QPoint(s.ContentRight + y, y)));
        if (y < s.Height - 2) {  // the middle ring's last row belongs to its bottom edge
            EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(y + 1, y)), kSoft)
                << "middle left at row " << y;
        }
    }
}

TEST(EdgeRings, CornersBelongToTheLeftAtTopLeftAndToTheShadowElsewhere) {
    ButtonState s = button(0);
    GdiSurface surface;
    redraw(s, surface);
    const int r = s.Width - 1, b = s.Height - 1;
    EXPECT_EQ(surface.GetPixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(surface.GetPixel(r, 0), 0u);
    EXPECT_EQ(surface.GetPixel(0, b), 0u);
    EXPECT_EQ(surface.GetPixel(r, b), 0u);
    EXPECT_EQ(surface.GetPixel(1, 1), static_cast<ColorRef>(kSoft));
    EXPECT_EQ(surface.GetPixel(r - 1, b - 1), static_cast<ColorRef>(kGreyRgb));
}

TEST(RoundedShaded, DisabledShowsOnlyItsDarkenedOuterRing) {
    ButtonState s = button(2);
    s.props.Enabled = false;
    GdiSurface surface;
    redraw(s, surface);
    const RgbColor outer = shiftedColor(s.colors.FaceColor, -84, true);
    const RgbColor fill = shiftedColor(s.colors.FaceColor, -24, true);
    for (int entry = 1; entry <= 12; ++entry) {
        const QPoint at = segmentProbe(entry, s.Width, s.Height);
        EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(at.x(), at.y())),
                  entry >= 9 ? outer : fill)
            << "entry " << entry;
    }
    EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(1, 1)), outer);  // rounded corner
}

TEST(RoundedShaded, EnabledFaceDarkensRowByRowWithoutDividingByZero) {
    ButtonState s = button(2, 40, 30);
    GdiSurface surface;
    redraw(s, surface);
    // Row 3: -2.5 rounds to the even -2.
    EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(20, 3)),
              shiftedColor(s.colors.FaceColor, -2, true));
    EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(20, 26)),
              shiftedColor(s.colors.FaceColor, -22, true));
    ButtonState flat = button(2, 40, 0);
    EXPECT_EQ(redraw(flat, surface), kNothingToShow);
}

TEST(Gradient, RightToLeftOnAOnePixelWideButtonIsTheGradientColour) {
    ButtonState s = button(5, 1, 20);  // hot-track: no edges while not hovered
    s.props.GradientMode = 2;
    s.props.GradientColor = 0x0000FF;
    GdiSurface surface;
    redraw(s, surface);
    for (int y : {0, 10, 19}) EXPECT_EQ(surface.GetPixel(0, y), 0x0000FFu);
    s.props.GradientMode = 1;
    redraw(s, surface);
    EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(0, 10)), kBack);
}

TEST(Redraw, EveryStyleAndStatePaintsTheWholeFace) {
    for (long style = 0; style <= 7; ++style) {
        for (Look look : {Look::Idle, Look::Default, Look::Pressed, Look::Checked}) {
            for (long shape : {0L, 4L, 6L}) {
                ButtonState s = button(style, 30, 16);
                s.props.ButtonShape = shape;
                addLook(s, look);
                GdiSurface surface(30, 16);
                surface.FillRect({0, 0, 30, 16}, 0x123456);  // stale pixels
                const int code = redraw(s, surface);
                EXPECT_NE(code, kNothingToShow);
                EXPECT_NE(surface.GetPixel(15, 8), 0x123456u)
                    << "style " << style << " shape " << shape;
            }
        }
    }
}

TEST(Redraw, DelayedDrawingPaintsNothing) {
    ButtonState s = button(0);
    s.DrawingDelayed = true;
    GdiSurface surface(40, 20);
    surface.FillRect({0, 0, 40, 20}, 0x123456);
    EXPECT_EQ(redraw(s, surface), kNothingToShow);
    EXPECT_EQ(surface.GetPixel(20, 10), 0x123456u);
}

QImage motifPicture(QRgb background, QRgb motif) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(background);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x) image.setPixel(x, y, motif);
    image.setPixel(6, 6, qRgb(255, 255, 255));  // white inside the motif
    return image;
}

TEST(DrawPicture, DisabledBitmapIsAGreySilhouetteAndWhiteShowsTheFace) {
    ButtonState s = button(0);
    s.props.Picture = motifPicture(qRgb(0, 128, 0), qRgb(200, 20, 20));
    RefreshPicture(s, false);
    s.props.Enabled = false;
    GdiSurface surface(40, 20);
    surface.FillRect({0, 0, 40, 20}, 0x445566);
    DrawPicture(s, surface, {2, 2, 18, 18});
    EXPECT_EQ(surface.GetPixel(2 + 5, 2 + 5), 0x808080u);
    EXPECT_EQ(surface.GetPixel(2 + 6, 2 + 6), 0x445566u);  // white in the picture
    EXPECT_EQ(surface.GetPixel(2 + 1, 2 + 1), 0x445566u);  // key-colour background

    s.props.Enabled = true;
    DrawPicture(s, surface, {2, 2, 18, 18});
    EXPECT_EQ(surface.GetPixel(2 + 5, 2 + 5), 0x1414C8u);
}

TEST(DrawPicture, IconKeepsItsOwnTransparencyAndIsNeverCached) {
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    icon.setPixel(8, 8, qRgba(0, 0, 0, 255));
    icon.setPixel(0, 0, qRgba(10, 20, 30, 255));  // the top-left colour is no key for icons
    ButtonState s = button(0);
    s.props.Picture = icon;
    RefreshPicture(s, true);
    EXPECT_TRUE(s.PictureIsIcon);
    GdiSurface surface(40, 20);
    surface.FillRect({0, 0, 40, 20}, 0x445566);
    DrawPicture(s, surface, {2, 2, 18, 18});
    EXPECT_TRUE(s.CachedImage.isNull());
    EXPECT_EQ(surface.GetPixel(2 + 8, 2 + 8), 0u);
    EXPECT_EQ(surface.GetPixel(2, 2), 0x1E140Au);
    EXPECT_EQ(surface.GetPixel(2 + 3, 2 + 3), 0x445566u);

    s.props.Picture = motifPicture(qRgb(0, 128, 0), qRgb(200, 20, 20));
    RefreshPicture(s, false);
    EXPECT_FALSE(s.PictureIsIcon);
    s.props.Picture = QImage();
    RefreshPicture(s, false);
    EXPECT_FALSE(s.hasPicture());
}

TEST(CustomShape, WindowRegionFollowsThePicture) {
    ButtonState s = button(0, 16, 16);
    s.props.ButtonShape = 7;
    s.props.Picture = motifPicture(qRgb(0, 128, 0), qRgb(200, 20, 20));
    RefreshPicture(s, false);
    GdiSurface surface(16, 16);
    BuildShapeRegion(s, surface, {});
    EXPECT_EQ(s.OuterRegion, QRegion(4, 4, 8, 8));
    EXPECT_EQ(s.InnerRegion1, QRegion(5, 5, 6, 6));
    EXPECT_EQ(s.InnerRegion2, QRegion(6, 6, 4, 4));

    // Painted: the outline framed in the back colour, the picture inside.
    EXPECT_EQ(redraw(s, surface), 3);
    EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(4, 8)), kBack);
    EXPECT_EQ(surface.GetPixel(8, 8), 0x1414C8u);

    // Without a picture the outline stays as it was.
    s.props.Picture = QImage();
    RefreshPicture(s, false);
    BuildShapeRegion(s, surface, {});
    EXPECT_EQ(s.OuterRegion, QRegion(4, 4, 8, 8));
}

TEST(PictureSize48, ALargePictureIsFittedAndCentred) {
    ButtonState s = button(0, 112, 40);
    QImage picture(100, 50, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    for (int y = 10; y < 50; ++y)
        for (int x = 0; x < 100; ++x) picture.setPixel(x, y, qRgb(255, 0, 0));
    s.props.Picture = picture;
    s.props.ImagePixelSize = 48;
    RefreshPicture(s, false);
    GdiSurface surface(112, 40);
    BuildShapeRegion(s, surface, {});
    ASSERT_TRUE(LayoutContent(s, surface, true));
    EXPECT_EQ(s.PictureRect, (GdiRect{28, 6, 84, 34}));
    PrepareImage(s, s.PictureRect.width(), s.PictureRect.height(), false);
    EXPECT_EQ(s.CachedImage.width(), 56);
    EXPECT_EQ(s.CachedImage.height(), 28);
    redraw(s, surface);
    EXPECT_EQ(surface.GetPixel(28, 33), 0x0000FFu);  // red, bottom-left of the picture
    EXPECT_EQ(surface.GetPixel(83, 20), 0x0000FFu);
    EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(84, 20)), kBack);
    EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(27, 20)), kBack);
    EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(50, 6)), kBack);  // the blue key band
}

// The caption bar of the window skin: alpha, its top-left pixel opaque.
TEST(PictureSize48, AnAlphaPictureShowsTheFaceExactlyWhereItIsTransparent) {
    ButtonState s = button(0, 300, 40);
    s.props.Picture = readOwnPicture(QStringLiteral(":/bitmaps/skin-caption.png"));
    const QImage& picture = s.props.Picture;
    ASSERT_TRUE(picture.hasAlphaChannel());
    ASSERT_EQ(qAlpha(picture.pixel(0, 0)), 255);
    s.props.ImagePixelSize = 48;
    RefreshPicture(s, false);
    GdiSurface surface(300, 40);
    BuildShapeRegion(s, surface, {});
    ASSERT_TRUE(LayoutContent(s, surface, true));
    redraw(s, surface);

    const GdiRect r = s.PictureRect;
    ASSERT_FALSE(r.isEmpty());
    int clear = 0, keyed = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 300; ++x)
            keyed +=
                (surface.GetPixel(x, y) & 0xFFFFFF) == (toColorRef(s.CachedImage.key) & 0xFFFFFF);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const QRgb source = picture.pixel((x - r.left) * picture.width() / r.width(),
                                              (y - r.top) * picture.height() / r.height());
            if (qAlpha(source) == 0) {
                ++clear;
                EXPECT_EQ(static_cast<RgbColor>(surface.GetPixel(x, y)), kBack) << x << "," << y;
            } else if (qAlpha(source) == 255) {
                EXPECT_EQ(surface.GetPixel(x, y),
                          toColorRef(rgb(qRed(source), qGreen(source), qBlue(source))))
                    << x << "," << y;
            }
        }
    EXPECT_GT(clear, 0);
    EXPECT_EQ(keyed, 0);
}

}  // namespace
}  // namespace qx
