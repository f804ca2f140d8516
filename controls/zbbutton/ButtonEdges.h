#pragma once

#include <array>

#include "controls/zbbutton/ButtonState.h"
#include "platform/gdi/GdiSurface.h"

namespace qx {

// Twelve edge colours, used 1-based: 1..4 the inner ring (2 pixels in), 5..8
// the middle ring (1 pixel in), 9..12 the outer ring, each as left, top,
// right, bottom. kNoColor skips a segment. Entry 12 doubles as the colour of
// the region frame drawn after painting shaped buttons.
using EdgeColors = std::array<RgbColor, 13>;

inline EdgeColors noEdges() {
    EdgeColors e;
    e.fill(kNoColor);
    return e;
}

// Sets entries first..last to `color`.
inline void setEdges(EdgeColors& e, int first, int last, RgbColor color) {
    for (int i = first; i <= last; ++i) e[static_cast<std::size_t>(i)] = color;
}

// Draws the three rings on a rectangular or slanted face (ButtonShape 0..3):
// every ring pixel belongs to exactly one segment, the top-left corner to the
// left edge and the other corners to the right and bottom edges, as the
// light and shadow of a raised edge meet. Slanted sides follow the outline
// between ContentLeft and ContentRight.
void DrawEdges(GdiSurface& surface, const ButtonState& state, const EdgeColors& edges);

// The corners of ring `inset` (0 outer, 1 middle, 2 inner) on this face, in
// the order left-bottom, left-top, right-top, right-bottom.
std::array<QPoint, 4> ringCorners(const ButtonState& state, int inset);

}  // namespace qx
