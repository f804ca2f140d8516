#pragma once

#include "controls/zbbutton/ButtonState.h"
#include "platform/gdi/GdiRect.h"
#include "platform/gdi/GdiSurface.h"

namespace qx {

// The button's picture on its face: measured when assigned, prepared at the
// size the layout gives it, drawn into the off-screen surface.

// Re-reads the picture's kind and size after every Picture assignment; a
// picture that is no icon always clears PictureIsIcon. The cache is dropped.
void RefreshPicture(ButtonState& state, bool isIcon);

// Rebuilds CachedImage at width x height with its background set to one exact
// key colour. With regionFlag (custom shapes 7 and 8) the outline and the two
// inner regions are taken from the picture as well. Nothing for an icon.
void PrepareImage(ButtonState& state, int width, int height, bool regionFlag);

// Draws the picture into `rect` of the off-screen surface, through its clip:
// bitmaps key-colour transparent, icons with their own transparency, and a
// disabled button's picture as a flat grey shape.
void DrawPicture(ButtonState& state, GdiSurface& offscreen, GdiRect rect);

}  // namespace qx
