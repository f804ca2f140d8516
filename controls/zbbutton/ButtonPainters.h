#pragma once

#include <QPainter>
#include <QRegion>
#include <QSize>
#include <functional>

#include "controls/zbbutton/ButtonEdges.h"
#include "controls/zbbutton/ButtonState.h"
#include "platform/gdi/GdiSurface.h"

namespace qx {

// The 1-pixel outline a shaped button shows over its face. It goes on the
// control's own surface after the face is copied there, never into the
// off-screen image, so the next redraw leaves no trace of it.
struct FaceOutline {
    QRegion frame;  // the pixels to paint
    RgbColor color = kNoColor;

    bool isEmpty() const { return frame.isEmpty() || color < 0; }
};

// Paints the outline over the face `painter` shows (its origin the button's).
void paintOutline(QPainter& painter, const FaceOutline& outline);

// What one redraw paints with: the button, its off-screen surface, the size
// of the screen it is on (gradient bands) and the CustomClick movement of
// shaped buttons (true when it has just moved the window: nothing is painted).
// The redraw leaves the outline to show over the face in `outline`.
struct RedrawContext {
    ButtonState& state;
    GdiSurface& offscreen;
    QSize screen;
    std::function<bool()> customClickMove;
    EdgeColors edges = noEdges();
    FaceOutline outline = {};
};

// Continue-codes of a painter: nothing to show, show the face, show it and
// frame the shaped outline (3: clipped to InnerRegion1, 4: to InnerRegion2).
inline constexpr int kNothingToShow = 0;
inline constexpr int kShowFace = 1;

// Paints the whole face of the current ButtonStyle into the off-screen
// surface and works out the outline of shaped buttons; returns the
// continue-code. When it is not 0 the caller shows the surface (one copy per
// paint) and the outline over it. Does nothing while DrawingDelayed.
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
