#include <gtest/gtest.h>

#include <set>

#include "controls/zbbutton/ButtonColors.h"
#include "controls/zbbutton/ButtonContent.h"
#include "controls/zbbutton/ButtonLayout.h"
#include "controls/zbbutton/ButtonShape.h"
#include "controls/zbbutton/FitPicture.h"
#include "platform/fonts/DesignFonts.h"

namespace qx {
namespace {

constexpr RgbColor kFace = 0xC0C0C0;
constexpr RgbColor kInk = 0x0000FF;

class ButtonLayout : public ::testing::Test {
protected:
    void make(int w, int h, const QString& caption, long shape = 0) {
        state = ButtonState{};
        state.Width = w;
        state.Height = h;
        state.props.Caption = caption;
        state.props.ButtonShape = shape;
        state.props.ForeColor = static_cast<OleColor>(kInk);
        state.props.HoverForeColor = static_cast<OleColor>(kInk);
        state.colors.FaceColor = kFace;
        surface.resize(w, h);
        surface.FillRect({0, 0, w, h}, static_cast<ColorRef>(kFace));
        RefreshCaptionFont(state, surface);
        BuildShapeRegion(state, surface, [&](int nw) { state.Width = nw; });
        surface.FillRect({0, 0, w, h}, static_cast<ColorRef>(kFace));
    }
    void withPicture(int w, int h, int pixelSize, long align) {
        state.props.Picture = QImage(w, h, QImage::Format_RGB32);
        state.props.Picture.fill(Qt::green);
        state.ImageWidth = w;
        state.ImageHeight = h;
        state.props.ImagePixelSize = pixelSize;
        state.props.PictureAlign = align;
    }
    GdiRect measured(const QString& text) const {
        return surface.MeasureText(text, {0, 0, 1000, 1000}, GdiSurface::WordBreak);
    }
    std::set<ColorRef> colours() const {
        std::set<ColorRef> seen;
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x) seen.insert(surface.GetPixel(x, y));
        return seen;
    }
    ButtonState state;
    GdiSurface surface;
};

TEST_F(ButtonLayout, DoubleBarBreaksTheCaptionIntoTwoLines) {
    make(120, 60, QStringLiteral("Start||Game"));
    LayoutContent(state, surface, false);
    const int line = measured(QStringLiteral("Start")).height();
    EXPECT_EQ(state.CaptionRect.height(), 2 * line);
    EXPECT_EQ(state.CaptionRect.width(), std::max(measured(QStringLiteral("Start")).width(),
                                                  measured(QStringLiteral("Game")).width()));
    DrawCaption(state, surface, kNoColor, false, false);
    // Ink in two bands of rows, one word each, with a gap of face between.
    std::vector<bool> inkRows(60, false);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x)
            if (surface.GetPixel(x, y) == static_cast<ColorRef>(kInk)) inkRows[y] = true;
    int bands = 0;
    for (int y = 0; y < 60; ++y) bands += inkRows[y] && (y == 0 || !inkRows[y - 1]);
    EXPECT_EQ(bands, 2);
}

TEST_F(ButtonLayout, LeftAlignedCaptionAfterASixteenPixelPicture) {
    make(120, 30, QStringLiteral("Open"));
    state.props.CaptionAlign = 0;
    withPicture(16, 16, 16, 0);
    LayoutContent(state, surface, false);
    EXPECT_EQ(state.PictureRect, (GdiRect{4, 7, 20, 23}));
    EXPECT_EQ(state.CaptionRect.left, 4 + 16 + 4);
}

TEST_F(ButtonLayout, PictureCellsBesideAboveAndBelowTheCaption) {
    make(160, 80, QStringLiteral("Go"));
    withPicture(16, 16, 24, 1);  // left of a centred caption
    LayoutContent(state, surface, false);
    EXPECT_EQ(state.PictureRect.right, state.CaptionRect.left - 4);
    const int together = state.CaptionRect.right - state.PictureRect.left;
    EXPECT_LE(std::abs((160 - together) / 2 - state.PictureRect.left), 1);

    state.props.PictureAlign = 2;  // right edge
    LayoutContent(state, surface, false);
    EXPECT_EQ(state.PictureRect, (GdiRect{132, 28, 156, 52}));

    state.props.PictureAlign = 4;  // above, centred
    LayoutContent(state, surface, false);
    EXPECT_EQ(state.PictureRect.left, (160 - 24) / 2);
    EXPECT_EQ(state.CaptionRect.top, state.PictureRect.bottom + 2);

    state.props.PictureAlign = 5;  // below
    LayoutContent(state, surface, false);
    EXPECT_EQ(state.PictureRect.top, state.CaptionRect.bottom + 2);
}

