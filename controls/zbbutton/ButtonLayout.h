#pragma once

#include <QString>

#include "controls/zbbutton/ButtonState.h"
#include "platform/gdi/GdiSurface.h"

namespace qx {

// The caption as drawn: every "||" becomes a line break.
QString captionText(const QString& caption);

// DrawText format of the caption: word wrap, prefix processing and the
// horizontal alignment of CaptionAlign.
unsigned captionFormat(long captionAlign);

// The horizontal band caption and picture are laid out in.
struct ContentBand {
    int left = 0;
    int right = 0;
    int width = 0;  // the width the layout offers (see LayoutContent)
};
ContentBand contentBand(const ButtonState& state);

// Recomputes CaptionRect and PictureRect from the state, measuring the caption
// with the surface's font. Returns true when the picture is to be prepared at
// the size of PictureRect: always when pictureChanged, and whenever
// PictureSize 40 or 48 sets a new size.
bool LayoutContent(ButtonState& state, const GdiSurface& surface, bool pictureChanged);

}  // namespace qx
