#pragma once

#include <QFont>
#include <QImage>
#include <QRegion>

#include "controls/zbbutton/ButtonState.h"

namespace qx {

// The plain face the buttons show until the owner-drawn painters take over:
// background in the face or hover colour, a one-pixel 3D edge that sinks when
// pressed or selected (a selected button also sits a tone darker), the
// picture, the caption, the default frame and the focus rectangle.
void paintInterimFace(QImage& face, const ButtonState& state, const QFont& captionFont,
                      bool hasFocus);

}  // namespace qx
