#include <gtest/gtest.h>

#include <QFont>
#include <string>

#include "platform/fonts/DesignFonts.h"
#include "platform/gdi/GdiSurface.h"

namespace qx {
namespace {

constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kGreen = 0x00FF00;
constexpr ColorRef kBlue = 0xFF0000;
constexpr ColorRef kWhiteRef = 0xFFFFFF;

// One character per pixel: '.' black, 'R', 'G', 'B', 'W', '?' anything else.
std::string picture(const GdiSurface& s) {
    std::string out;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            switch (s.GetPixel(x, y)) {
                case 0:
                    out += '.';
                    break;
                case kRed:
                    out += 'R';
                    break;
                case kGreen:
                    out += 'G';
                    break;
                case kBlue:
                    out += 'B';
                    break;
                case kWhiteRef:
                    out += 'W';
                    break;
                default:
                    out += '?';
            }
        }
        out += '\n';
    }
    return out;
}

std::string regionPicture(const QRegion& region, int w, int h) {
    GdiSurface s(w, h);
    s.FillRgn(region, kWhiteRef);
    return picture(s);
}

TEST(GdiSurface, RectangleOutlinesAndFillsWithRightAndBottomOutside) {
    GdiSurface s(6, 5);
    s.setPen(kRed);
    s.setBrush(kGreen);
    s.Rectangle(0, 0, 5, 4);
    EXPECT_EQ(picture(s),
              "RRRRR.\n"
              "RGGGR.\n"
              "RGGGR.\n"
              "RRRRR.\n"
              "......\n");
}

TEST(GdiSurface, RectangleWithoutPenFillsOnePixelLess) {
    GdiSurface s(4, 4);
    s.setNullPen();
    s.setBrush(kBlue);
    s.Rectangle(0, 0, 4, 4);
    EXPECT_EQ(picture(s),
              "BBB.\n"
              "BBB.\n"
              "BBB.\n"
              "....\n");
}

TEST(GdiSurface, PolylineLeavesTheLastPointUndrawn) {
    GdiSurface s(5, 3);
    s.setPen(kWhiteRef);
    s.Polyline({QPoint(0, 0), QPoint(4, 0), QPoint(4, 2)});
    EXPECT_EQ(picture(s),
              "WWWWW\n"
              "....W\n"
              ".....\n");
}

