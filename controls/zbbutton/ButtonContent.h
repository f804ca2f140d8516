#pragma once

#include <QFont>
#include <QPoint>
#include <QString>

#include "controls/zbbutton/ButtonState.h"
#include "platform/gdi/GdiSurface.h"

namespace qx {

// A font's face name as the caption font's 32-character name field holds it:
// at most 31 characters.
QString captionFaceName(const QString& name);

// The caption font for the control's Font, from the families the game ships.
QFont CaptionFont(const DesignFontInfo& font);

// Rebuilds the caption font and gives it to the surface.
void RefreshCaptionFont(const ButtonState& state, GdiSurface& surface);

// How far caption and picture move for the pressed look: down one pixel, and
// right one for the rectangle and slanted shapes; never for ButtonStyle 3.
QPoint contentOffset(const ButtonState& state, bool pressedLook);

// The caption part of the face's content (the picture goes first, through
// DrawPicture). baseColor is the colour the painter chose for the caption
// (kNoColor when it has none); pressedLook asks for the pressed offset;
// skipGreyPass leaves out the grey pass of a disabled caption drawn in the
// painter's colour.
void DrawCaption(const ButtonState& state, GdiSurface& surface, RgbColor baseColor,
                 bool pressedLook, bool skipGreyPass);

}  // namespace qx
