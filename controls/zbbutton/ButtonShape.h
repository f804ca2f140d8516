#pragma once

#include <QPoint>
#include <functional>

#include "controls/zbbutton/ButtonState.h"
#include "platform/gdi/GdiSurface.h"

namespace qx {

// How far a slanted edge leans over the button's height: one pixel per row.
int slantWidth(int height);

// The width a slanted button (ButtonShape 1..3) needs so that the room
// between its slanted edges is at least 5 pixels: the width grows in steps of
// 5 from `width`.
int widenedSlantWidth(long buttonShape, int width, int height);

// Asks the widget to make the button `width` pixels wide (drawing is delayed
// meanwhile); the new width must be in state.Width when it returns.
using SetButtonWidth = std::function<void(int width)>;

// Rebuilds OuterRegion, InnerRegion1/2 and ContentLeft/ContentRight from
// state.Width x state.Height and the ButtonStyle's corner trimming; ellipses
// and custom shapes get their outline drawn on the surface. The caller gives
// OuterRegion to the window (QWidget::setMask). Shapes 7 and 8 take their
// outline from the picture (its key-colour background is outside) and keep
// the previous one while there is no picture.
void BuildShapeRegion(ButtonState& state, GdiSurface& surface, const SetButtonWidth& setWidth);

// The displacement a pressed shaped button shows for a CustomClick value
// (x to the right, y downwards); (0, 0) for 0 and out-of-range values.
QPoint customClickDisplacement(long customClick);

// Moves the window by the given amount (container coordinates).
using MoveButtonBy = std::function<void(QPoint delta)>;

// Displaces a pressed-and-hot button by its CustomClick displacement, or
// moves a displaced button back by exactly what was applied. Returns true
// when it has just displaced the window: the caller then shows the
// off-screen image and stops painting.
bool CustomClickMove(ButtonState& state, const MoveButtonBy& moveBy);

}  // namespace qx
