#include "controls/zbbutton/ButtonPainters.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "controls/zbbutton/ButtonColors.h"
#include "controls/zbbutton/ButtonContent.h"
#include "controls/zbbutton/ButtonGradient.h"
#include "controls/zbbutton/ButtonPictureDraw.h"
#include "platform/qt/BitmapImage.h"

namespace qx {

namespace {

constexpr RgbColor kBlackRgb = 0x000000;
constexpr RgbColor kWhiteRgb = 0xFFFFFF;
constexpr RgbColor kGreyRgb = 0x808080;
constexpr RgbColor kSoftGrey = 0xE9E9E9;  // RGB(233, 233, 233)
constexpr int kShadedRows = 25;           // the shaded face darkens by 25 over its height

// Helpers every painter shares, reading the button through the context.
struct Face {
    RedrawContext& c;
    ButtonState& s;
    const ButtonProperties& p;
    GdiSurface& dc;

    explicit Face(RedrawContext& context)
        : c(context), s(context.state), p(context.state.props), dc(context.offscreen) {}

    int w() const { return s.Width; }
    int h() const { return s.Height; }
    bool toggle() const { return p.Mode > 0; }
    // Value True, or a check or option button held down.
    bool checked() const { return p.Value || (s.IsHeldDown && toggle()); }
    bool customShape() const { return p.ButtonShape == 7 || p.ButtonShape == 8; }

