#pragma once

#include <QSize>
#include <vector>

#include "controls/zbbutton/ButtonState.h"
#include "platform/gdi/GdiRect.h"

namespace qx {

// GradientMode values.
inline constexpr long kGradientNone = 0;
inline constexpr long kGradientLeftToRight = 1;
inline constexpr long kGradientRightToLeft = 2;
inline constexpr long kGradientTopToBottom = 3;
inline constexpr long kGradientBottomToTop = 4;

// steps + 1 colours from `from` (entry 0, exact) to `to` (entry steps), each
// component stepped linearly. Green and blue are read with the control's
// historic /255 and /65280 scaling, so a colour may come out one step off
// from a plain interpolation; the faces were always drawn that way. With 0
// steps the table is just `from`.
std::vector<RgbColor> BuildGradient(int steps, RgbColor from, RgbColor to);

struct GradientBand {
    GdiRect rect;
    RgbColor color = 0;
};

// The bands GradientFill paints on a width x height face. screenExtent is the
// screen's size in pixels along the gradient axis: a button spanning more
// than a third of it gets 2-pixel bands (an odd size ends with a 1-pixel
// band), a smaller one 1-pixel bands. Empty for GradientNone, for an unknown
// mode and for an empty face.
std::vector<GradientBand> GradientBands(long gradientMode, int width, int height, int screenExtent,
                                        RgbColor from, RgbColor to);

}  // namespace qx

namespace qx {

class GdiSurface;

// Paints the whole surface (through its clip) in GradientMode's bands from
// `from` to `to`. `screen` is the size in pixels of the screen the button is
// on: the extent along the gradient axis decides the band size.
void GradientFill(GdiSurface& surface, long gradientMode, QSize screen, RgbColor from, RgbColor to);

}  // namespace qx
