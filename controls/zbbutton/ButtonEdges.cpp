#include "controls/zbbutton/ButtonEdges.h"

namespace qx {

namespace {

bool slantsLeft(long shape) {
    return shape == 1 || shape == 3;
}
bool slantsRight(long shape) {
    return shape == 2 || shape == 3;
}

}  // namespace

std::array<QPoint, 4> ringCorners(const ButtonState& state, int inset) {
    const int w = state.Width, h = state.Height;
    const int top = inset, bottom = h - 1 - inset;
    const long shape = state.props.ButtonShape;
    // A slanted side leans one pixel per row: it meets the top row at its
    // outer end and the bottom row ContentLeft (or W - ContentRight) pixels in.
    // A slanted side leans one pixel per row: the left one starts at the top
    // row's first pixel, the right one ends at ContentRight on the top row.
    const int leftTop = slantsLeft(shape) ? top + inset : inset;
    const int leftBottom = slantsLeft(shape) ? bottom + inset : inset;
    const int rightTop = slantsRight(shape) ? state.ContentRight + top - inset : w - 1 - inset;
    const int rightBottom =
        slantsRight(shape) ? state.ContentRight + bottom - inset : w - 1 - inset;
    return {QPoint(leftBottom, bottom), QPoint(leftTop, top), QPoint(rightTop, top),
            QPoint(rightBottom, bottom)};
}

void DrawEdges(GdiSurface& surface, const ButtonState& state, const EdgeColors& edges) {
    if (state.Width < 1 || state.Height < 1) return;
    RgbColor penColor = kNoColor;
    const auto segment = [&](int entry, QPoint from, QPoint to) {
        const RgbColor color = edges[static_cast<std::size_t>(entry)];
        if (color < 0) return;
        if (color != penColor) {  // a new pen only when the colour changes
            surface.setPen(static_cast<ColorRef>(color));
            penColor = color;
        }
        // Polyline leaves its end point out; drawing a single point needs one more.
        if (from == to) {
            surface.SetPixel(from.x(), from.y(), static_cast<ColorRef>(color));
            return;
        }
        surface.Polyline({from, to});
    };
    const auto step = [](QPoint from, QPoint to) {
        const int dx = (to.x() > from.x()) - (to.x() < from.x());
        const int dy = (to.y() > from.y()) - (to.y() < from.y());
        return QPoint(dx, dy);
    };
    // Inner ring first (entries 1..4), outer last (9..12).
    for (int ring = 0; ring < 3; ++ring) {
        const int inset = 2 - ring;
        const int first = 1 + 4 * ring;
        const auto [lb, lt, rt, rb] = ringCorners(state, inset);
        if (rt.x() < lt.x() || lb.y() < lt.y()) continue;  // too small for this ring
        // Left, bottom to top, with the top-left corner; top, left to right,
        // up to the top-right corner; right, top to bottom, up to the
        // bottom-right corner; bottom, right to left, with both its corners.
        segment(first, lb + step(lb, lt), lt + step(lb, lt));
        segment(first + 1, lt + step(lt, rt), rt);
        segment(first + 2, rt, rb);
        segment(first + 3, rb, lb + step(rb, lb));
    }
}

}  // namespace qx