    void drawRect(int x1, int y1, int x2, int y2, RgbColor fill, RgbColor line = kNoColor) {
        dc.setBrush(static_cast<ColorRef>(fill));
        dc.setPen(static_cast<ColorRef>(line < 0 ? fill : line));
        dc.Rectangle(x1, y1, x2, y2);
    }
    void fillWhole(RgbColor color) { drawRect(0, 0, w(), h(), color); }
    void gradientFill(long mode, RgbColor from, RgbColor to) {
        GradientFill(dc, mode, c.screen, from, to);
    }
    void setPixel(int x, int y, RgbColor color) { dc.SetPixel(x, y, static_cast<ColorRef>(color)); }
};

// The frame of shaped buttons and the clip of the face; returns the
// continue-code (0: CustomClick moved the window, nothing more to paint).
int PrepareFrame(Face& f) {
    if (f.c.customClickMove && f.c.customClickMove()) return kNothingToShow;
    int code = kShowFace;
    const long shape = f.p.ButtonShape;
    if (f.p.ButtonStyle == 5 && !f.s.IsHovering && !f.s.pressedAndHot() && !f.checked()) {
        if (!f.p.Value) f.dc.SelectClipRgn({});
        return code;
    }
    f.dc.SelectClipRgn({});
    if (f.p.ButtonStyle == 5 && (f.p.Value || (shape != 6 && shape != 7))) {
        f.gradientFill(3, kWhiteRgb, kGreyRgb);
        f.dc.SelectClipRgn(f.s.InnerRegion2);
        return 4;
    }
    if ((!f.s.pressedAndHot() && !f.checked()) || shape == 6 || shape == 7) {
        if (shape == 6 && !f.s.IsHovering) return code;
        if (shape == 6) f.dc.FrameRgn(f.s.OuterRegion, kBlackRgb);
        if (shape == 7)
            f.dc.FrameRgn(f.s.OuterRegion, static_cast<ColorRef>(TranslateColor(f.p.BackColor)));
        f.dc.SelectClipRgn(f.s.InnerRegion1);
        return 3;
    }
    f.dc.SelectClipRgn(f.s.InnerRegion1);
    f.gradientFill(3, kGreyRgb, kWhiteRgb);
    f.dc.SelectClipRgn(f.s.InnerRegion2);
    return 4;
}

struct Background {
    int code = kNothingToShow;
    int state = 0;  // 0 idle, 1 default, 2 pressed on the button
};

Background PaintBackground(Face& f, RgbColor face, RgbColor gradientColor, RgbColor hoverColor) {
    Background bg;
    bg.code = PrepareFrame(f);
    if (bg.code == kNothingToShow) return bg;
    bg.state = f.s.pressedAndHot() ? 2 : f.s.hasFlag(kDefaultShown) ? 1 : 0;

    if (hoverColor < 0) hoverColor = face;
    const bool useFace =
        !f.s.IsHovering || ((f.s.pressedAndHot() || f.p.Mode != 0) && (f.p.Value || f.p.Mode == 0));
    const RgbColor fill = useFace ? face : hoverColor;

    if (f.p.Value || f.p.ButtonShape > 6 || f.p.GradientMode == 0) {
        if ((f.p.Enabled || f.toggle()) && f.p.ButtonStyle == 2 && f.h() > 0) {
            // Shaded row by row, 25 steps darker at the bottom.
            const double perRow = -static_cast<double>(kShadedRows) / f.h();
            for (int i = 0; i <= f.h(); ++i) {
                const int amount = static_cast<int>(std::nearbyint(perRow * i));
                f.drawRect(0, i, f.w(), i + 1, shiftedColor(fill, amount, true));
            }
        } else {
            f.fillWhole(fill);
        }
    } else if (!f.s.IsHovering || f.s.pressedAndHot() || f.p.GradientColor == f.p.HoverBackColor) {
        f.gradientFill(f.p.GradientMode, face, gradientColor < 0 ? face : gradientColor);
    } else {
        f.fillWhole(hoverColor);
    }
    return bg;
}

// The end every painter but the shaded one shares: rectangles and slanted
// faces show as they are; shaped faces keep the frame code, framed in black.
int painterEnd(Face& f, int code) {
    const long shape = f.p.ButtonShape;
    if (shape < 6 || (shape == 6 && !f.s.IsHovering && !f.s.pressedAndHot())) return kShowFace;
    f.c.edges[12] = kBlackRgb;
    return code;
}

void DrawFocus(Face& f, RgbColor color, bool valueFlag, bool aroundContent) {
    const long shape = f.p.ButtonShape;
    if (!f.s.hasFlag(kDefaultShown) || shape > 6) return;
    if (shape >= 4) {
        if (f.p.ButtonStyle == 2) return;
        aroundContent = true;
    }
    if (color < 0) color = kBlackRgb;
    if (shape >= 1 && shape <= 3) {
        // The slanted face, 4 pixels in at the top and bottom and 5 along the slants.
        const auto [lb, lt, rt, rb] = ringCorners(f.s, 4);
        const QPoint in(shape != 2 ? 1 : 0, 0), inRight(shape >= 2 ? 1 : 0, 0);
        f.dc.setPen(static_cast<ColorRef>(color));
        f.dc.Polyline({lb + in, lt + in, rt - inRight, rb - inRight, lb + in});
        return;
    }
    GdiRect r;
    if (aroundContent) {
        r = f.s.CaptionRect;
        if (f.p.Caption.isEmpty() || r.isEmpty()) {
            r = f.s.PictureRect;
            r.right = std::min(r.right, f.w() - 4);
            r.bottom = std::min(r.bottom, f.h() - 4);
        }
        if (r.isEmpty()) return;  // no content to go round
        const int grow = (r.left - 4 >= 4 && f.w() - r.right - 4 >= 4) ? 2 : 1;
        r = {r.left - grow, r.top - grow, r.right + grow, r.bottom + grow};
        if ((f.checked() || f.s.pressedAndHot()) && f.p.ButtonStyle != 3)
            r = r.translated(shape <= 3 ? 1 : 0, 1);
    } else {
        r = {3, 3, f.w() - 3, f.h() - 3};
    }
    if (r.isEmpty()) return;
    if (!valueFlag) {
        f.dc.DrawFocusRect(r);
        return;
    }
    f.dc.setNullBrush();
    f.dc.setPen(static_cast<ColorRef>(color));
    f.dc.Rectangle(r);
}

int luma(RgbColor c) {
    return (299 * (c & 0xFF) + 587 * ((c >> 8) & 0xFF) + 114 * ((c >> 16) & 0xFF)) / 1000;
}

// Face colour unless a row says otherwise: the checked colour for a checked
// toggle. That colour is a fixed light grey; a caption too light to read on
// it (white text on a dark panel) gets a darker tone of the button's own face.
RgbColor standardFace(const Face& f) {
    if (!(f.toggle() && f.checked())) return f.s.colors.FaceColor;
    constexpr int kMinCaptionContrast = 80;
    const RgbColor caption = TranslateColor(f.p.ForeColor);
    if (std::abs(luma(caption) - luma(f.s.colors.CheckedFaceColor)) >= kMinCaptionContrast)
        return f.s.colors.CheckedFaceColor;
    return shiftedColor(f.s.colors.FaceColor, -32);
}

RgbColor standardCaption(const Face& f) {
    return !f.p.Enabled && f.toggle() ? kGreyRgb : kNoColor;
}

// The steps every edge-drawing painter takes after choosing its face.
struct PainterStart {
    RgbColor face;
    Background bg;
};

// Picture, then caption, moved together for the pressed look. A custom
// shape shows its picture only while Value is False.
void drawContent(Face& f, RgbColor captionColor, bool pressedLook, bool skipGreyPass) {
    if (!(f.p.Value && f.customShape())) {
        const QPoint offset = contentOffset(f.s, pressedLook);
        DrawPicture(f.s, f.dc, f.s.PictureRect.translated(offset.x(), offset.y()));
    }
    DrawCaption(f.s, f.dc, captionColor, pressedLook, skipGreyPass);
}

PainterStart paintFaceAndContent(Face& f, RgbColor face, RgbColor gradientColor,
                                 RgbColor captionColor, bool checkedFlag, bool toggleFlag) {
    PainterStart start{face, PaintBackground(f, face, gradientColor, f.s.colors.HoverFaceColor)};
    if (start.bg.code == kNothingToShow) return start;
    drawContent(f, captionColor, checkedFlag, toggleFlag);
    return start;
}

// The opening most painters share: the standard face and caption colours,
// the gradient colour as set, the content with the button's own value.
PainterStart paintStandardFace(Face& f) {
    return paintFaceAndContent(f, standardFace(f), TranslateColor(f.p.GradientColor),
                               standardCaption(f), f.p.Value, f.toggle());
}

void drawEdgesFor(Face& f, const EdgeColors& edges) {
    if (f.p.ButtonShape >= 4) return;
    f.dc.SelectClipRgn({});
    f.c.edges = edges;
    DrawEdges(f.dc, f.s, edges);
}

// The focus colour of a face that darkens its own colour for shaped outlines.
RgbColor shapedFocus(const Face& f, RgbColor face, int amount) {
    return f.p.ButtonShape > 0 ? shiftedColor(face, amount) : kNoColor;
}

}  // namespace

EdgeColors soft3DEdges(int state, RgbColor soft, bool defaultShown) {
    EdgeColors e = noEdges();
    switch (state) {
        case 0:
            setEdges(e, 5, 6, soft);
            setEdges(e, 7, 8, kGreyRgb);
            break;
        case 1:
            setEdges(e, 1, 2, soft);
            setEdges(e, 3, 4, kGreyRgb);
            setEdges(e, 5, 6, kWhiteRgb);
            setEdges(e, 7, 8, kBlackRgb);
            break;
        case 2:
            setEdges(e, 7, 8, kGreyRgb);
            break;
        default:
            setEdges(e, 7, 8, soft);
            break;
    }
    if (state == 3) {
        setEdges(e, 9, 10, kBlackRgb);
        setEdges(e, 11, 12, kWhiteRgb);
    } else {
        setEdges(e, 9, 10, defaultShown ? kBlackRgb : kWhiteRgb);
        setEdges(e, 11, 12, kBlackRgb);
    }
    return e;
}

EdgeColors classic3DEdges(int state) {
    EdgeColors e = noEdges();
    const RgbColor light = state == 2 ? kGreyRgb : kWhiteRgb;
    const RgbColor dark = state == 2 ? kWhiteRgb : kGreyRgb;
    for (int i : {1, 2, 5, 6}) e[static_cast<std::size_t>(i)] = light;
    for (int i : {3, 4, 7, 8}) e[static_cast<std::size_t>(i)] = dark;
    setEdges(e, 9, 12, kBlackRgb);
    return e;
}

EdgeColors roundedShadedEdges(int state, RgbColor base, bool enabled) {
    EdgeColors e = noEdges();
    if (!enabled) {
        setEdges(e, 9, 12, shiftedColor(base, -84, true));
        return e;
    }
    const auto b = [base](int amount) { return shiftedColor(base, amount, true); };
    switch (state) {
        case 0:
            e = {kNoColor, b(-10), b(10), b(-24), b(-32), b(-5), b(16), b(-36), b(-48)};
            break;
        case 1:
            e = {kNoColor, 0xF0D1B5, 0xF7D7BD, 0xF0D1B5, 0xE7AE8C,
                 0xE7AE8C, 0xFFDFBF, 0xE7AE8C, 0xEF826B};
            break;
        case 2:
            e = {kNoColor, b(-22), b(-24), base, b(10), b(-32), b(-32), b(5), b(16)};
            break;
        default:
            e = {kNoColor, 0x6BCBFF, 0x8CDBFF, 0x6BCBFF, 0x31B2FF,
                 0x31B2FF, 0xA6E9FF, 0x31B2FF, 0x0096E7};
            break;
    }
    setEdges(e, 9, 12, 0x733C00);
    return e;
}

EdgeColors flatGreyEdges(int state, RgbColor face, bool enabledOrToggle) {
    EdgeColors e = noEdges();
    const RgbColor dark = shiftedColor(kGreyRgb, -26);
    if (!enabledOrToggle) {
        setEdges(e, 1, 8, face);
        setEdges(e, 9, 12, dark);
        return e;
    }
    setEdges(e, 5, 6, state == 2 ? face : kWhiteRgb);
    setEdges(e, 7, 10, dark);
    setEdges(e, 11, 12, kWhiteRgb);
    return e;
}

EdgeColors raisedOrSunkenOuterEdges(int state) {
    EdgeColors e = noEdges();
    setEdges(e, 9, 10, state == 2 ? kGreyRgb : kWhiteRgb);
    setEdges(e, 11, 12, state == 2 ? kWhiteRgb : kGreyRgb);
    return e;
}

EdgeColors softEdgeEdges(int state) {
    EdgeColors e = noEdges();
    const RgbColor light = shiftedColor(0xDFDFDF, 8);
    const RgbColor topLeft = state == 0 ? light : kGreyRgb;
    const RgbColor bottomRight = state == 0 ? kGreyRgb : light;
    for (int i : {5, 6, 9, 10}) e[static_cast<std::size_t>(i)] = topLeft;
    for (int i : {7, 8, 11, 12}) e[static_cast<std::size_t>(i)] = bottomRight;
    return e;
}

EdgeColors roundedDarkEdges(int state, RgbColor face, RgbColor faceColor, long gradientMode) {
    RgbColor light = kWhiteRgb;
    RgbColor mid = shiftedColor(face, 31, true);
    RgbColor dark = shiftedColor(face, -64, true);
    if (state == 2) {
        const RgbColor g = gradientMode != 0 ? faceColor : kGreyRgb;
        face = g;
        light = shiftedColor(g, -32);
        mid = shiftedColor(g, -64);
        dark = shiftedColor(g, -16);
    }
    EdgeColors e = noEdges();
    setEdges(e, 1, 2, light);
    setEdges(e, 3, 4, face);
    setEdges(e, 5, 6, mid);
    setEdges(e, 7, 8, dark);
    setEdges(e, 9, 12, kBlackRgb);
    return e;
}

int StyleSoft3D(RedrawContext& c) {
    Face f(c);
    const PainterStart start = paintStandardFace(f);
    if (start.bg.code == kNothingToShow) return kNothingToShow;
    RgbColor soft = f.s.pressedAndHot() ? f.s.colors.FaceColor : kSoftGrey;
    RgbColor focus = shapedFocus(f, start.face, -48);
    int state = start.bg.state;
    if (f.checked()) {
        state = 3;
        soft = kSoftGrey;
        focus = kBlackRgb;
    }
    drawEdgesFor(f, soft3DEdges(state, soft, f.s.hasFlag(kDefaultShown)));
    const int code = painterEnd(f, start.bg.code);
    DrawFocus(f, focus, f.p.Value, false);
    return code;
}

namespace {

// Classic and thin-edge faces: raised (state 1) until pressed or checked (2).
int raisedOrSunkenPainter(RedrawContext& c, EdgeColors (*edgesFor)(int state)) {
    Face f(c);
    const PainterStart start = paintStandardFace(f);
    if (start.bg.code == kNothingToShow) return kNothingToShow;
    int state = std::max(start.bg.state, 1);
    RgbColor focus = shapedFocus(f, start.face, -48);
    if (f.checked()) {
        state = 2;
        focus = kBlackRgb;
    }
    drawEdgesFor(f, edgesFor(state));
    const int code = painterEnd(f, start.bg.code);
    DrawFocus(f, focus, f.p.Value, false);
    return code;
}

}  // namespace

int StyleClassic3D(RedrawContext& c) {
    return raisedOrSunkenPainter(c, classic3DEdges);
}

int StyleRoundedShaded(RedrawContext& c) {
    Face f(c);
    const DerivedColors& colors = f.s.colors;
    RgbColor base = colors.FaceColor;
    RgbColor fill = f.p.Enabled ? base : shiftedColor(base, -24, true);
    if (f.s.pressedAndHot() && f.p.GradientMode == 0 && !f.toggle()) fill = colors.PressedFaceColor;
    if (f.toggle() && f.checked()) base = fill = colors.CheckedFaceColor;
    const RgbColor caption = f.p.Enabled ? kBlackRgb : shiftedColor(base, -104, true);
    const RgbColor gradient = f.p.GradientMode != 0 && f.p.ButtonShape < 7
                                  ? shiftedColor(TranslateColor(f.p.GradientColor), 48, true)
                                  : fill;
    const PainterStart start = paintFaceAndContent(f, fill, gradient, caption, f.p.Value, true);
    if (start.bg.code == kNothingToShow) return kNothingToShow;
    int code = start.bg.code;

    if (f.p.ButtonShape >= 4) {
        if (f.s.hasFlag(kDefaultShown) && !f.s.IsHovering)
            c.edges[12] = 0xEF826B;
        else if (f.s.IsHovering)
            c.edges[12] = 0x0096E7;
        else
            code = kShowFace;
        return code;
    }
    int state = start.bg.state;
    if (f.checked()) state = f.s.hasFlag(kDefaultShown) ? 1 : 2;
    if (f.s.hasFlag(kHot) && !f.s.hasFlag(kPressed)) state = 3;
    if (state == 1 && !f.p.ShowFocusRect) state = 0;
    const EdgeColors edges = roundedShadedEdges(state, base, f.p.Enabled);
    drawEdgesFor(f, edges);
    // The outer colour on the pixels just inside the corners rounds them.
    const RgbColor outer = edges[9];
    f.setPixel(1, 1, outer);
    f.setPixel(1, f.h() - 2, outer);
    if (f.s.ContentRight == f.w()) {
        f.setPixel(f.w() - 2, 1, outer);
        f.setPixel(f.w() - 2, f.h() - 2, outer);
    }
    return kShowFace;
}

int StyleFlatGrey(RedrawContext& c) {
    Face f(c);
    const DerivedColors& colors = f.s.colors;
    RgbColor face = colors.FaceColor;
    if (f.toggle() && f.checked())
        face = colors.CheckedFaceColor;
    else if (!f.toggle() && f.s.pressedAndHot())
        face = colors.PressedFaceColor;
    const RgbColor caption = f.p.Enabled ? kGreyRgb : shiftedColor(kGreyRgb, -16);
    const PainterStart start =
        paintFaceAndContent(f, face, TranslateColor(f.p.GradientColor), caption, false, true);
    if (start.bg.code == kNothingToShow) return kNothingToShow;
    int state = start.bg.state;
    if (f.toggle()) state = (f.checked() || f.s.IsHeldDown) ? 2 : 3;
    state = std::max(state, 1);
    drawEdgesFor(f, flatGreyEdges(state, face, f.p.Enabled || f.toggle()));
    const int code = painterEnd(f, start.bg.code);
    DrawFocus(f, 0xCC9999, true, true);
    return code;
}

int StyleThinEdge(RedrawContext& c) {
    return raisedOrSunkenPainter(c, raisedOrSunkenOuterEdges);
}

int StyleHotTrack(RedrawContext& c) {
    Face f(c);
    const RgbColor face = standardFace(f);
    const PainterStart start = paintFaceAndContent(f, face, TranslateColor(f.p.GradientColor),
                                                   standardCaption(f), f.p.Value, f.toggle());
    if (start.bg.code == kNothingToShow) return kNothingToShow;
    const long shape = f.p.ButtonShape;
    if (shape >= 4 && shape <= 6 && f.s.DesignMode) {
        // A borderless button still shows where it is in the designer.
        f.dc.SelectClipRgn({});
        f.dc.setPen(static_cast<ColorRef>(shiftedColor(f.s.ParentBackColor, -32)));
        f.dc.Arc(0, 0, f.w() - 1, f.h() - 1, 0, 0, 0, 0);
        f.dc.SelectClipRgn(f.s.InnerRegion1);
    }
    if (shape < 4) {
        if (f.s.hasFlag(kHot) || f.p.Value) {
            const int state = f.checked() ? 2 : std::max(start.bg.state, 1);
            drawEdgesFor(f, raisedOrSunkenOuterEdges(state));
        } else if (f.s.DesignMode) {
            EdgeColors outline = noEdges();
            setEdges(outline, 9, 12, shiftedColor(f.s.ParentBackColor, -32));
            drawEdgesFor(f, outline);
        }
    }
    const int code = painterEnd(f, start.bg.code);
    DrawFocus(f, f.checked() ? kBlackRgb : shapedFocus(f, face, -48), f.p.Value, false);
    return code;
}

int StyleSoftEdge(RedrawContext& c) {
    Face f(c);
    const PainterStart start = paintStandardFace(f);
    if (start.bg.code == kNothingToShow) return kNothingToShow;
    int state = f.s.pressedAndHot() ? 1 : 0;
    RgbColor focus = shapedFocus(f, start.face, -48);
    if (f.checked()) {
        state = 1;
        focus = kBlackRgb;
    }
    drawEdgesFor(f, softEdgeEdges(state));
    const int code = painterEnd(f, start.bg.code);
    DrawFocus(f, focus, f.p.Value, false);
    return code;
}

int StyleRoundedDark(RedrawContext& c) {
    Face f(c);
    const DerivedColors& colors = f.s.colors;
    RgbColor face = colors.FaceColor;
    RgbColor focus = kNoColor;
    if (!f.toggle() && f.s.pressedAndHot())
        face = colors.PressedFaceColor;
    else if (f.toggle() && f.checked())
        face = colors.CheckedFaceColor;
    if (!f.toggle() && f.p.ButtonShape > 0) focus = shiftedColor(face, -64);
    if (f.toggle() && f.checked()) focus = shiftedColor(kGreyRgb, -32);
    const RgbColor gradient = f.p.Value || f.p.GradientMode == 0
                                  ? face
                                  : shiftedColor(TranslateColor(f.p.GradientColor), 31);
    const PainterStart start =
        paintFaceAndContent(f, face, gradient, standardCaption(f), f.p.Value, f.toggle());
    if (start.bg.code == kNothingToShow) return kNothingToShow;
    int state = start.bg.state;
    if ((f.toggle() && f.s.IsHeldDown) || f.p.Value) state = f.p.Value ? 2 : 0;
    const EdgeColors edges = roundedDarkEdges(state, face, colors.FaceColor, f.p.GradientMode);
    if (f.p.ButtonShape < 4) {
        drawEdgesFor(f, edges);
        // Corner pixels round the frame off.
        f.setPixel(3, 3, edges[1]);
        f.setPixel(2, 2, edges[5]);
        for (auto [x, y] :
             {std::pair{1, 1}, {1, f.h() - 2}, {f.w() - 2, 1}, {f.w() - 2, f.h() - 2}})
            f.setPixel(x, y, kBlackRgb);
    }
    const int code = painterEnd(f, start.bg.code);
    DrawFocus(f, focus, f.p.Value, false);
    return code;
}

void PrepareBuffer(GdiSurface& offscreen, const ButtonState& state) {
    if (offscreen.width() != state.Width || offscreen.height() != state.Height)
        offscreen.resize(state.Width, state.Height);
    // The bundled caption fonts are outline fonts; drawn without smoothing
    // their small sizes lose letters' spacing.
    offscreen.setTextAntialiasing(true);
}

namespace {

using Painter = int (*)(RedrawContext&);
constexpr Painter kPainters[] = {StyleSoft3D,   StyleClassic3D,  StyleRoundedShaded,
                                 StyleFlatGrey, StyleThinEdge,   StyleHotTrack,
                                 StyleSoftEdge, StyleRoundedDark};

// The 1-pixel outline of shaped buttons, shown over the finished face.
FaceOutline OutlineAfterPainting(const RedrawContext& c) {
    const ButtonState& s = c.state;
    const ButtonProperties& p = s.props;
    const long shape = p.ButtonShape;
    RgbColor color = c.edges[12];
    QRegion region;
    if (shape == 7 || shape == 8) {
        if (!s.IsHovering || s.pressedAndHot()) {
            if (!s.hasFlag(kDefaultShown)) return {};
            region = shape == 8 ? s.InnerRegion2 : s.InnerRegion1;
            if (p.Value && p.ButtonStyle != 2) color = shiftedColor(s.colors.PressedFaceColor, -32);
        } else {
            if (p.ButtonStyle != 2) {
                color = s.colors.HoverFaceColor;
                if (color == TranslateColor(p.BackColor)) return {};
            }
            region = s.OuterRegion;
        }
    } else if (shape >= 4 && shape <= 6) {
        if (p.ButtonStyle == 2 && !s.pressedAndHot())
            region = s.InnerRegion1;
        else if (shape == 6)
            region = s.OuterRegion;
    }
    if (region.isEmpty() || color < 0) return {};
    return {FrameRegion(region), color};
}

}  // namespace

int Redraw(RedrawContext& context) {
    ButtonState& s = context.state;
    context.outline = {};
    if (s.DrawingDelayed) return kNothingToShow;
    PrepareBuffer(context.offscreen, s);
    if (context.offscreen.isNull()) return kNothingToShow;
    context.edges = noEdges();
    const long style = std::clamp(s.props.ButtonStyle, 0L, 7L);
    const int code = kPainters[style](context);
    if (code > kShowFace && s.props.ButtonShape >= 4 && s.props.ButtonShape <= 8)
        context.outline = OutlineAfterPainting(context);
    return code;
}

void paintOutline(QPainter& painter, const FaceOutline& outline) {
    if (outline.isEmpty()) return;
    const QColor color = pixelColor(fromColorRef(static_cast<ColorRef>(outline.color)));
    for (const QRect& r : outline.frame) painter.fillRect(r, color);
}

}  // namespace qx