TEST_F(ButtonLayout, LongCaptionStaysInsideTheLimits) {
    make(60, 20, QStringLiteral("A caption far too long for its button"));
    withPicture(16, 16, 32, 3);
    LayoutContent(state, surface, false);
    for (const GdiRect& r : {state.CaptionRect, state.PictureRect}) {
        EXPECT_GE(r.left, 4);
        EXPECT_GE(r.top, 4);
        EXPECT_LE(r.right, 56);
        EXPECT_LE(r.bottom, 15);
    }
}

TEST_F(ButtonLayout, PictureSizeFortyFillsTheFace) {
    make(100, 30, QString());
    withPicture(16, 16, 40, 0);
    EXPECT_TRUE(LayoutContent(state, surface, false));
    EXPECT_EQ(state.PictureRect, (GdiRect{3, 3, 97, 27}));
    make(100, 30, QString(), 6);
    withPicture(16, 16, 40, 0);
    LayoutContent(state, surface, false);
    EXPECT_EQ(state.PictureRect, (GdiRect{1, 1, 99, 29}));
}

TEST_F(ButtonLayout, PictureSizeFortyEightFitsAndCentres) {
    make(112, 40, QString());
    withPicture(100, 50, 48, 0);
    EXPECT_TRUE(LayoutContent(state, surface, false));
    EXPECT_EQ(state.PictureRect, (GdiRect{28, 6, 84, 34}));  // 56 x 28, limited by 40 - 12
    // Small cells ask for a new picture only when it changed.
    withPicture(16, 16, 16, 0);
    EXPECT_FALSE(LayoutContent(state, surface, false));
    EXPECT_TRUE(LayoutContent(state, surface, true));
}

TEST(FitPicture, KeepsTheAspectAndMayEnlarge) {
    EXPECT_EQ(FitPicture(100, 50, 100, 28), QSize(56, 28));
    EXPECT_EQ(FitPicture(10, 10, 40, 20), QSize(20, 20));
    EXPECT_EQ(FitPicture(0, 10, 40, 20), QSize());
    EXPECT_EQ(FitPicture(10, 10, -4, 20), QSize());
}

TEST_F(ButtonLayout, SlantedCaptionStaysBetweenTheSlants) {
    make(100, 20, QStringLiteral("A caption far too long for its button"), 3);
    LayoutContent(state, surface, false);
    EXPECT_GE(state.CaptionRect.left, state.ContentLeft);
    EXPECT_EQ(state.CaptionRect.left, 17 + 4);   // band 21 - 21/3 + 3 = 17
    EXPECT_EQ(state.CaptionRect.right, 86 - 4);  // band 79 + 21/3 = 86
}

TEST_F(ButtonLayout, EmbossedAndEngravedCaptionsNeedTwoPixelsMore) {
    make(120, 40, QStringLiteral("Emboss"));
    LayoutContent(state, surface, false);
    const GdiRect flat = state.CaptionRect;
    for (long style : {1L, 2L}) {
        state.props.CaptionStyle = style;
        LayoutContent(state, surface, false);
        EXPECT_EQ(state.CaptionRect.width(), flat.width() + 2);
        EXPECT_EQ(state.CaptionRect.height(), flat.height() + 2);
    }
}

TEST_F(ButtonLayout, EmbossedCaptionDrawsLightAndShadowPasses) {
    make(120, 40, QStringLiteral("Emboss"));
    state.props.CaptionStyle = 1;
    LayoutContent(state, surface, false);
    DrawCaption(state, surface, kNoColor, false, false);
    const std::set<ColorRef> seen = colours();
    EXPECT_TRUE(seen.count(static_cast<ColorRef>(shiftedColor(kFace, -40))));
    EXPECT_TRUE(seen.count(static_cast<ColorRef>(shiftedColor(kFace, 40))));
    EXPECT_TRUE(seen.count(static_cast<ColorRef>(kInk)));
}

