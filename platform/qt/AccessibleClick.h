#pragma once

class QWidget;

namespace qx {

// Clicks `widget` in its middle with the left button, through the same mouse
// events a click sends: the press now, the release (and with it the click)
// `pressTime` milliseconds later from the event loop, so that an assistive
// technology asking for it is answered before whatever the click opens (a
// modal window, say) runs. A disabled widget is left alone.
void clickLikeTheMouse(QWidget* widget, int pressTime);

}  // namespace qx
