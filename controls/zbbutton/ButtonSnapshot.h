#pragma once

#include <QImage>
#include <QSize>

#include "controls/zbbutton/ButtonPainters.h"
#include "controls/zbbutton/ButtonState.h"
#include "platform/gdi/GdiSurface.h"

namespace qx {

// A button's face drawn without a widget, in the order the control runs the
// steps after a resize: shape region, caption font, layout, picture, painter.
// state.Width x state.Height is the size; the derived colours and the picture
// (RefreshPicture) must be current. Returns the painter's continue-code and
// leaves the outline to show over the face in `outline` when given.
int drawStandaloneFace(ButtonState& state, GdiSurface& surface, QSize screen,
                       FaceOutline* outline = nullptr);

// The face as the screen shows it, with the outline over it: pixels outside
// the window region take `outside` (the container's colour).
QImage snapshotFace(const ButtonState& state, const GdiSurface& surface, QRgb outside,
                    const FaceOutline& outline = {});

}  // namespace qx