TEST_F(ButtonLayout, DisabledCaptionIsWhiteAndGrey) {
    make(120, 40, QStringLiteral("Off"));
    state.props.Enabled = false;
    LayoutContent(state, surface, false);
    DrawCaption(state, surface, kNoColor, false, false);
    const std::set<ColorRef> seen = colours();
    EXPECT_TRUE(seen.count(0xFFFFFF));
    EXPECT_TRUE(seen.count(0x808080));
    EXPECT_FALSE(seen.count(static_cast<ColorRef>(kInk)));

    // In the painter's colour with a grey pass up and left, unless skipped.
    make(120, 40, QStringLiteral("Off"));
    state.props.Enabled = false;
    LayoutContent(state, surface, false);
    DrawCaption(state, surface, 0x00FF00, false, true);
    EXPECT_EQ(colours(), (std::set<ColorRef>{static_cast<ColorRef>(kFace), 0x00FF00}));
}

TEST_F(ButtonLayout, EllipseCommandButtonOfShapeFiveShowsNoCaption) {
    make(80, 30, QStringLiteral("Hidden"), 5);
    LayoutContent(state, surface, false);
    DrawCaption(state, surface, kNoColor, false, false);
    EXPECT_EQ(colours(), std::set<ColorRef>{static_cast<ColorRef>(kFace)});
    make(80, 30, QStringLiteral("Shown"), 4);
    LayoutContent(state, surface, false);
    DrawCaption(state, surface, kNoColor, false, false);
    EXPECT_TRUE(colours().count(static_cast<ColorRef>(kInk)));
}

TEST(ButtonContent, PressedOffsetPerShapeAndNoneForFlatGrey) {
    ButtonState state;
    state.StateFlags = kPressed | kHot;
    for (long shape = 0; shape <= 8; ++shape) {
        state.props.ButtonShape = shape;
        EXPECT_EQ(contentOffset(state, false), shape <= 3 ? QPoint(1, 1) : QPoint(0, 1)) << shape;
    }
    state.props.ButtonStyle = 3;
    EXPECT_EQ(contentOffset(state, true), QPoint());
    state.props.ButtonStyle = 0;
    state.StateFlags = kPressed;  // pressed but the cursor is away
    EXPECT_EQ(contentOffset(state, false), QPoint());
    EXPECT_EQ(contentOffset(state, true), QPoint(0, 1));
}

TEST_F(ButtonLayout, PressedCaptionMovesRightAndDown) {
    make(120, 40, QStringLiteral("Move"));
    LayoutContent(state, surface, false);
    DrawCaption(state, surface, kNoColor, false, false);
    const GdiSurface idle = surface;
    make(120, 40, QStringLiteral("Move"));
    LayoutContent(state, surface, false);
    state.StateFlags = kPressed | kHot;
    DrawCaption(state, surface, kNoColor, false, false);
    for (int y = 1; y < 40; ++y)
        for (int x = 1; x < 120; ++x)
            ASSERT_EQ(surface.GetPixel(x, y), idle.GetPixel(x - 1, y - 1)) << x << "," << y;
}

TEST(CaptionFont, LongFaceNamesAreCutToTheField) {
    const QString longName = QStringLiteral("Verdana") + QString(40, QLatin1Char('x'));
    EXPECT_EQ(captionFaceName(longName), longName.left(31));
    DesignFontInfo info;
    info.name = QStringLiteral("Verdana");
    info.size = 12;
    info.setBold(true);
    const QFont font = CaptionFont(info);
    EXPECT_EQ(font.family(), designFontFamily(QStringLiteral("Verdana")));
    EXPECT_EQ(font.pixelSize(), 16);
    EXPECT_TRUE(font.bold());
}

// The caption is drawn in the font's own weight and with its strike-out line.
TEST_F(ButtonLayout, CaptionCarriesTheFontsWeightAndStrikeOut) {
    const auto ink = [this](int weight, bool strikeout) {
        make(120, 40, QStringLiteral("IIII"));
        state.props.Font.name = QStringLiteral("Verdana");
        state.props.Font.size = 12;
        state.props.Font.weight = weight;
        state.props.Font.strikeout = strikeout;
        RefreshCaptionFont(state, surface);
        EXPECT_EQ(surface.font().weight(), weight);
        EXPECT_EQ(surface.font().strikeOut(), strikeout);
        LayoutContent(state, surface, false);
        DrawCaption(state, surface, kNoColor, false, false);
        int inked = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 120; ++x) inked += surface.GetPixel(x, y) != kFace;
        return inked;
    };
    const int normal = ink(400, false);
    EXPECT_GT(ink(900, false), normal * 5 / 4) << "a heavy weight draws heavier strokes";
    EXPECT_GT(ink(400, true), normal + 8) << "the strike-out line crosses the letters";
}

}  // namespace
}  // namespace qx
