// The 1-pixel outline of ellipses and custom shapes, shown over the face.
#include <QImage>
#include <QPainter>
#include <vector>

#include <gtest/gtest.h>

#include "FaceLooks.h"
#include "controls/zbbutton/ButtonColors.h"
#include "controls/zbbutton/ButtonPictureDraw.h"
#include "controls/zbbutton/ButtonSnapshot.h"
#include "platform/qt/BitmapImage.h"

namespace qx {
namespace {

constexpr RgbColor kBack = 0xC0C0C0;
constexpr RgbColor kHoverBack = 0x40E0F0;
const QSize kScreen(1280, 800);

// A green tab on a white (key) background, as wide as the button.
QImage tabPicture() {
    QImage image(60, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 140, 60));
    p.drawRoundedRect(QRect(3, 3, 54, 24), 8, 8);
    return image;
}

enum class Frame { None, Outer, Inner1, Inner2 };
enum class Colour { Black, HoverFace, DefaultBlue, HoverBlue, CheckedDark, Back };

ButtonState shaped(long shape, long style, const std::vector<Look>& looks) {
    ButtonState s;
    s.props.ButtonShape = shape;
    s.props.ButtonStyle = style;
    s.props.BackColor = s.props.GradientColor = kBack;
    s.props.HoverBackColor = kHoverBack;
    s.props.ForeColor = 0;
    if (shape >= 7) {
        s.props.Picture = tabPicture();
        s.props.ImagePixelSize = 48;
    }
    s.Width = 60;
    s.Height = 30;
    for (Look look : looks) addLook(s, look);
    s.colors = deriveColors(s.props);
    RefreshPicture(s, false);
    return s;
}

struct OutlineCase {
    long shape;
    long style;
    std::vector<Look> looks;
    Frame frame;
    Colour colour;
};

void PrintTo(const OutlineCase& c, std::ostream* os) {
    *os << "shape " << c.shape << " style " << c.style << " looks";
    for (Look look : c.looks) *os << " " << static_cast<int>(look);
}

class OutlineAfterPaintingTest : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(OutlineAfterPaintingTest, FramesItsRegionOverTheFaceAndLeavesTheFaceAlone) {
    const OutlineCase& c = GetParam();
    ButtonState s = shaped(c.shape, c.style, c.looks);
    GdiSurface surface;
    FaceOutline outline;
    drawStandaloneFace(s, surface, kScreen, &outline);

    QRegion region;
    switch (c.frame) {
        case Frame::None:
            break;
        case Frame::Outer:
            region = s.OuterRegion;
            break;
        case Frame::Inner1:
            region = s.InnerRegion1;
            break;
        case Frame::Inner2:
            region = s.InnerRegion2;
            break;
    }
    if (c.frame == Frame::None) {
        EXPECT_TRUE(outline.isEmpty());
    } else {
        ASSERT_FALSE(region.isEmpty());
        EXPECT_EQ(outline.frame, FrameRegion(region));
        RgbColor want = kNoColor;
        switch (c.colour) {
            case Colour::Black:
                want = 0x000000;
                break;
            case Colour::HoverFace:
                want = s.colors.HoverFaceColor;
                break;
            case Colour::DefaultBlue:
                want = 0xEF826B;
                break;
            case Colour::HoverBlue:
                want = 0x0096E7;
                break;
            case Colour::CheckedDark:
                want = shiftedColor(s.colors.PressedFaceColor, -32);
                break;
            case Colour::Back:
                want = kBack;
                break;
        }
        EXPECT_EQ(outline.color, want);
        // Shown over the face: every frame pixel in the outline's colour.
        const QImage shown = snapshotFace(s, surface, 0xFF000000, outline);
        for (const QRect& r : outline.frame)
            EXPECT_EQ(shown.pixel(r.topLeft()), pixelColor(fromColorRef(want)).rgb());
    }

    // The outline never reaches the off-screen face: repainted idle (as
    // after the pointer leaves), the face is the one a button that never
    // left idle paints.
    ButtonState idle = shaped(c.shape, c.style, {});
    GdiSurface fresh;
    drawStandaloneFace(idle, fresh, kScreen);
    s.StateFlags = 0;
    s.IsHovering = false;
    s.props.Value = false;
    s.props.Mode = 0;
    RedrawContext context{s, surface, kScreen, {}};
    Redraw(context);
    EXPECT_EQ(surface.image(), fresh.image());
}

INSTANTIATE_TEST_SUITE_P(
    CustomShapes, OutlineAfterPaintingTest,
    ::testing::Values(
        OutlineCase{8, 0, {Look::Idle}, Frame::None, Colour::Black},
        OutlineCase{8, 0, {Look::Hover}, Frame::Outer, Colour::HoverFace},
        OutlineCase{7, 4, {Look::Hover}, Frame::Outer, Colour::HoverFace},
        OutlineCase{8, 0, {Look::Default}, Frame::Inner2, Colour::Black},
        OutlineCase{7, 1, {Look::Default}, Frame::Inner1, Colour::Black},
        OutlineCase{8, 6, {Look::Default, Look::Pressed}, Frame::Inner2, Colour::Black},
        OutlineCase{7, 0, {Look::Checked, Look::Default}, Frame::Inner1, Colour::CheckedDark},
        OutlineCase{8, 2, {Look::Hover}, Frame::Outer, Colour::HoverBlue},
        OutlineCase{8, 2, {Look::Default}, Frame::Inner2, Colour::DefaultBlue},
        OutlineCase{7, 2, {Look::Checked, Look::Default}, Frame::Inner1, Colour::DefaultBlue}));

INSTANTIATE_TEST_SUITE_P(
    Ellipses, OutlineAfterPaintingTest,
    ::testing::Values(
        OutlineCase{6, 0, {Look::Idle}, Frame::None, Colour::Black},
        OutlineCase{6, 0, {Look::Hover}, Frame::Outer, Colour::Black},
        OutlineCase{6, 3, {Look::Default, Look::Pressed}, Frame::Outer, Colour::Black},
        OutlineCase{4, 0, {Look::Hover}, Frame::None, Colour::Black},
        OutlineCase{5, 0, {Look::Default}, Frame::None, Colour::Black},
        OutlineCase{4, 2, {Look::Default}, Frame::Inner1, Colour::DefaultBlue},
        OutlineCase{5, 2, {Look::Hover}, Frame::Inner1, Colour::HoverBlue},
        OutlineCase{4, 2, {Look::Default, Look::Pressed}, Frame::None, Colour::Black},
        OutlineCase{6, 2, {Look::Default, Look::Pressed}, Frame::Outer, Colour::HoverBlue}));

// Without a hover colour of its own a custom shape shows no hover outline.
TEST(OutlineAfterPainting, ACustomShapeHoveredInItsFaceColourHasNone) {
    ButtonState s = shaped(8, 0, {Look::Hover});
    s.props.HoverBackColor = kBack;
    s.colors = deriveColors(s.props);
    GdiSurface surface;
    FaceOutline outline;
    drawStandaloneFace(s, surface, kScreen, &outline);
    EXPECT_TRUE(outline.isEmpty());
}

}  // namespace
}  // namespace qx
