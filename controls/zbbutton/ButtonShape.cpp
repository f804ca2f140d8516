#include "controls/zbbutton/ButtonShape.h"

#include <QGuiApplication>
#include <QScreen>
#include <vector>

#include "controls/zbbutton/ButtonColors.h"
#include "controls/zbbutton/ButtonGradient.h"
#include "controls/zbbutton/ButtonPictureDraw.h"

namespace qx {
namespace {

constexpr int kMinContentBand = 5;  // narrowest room left between slanted edges

bool slantsLeft(long shape) {
    return shape == 1 || shape == 3;
}
bool slantsRight(long shape) {
    return shape == 2 || shape == 3;
}

// Room between the slanted edges of a button `width` pixels wide.
int contentBand(long shape, int width, int slant) {
    return width - slant * ((slantsLeft(shape) ? 1 : 0) + (slantsRight(shape) ? 1 : 0));
}

// Cuts the corners of the given sides as the ButtonStyle asks.
QRegion trimCorners(const QRegion& outline, const ButtonState& state, bool left, bool right) {
    const int w = state.Width, h = state.Height;
    QRegion cut;
    switch (state.props.ButtonStyle) {
        case 1:
            if (left) cut += RectRgn(0, 0, 1, 1).united(RectRgn(0, h - 1, 1, h));
            if (right) cut += RectRgn(w - 1, h - 1, w, h).united(RectRgn(w - 1, 0, w, 1));
            break;
        case 2:
        case 7:
            if (left) {
                cut += PolygonRgn({{0, 0}, {2, 0}, {0, 2}});
                cut += PolygonRgn({{0, h}, {3, h}, {0, h - 3}});
            }
            if (right) {
                cut += PolygonRgn({{w, 0}, {w - 2, 0}, {w, 2}});
                cut += PolygonRgn({{w, h}, {w - 3, h}, {w, h - 3}});
            }
            break;
        case 3:
            if (!state.props.Enabled) break;
            if (left) cut += RectRgn(0, h - 1, 1, h);
            if (right) cut += RectRgn(w - 1, 0, w, 1);
            break;
        default:
            break;
    }
    return outline.subtracted(cut);
}

void buildSlanted(ButtonState& state, const SetButtonWidth& setWidth) {
    const long shape = state.props.ButtonShape;
    const int slant = slantWidth(state.Height);
    const int wide = widenedSlantWidth(shape, state.Width, state.Height);
    if (wide != state.Width && setWidth) {
        state.DrawingDelayed = true;
        setWidth(wide);
        state.DrawingDelayed = false;
    }
    const int w = state.Width, h = state.Height;
    QPoint bottomLeft(0, h + 1), topRight(w + 1, 0);
    if (slantsLeft(shape)) {
        bottomLeft.setX(slant);
        state.ContentLeft = slant;
    }
    if (slantsRight(shape)) {
        topRight.setX(w - slant + 1);
        state.ContentRight = w - slant;
    }
    const QRegion outline = PolygonRgn({{0, 0}, bottomLeft, {w + 1, h + 1}, topRight});
    // Only an upright side keeps corners worth trimming.
    state.OuterRegion = trimCorners(outline, state, shape == 2, shape == 1);
}

// The painters' two-colour bevel, white at the top to grey at the bottom as
// their top-to-bottom gradient draws it; the face painted later inside
// InnerRegion1 leaves it showing as the rim.
void drawEllipseBevel(GdiSurface& surface, int w, int h) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    GradientFill(surface, kGradientTopToBottom, screen ? screen->size() : QSize(w, h), 0xFFFFFF,
                 0x808080);
}

void buildEllipse(ButtonState& state, GdiSurface& surface) {
    const int w = state.Width, h = state.Height;
    state.OuterRegion = EllipticRgn(0, 0, w, h);
    if (state.props.ButtonStyle != 5) {
        if (state.props.ButtonShape == 6) {
            surface.FrameRgn(state.OuterRegion, 0x000000);
        } else {
            drawEllipseBevel(surface, w, h);
        }
    }
    state.InnerRegion1 = EllipticRgn(1, 1, w - 1, h - 1);
    state.InnerRegion2 = EllipticRgn(2, 2, w - 2, h - 2);
}

// Shapes 7 and 8: the outline is the picture's non-background pixels (the
// picture routines also place the two inner regions 1 and 2 pixels inside).
void buildCustom(ButtonState& state, GdiSurface& surface) {
    const bool wasDelayed = state.DrawingDelayed;
    state.DrawingDelayed = true;
    PrepareImage(state, state.Width, state.Height, true);
    state.DrawingDelayed = wasDelayed;
    if (state.props.ButtonShape == 8)
        drawEllipseBevel(surface, state.Width, state.Height);
    else
        surface.FrameRgn(state.OuterRegion,
                         static_cast<ColorRef>(TranslateColor(state.props.BackColor)));
    surface.SelectClipRgn(state.InnerRegion1);
}

}  // namespace

int slantWidth(int height) {
    return height + 1;
}

int widenedSlantWidth(long buttonShape, int width, int height) {
    if (!slantsLeft(buttonShape) && !slantsRight(buttonShape)) return width;
    const int slant = slantWidth(height);
    int w = width;
    while (contentBand(buttonShape, w, slant) < kMinContentBand) w += 5;
    return w;
}

void BuildShapeRegion(ButtonState& state, GdiSurface& surface, const SetButtonWidth& setWidth) {
    const long shape = state.props.ButtonShape;
    // Custom shapes keep their previous outline until there is a picture to take one from.
    if (shape >= 7 && !state.hasPicture()) return;

    state.ContentLeft = 0;
    state.ContentRight = state.Width;
    surface.SelectClipRgn(QRegion());
    state.InnerRegion1 = QRegion();
    state.InnerRegion2 = QRegion();

    if (shape == 0) {
        state.OuterRegion =
            trimCorners(RectRgn(0, 0, state.Width + 1, state.Height + 1), state, true, true);
    } else if (shape <= 3) {
        buildSlanted(state, setWidth);
    } else if (shape <= 6) {
        buildEllipse(state, surface);
    } else {
        buildCustom(state, surface);
    }
    if (state.ContentRight == 0) state.ContentRight = state.Width;
}

QPoint customClickDisplacement(long customClick) {
    static const QPoint kTable[] = {{0, 0},  {0, -1}, {1, -1}, {-1, -1}, {1, 1},
                                    {-1, 1}, {1, 0},  {0, 1},  {-1, 0}};
    if (customClick < 0 || customClick > 8) return {};
    return kTable[customClick];
}

bool CustomClickMove(ButtonState& state, const MoveButtonBy& moveBy) {
    // A displaced button always goes back by what it moved, even when
    // CustomClick or Mode changed while it was down.
    if (state.Moved) {
        if (state.pressedAndHot()) return false;
        moveBy(-state.MovedBy);
        state.Moved = false;
        state.MovedBy = {};
        return false;
    }
    if (state.props.CustomClick == 0 || state.props.Mode != 0 || !state.pressedAndHot())
        return false;
    const QPoint delta = customClickDisplacement(state.props.CustomClick);
    moveBy(delta);
    state.Moved = true;
    state.MovedBy = delta;
    return true;
}

}  // namespace qx
