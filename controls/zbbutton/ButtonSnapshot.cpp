#include "controls/zbbutton/ButtonSnapshot.h"

#include <QPainter>

#include "controls/zbbutton/ButtonContent.h"
#include "controls/zbbutton/ButtonLayout.h"
#include "controls/zbbutton/ButtonPainters.h"
#include "controls/zbbutton/ButtonPictureDraw.h"
#include "controls/zbbutton/ButtonShape.h"

namespace qx {

int drawStandaloneFace(ButtonState& state, GdiSurface& surface, QSize screen,
                       FaceOutline* outline) {
    PrepareBuffer(surface, state);
    BuildShapeRegion(state, surface, [&state](int width) { state.Width = width; });
    PrepareBuffer(surface, state);  // a slanted shape may have widened the button
    RefreshCaptionFont(state, surface);
    if (LayoutContent(state, surface, true))
        PrepareImage(state, state.PictureRect.width(), state.PictureRect.height(), false);
    RedrawContext context{state, surface, screen, {}};
    const int code = Redraw(context);
    if (outline) *outline = context.outline;
    return code;
}

QImage snapshotFace(const ButtonState& state, const GdiSurface& surface, QRgb outside,
                    const FaceOutline& outline) {
    QImage shown(surface.width(), surface.height(), QImage::Format_RGB32);
    shown.fill(outside);
    QPainter painter(&shown);
    QRegion visible = state.OuterRegion.isEmpty() ? QRegion(shown.rect()) : state.OuterRegion;
    painter.setClipRegion(visible.intersected(shown.rect()));
    painter.drawImage(0, 0, surface.image());
    paintOutline(painter, outline);
    return shown;
}

}  // namespace qx
