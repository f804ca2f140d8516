#pragma once

#include <QSize>
#include <functional>

#include "controls/zbbutton/ButtonEdges.h"
#include "controls/zbbutton/ButtonState.h"
#include "platform/gdi/GdiSurface.h"

namespace qx {

// What one redraw paints with: the button, its off-screen surface, the size
// of the screen it is on (gradient bands) and the CustomClick movement of
// shaped buttons (true when it has just moved the window: nothing is painted).
struct RedrawContext {
    ButtonState& state;
    GdiSurface& offscreen;
    QSize screen;
    std::function<bool()> customClickMove;
    EdgeColors edges = noEdges();
};

// Continue-codes of a painter: nothing to show, show the face, show it and
// frame the shaped outline (3: clipped to InnerRegion1, 4: to InnerRegion2).
inline constexpr int kNothingToShow = 0;
inline constexpr int kShowFace = 1;

// Paints the whole face of the current ButtonStyle into the off-screen
// surface, then the outline of shaped buttons; returns the continue-code.
// The caller shows the surface when it is not 0 (one copy per paint). Does
// nothing while DrawingDelayed.
int Redraw(RedrawContext& context);

// Makes the surface the button's size (a new bitmap after a resize), with
// smoothed caption text.
void PrepareBuffer(GdiSurface& offscreen, const ButtonState& state);

// The painters, one per ButtonStyle 0..7. Each returns its continue-code and
// leaves the region frame colour in edges[12].
int StyleSoft3D(RedrawContext& c);
int StyleClassic3D(RedrawContext& c);
int StyleRoundedShaded(RedrawContext& c);
int StyleFlatGrey(RedrawContext& c);
int StyleThinEdge(RedrawContext& c);
int StyleHotTrack(RedrawContext& c);
int StyleSoftEdge(RedrawContext& c);
int StyleRoundedDark(RedrawContext& c);

// The edge tables, by the painter's state (0 idle, 1 default, 2 pressed,
// 3 checked or hover where the painter has it).
EdgeColors soft3DEdges(int state, RgbColor soft, bool defaultShown);
EdgeColors classic3DEdges(int state);
EdgeColors roundedShadedEdges(int state, RgbColor base, bool enabled);
EdgeColors flatGreyEdges(int state, RgbColor face, bool enabledOrToggle);
EdgeColors raisedOrSunkenOuterEdges(int state);  // thin-edge and hot-track faces
EdgeColors softEdgeEdges(int state);
EdgeColors roundedDarkEdges(int state, RgbColor face, RgbColor faceColor, long gradientMode);

}  // namespace qx