TEST(GdiSurface, PolygonRegionsFillByTheWindingRule) {
    // A five-pointed star drawn in one stroke: its centre is wound twice, so
    // the winding rule fills it and the odd-even rule leaves it open.
    const std::vector<QPoint> star{{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
    EXPECT_TRUE(PolygonRgn(star).contains(QPoint(10, 10)));
    EXPECT_FALSE(PolygonRgn(star, false).contains(QPoint(10, 10)));
    // A right-angled corner triangle keeps its two legs, not its far edge.
    EXPECT_EQ(regionPicture(PolygonRgn({{0, 0}, {2, 0}, {0, 2}}), 3, 3),
              "WW.\n"
              "W..\n"
              "...\n");
    EXPECT_EQ(regionPicture(PolygonRgn({{0, 0}, {0, 4}, {4, 4}, {4, 0}}), 5, 5),
              regionPicture(RectRgn(0, 0, 4, 4), 5, 5));
}

TEST(GdiSurface, RegionSubtractionFrameAndBox) {
    const QRegion ring = RectRgn(0, 0, 5, 5).subtracted(RectRgn(1, 1, 4, 4));
    EXPECT_EQ(RgnBox(ring), (GdiRect{0, 0, 5, 5}));
    EXPECT_EQ(RgnBox(ring.translated(2, 1)), (GdiRect{2, 1, 7, 6}));
    GdiSurface s(5, 5);
    s.FrameRgn(RectRgn(0, 0, 5, 5), kRed);
    EXPECT_EQ(picture(s),
              "RRRRR\n"
              "R...R\n"
              "R...R\n"
              "R...R\n"
              "RRRRR\n");
    EXPECT_EQ(regionPicture(ring, 5, 5),
              "WWWWW\n"
              "W...W\n"
              "W...W\n"
              "W...W\n"
              "WWWWW\n");
}

TEST(GdiSurface, ClipRegionLimitsEveryPrimitive) {
    GdiSurface s(4, 4);
    s.SelectClipRgn(RectRgn(1, 1, 3, 3));
    s.FillRect({0, 0, 4, 4}, kRed);
    s.SetPixel(0, 0, kGreen);
    Bitmap white(4, 4, kWhite);
    s.BitBlt(0, 2, 4, 2, white, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(picture(s),
              "....\n"
              ".RR.\n"
              ".WW.\n"
              "....\n");
    s.SelectClipRgn(QRegion());  // empty: no clip at all
    s.SetPixel(0, 0, kGreen);
    EXPECT_EQ(s.GetPixel(0, 0), kGreen);
}

TEST(GdiSurface, StretchTakesTheNearestPixelAndPatBltUsesTheBrush) {
    Bitmap source(2, 1);
    source.setPixel(0, 0, rgb(255, 0, 0));
    source.setPixel(1, 0, rgb(0, 0, 255));
    GdiSurface s(5, 2);
    s.StretchBlt(0, 0, 4, 2, source, 0, 0, 2, 1, Rop::SrcCopy);
    s.setBrush(kGreen);
    s.SelectClipRgn(RectRgn(4, 1, 5, 2));
    s.PatBlt(0, 0, 5, 2, Rop::PatCopy);
    EXPECT_EQ(picture(s),
              "RRBB.\n"
              "RRBBG\n");
}

TEST(GdiSurface, FocusRectangleIsDottedAndUndoesItself) {
    GdiSurface s(4, 3);
    s.DrawFocusRect({0, 0, 4, 3});
    EXPECT_EQ(picture(s),
              "W.W.\n"
              "...W\n"
              "W.W.\n");
    s.DrawFocusRect({0, 0, 4, 3});
    EXPECT_EQ(picture(s), "....\n....\n....\n");
}

TEST(GdiSurface, EllipticRegionFillsItsBoxSymmetrically) {
    const QRegion ellipse = EllipticRgn(0, 0, 40, 20);
    EXPECT_EQ(RgnBox(ellipse), (GdiRect{0, 0, 40, 20}));
    QRegion mirrored;
    for (const QRect& r : ellipse)
        mirrored += QRect(40 - r.right() - 1, 20 - r.bottom() - 1, r.width(), r.height());
    EXPECT_EQ(mirrored, ellipse);
}

TEST(GdiSurface, ArcRunsCounterClockwiseFromTheStartRay) {
    GdiSurface s(12, 8);
    s.setPen(kWhiteRef);
    s.Arc(0, 0, 12, 8, 12, 4, 0, 4);  // right to left over the top: the upper half
    EXPECT_EQ(s.GetPixel(6, 0), kWhiteRef);
    EXPECT_EQ(s.GetPixel(6, 7), 0u);
    s.Arc(0, 0, 12, 8, 0, 0, 0, 0);  // equal rays: the whole outline
    EXPECT_EQ(s.GetPixel(6, 7), kWhiteRef);
    EXPECT_EQ(s.GetPixel(6, 4), 0u);
}

class GdiSurfaceText : public ::testing::Test {
protected:
    GdiSurfaceText() : surface(60, 40) {
        surface.setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25));
        surface.setTextColor(kWhiteRef);
    }
    GdiSurface surface;
};

TEST_F(GdiSurfaceText, PrefixUnderlinesTheNextCharacterAndDoubleAmpersandIsOne) {
    const GdiRect box{0, 0, 60, 40};
    const GdiRect plain = surface.MeasureText(QStringLiteral("Ab"), box, GdiSurface::WordBreak);
    EXPECT_EQ(surface.MeasureText(QStringLiteral("&Ab"), box, GdiSurface::WordBreak), plain);
    EXPECT_GT(surface.MeasureText(QStringLiteral("A&&b"), box, GdiSurface::WordBreak).width(),
              plain.width());

    surface.DrawText(QStringLiteral("Ab"), box, GdiSurface::WordBreak);
    const GdiSurface without = surface;
    surface.resize(60, 40);
    surface.DrawText(QStringLiteral("&Ab"), box, GdiSurface::WordBreak);
    // The only difference is one underline row below the letters.
    QRegion changed;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            if (surface.GetPixel(x, y) != without.GetPixel(x, y)) changed += QRect(x, y, 1, 1);
    const GdiRect line = RgnBox(changed);
    EXPECT_EQ(line.height(), 1);
    EXPECT_GE(line.width(), 3);
    EXPECT_LT(line.right, plain.width());  // under the "A" only
    EXPECT_GT(line.top, plain.height() / 2);
}

TEST_F(GdiSurfaceText, WordWrapAndLineBreaksGiveMoreLines) {
    const GdiRect oneLine =
        surface.MeasureText(QStringLiteral("One"), {0, 0, 60, 40}, GdiSurface::WordBreak);
    const GdiRect twoLines =
        surface.MeasureText(QStringLiteral("One\r\nTwo"), {0, 0, 60, 40}, GdiSurface::WordBreak);
    EXPECT_EQ(twoLines.height(), 2 * oneLine.height());
    const GdiRect wrapped = surface.MeasureText(QStringLiteral("Onesome Twosome"), {0, 0, 50, 40},
                                                GdiSurface::WordBreak);
    EXPECT_EQ(wrapped.height(), 2 * oneLine.height());
    EXPECT_LE(wrapped.width(), 50);
}

TEST_F(GdiSurfaceText, AlignmentMovesTheInk) {
    auto firstLitColumn = [&] {
        for (int x = 0; x < surface.width(); ++x)
            for (int y = 0; y < surface.height(); ++y)
                if (surface.GetPixel(x, y) != 0) return x;
        return -1;
    };
    surface.DrawText(QStringLiteral("i"), {0, 0, 60, 20}, GdiSurface::AlignLeft);
    const int left = firstLitColumn();
    surface.resize(60, 40);
    surface.DrawText(QStringLiteral("i"), {0, 0, 60, 20}, GdiSurface::AlignRight);
    const int right = firstLitColumn();
    surface.resize(60, 40);
    surface.DrawText(QStringLiteral("i"), {0, 0, 60, 20}, GdiSurface::AlignCenter);
    const int centre = firstLitColumn();
    EXPECT_LT(left, 5);
    EXPECT_GT(right, 50);
    EXPECT_GT(centre, 24);
    EXPECT_LT(centre, 36);
}

}  // namespace
}  // namespace qx
