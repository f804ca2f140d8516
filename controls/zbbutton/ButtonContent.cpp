#include "controls/zbbutton/ButtonContent.h"

#include "controls/zbbutton/ButtonColors.h"
#include "controls/zbbutton/ButtonLayout.h"

namespace qx {
namespace {

constexpr int kFaceNameLength = 31;  // a 32-character field with its closing zero
constexpr RgbColor kWhiteText = 0xFFFFFF;
constexpr RgbColor kGreyText = 0x808080;
constexpr int kReliefShift = 40;  // embossed and engraved passes

void drawCaptionAt(GdiSurface& surface, const QString& text, const GdiRect& rect, unsigned format,
                   RgbColor colour, int dx, int dy) {
    surface.setTextColor(static_cast<ColorRef>(colour));
    surface.DrawText(text, rect.translated(dx, dy), format);
}

}  // namespace

QString captionFaceName(const QString& name) {
    return name.left(kFaceNameLength);
}

QFont CaptionFont(const DesignFontInfo& font) {
    DesignFontInfo face = font;
    face.name = captionFaceName(font.name);
    return designFont(face);
}

void RefreshCaptionFont(const ButtonState& state, GdiSurface& surface) {
    surface.setFont(CaptionFont(state.props.Font));
}

QPoint contentOffset(const ButtonState& state, bool pressedLook) {
    if (!(pressedLook || state.pressedAndHot()) || state.props.ButtonStyle == 3) return {};
    return QPoint(state.props.ButtonShape <= 3 ? 1 : 0, 1);
}

void DrawCaption(const ButtonState& state, GdiSurface& surface, RgbColor baseColor,
                 bool pressedLook, bool skipGreyPass) {
    const ButtonProperties& props = state.props;
    const long shape = props.ButtonShape;
    if (props.Caption.isEmpty() || (shape >= 5 && !props.Value)) return;

    const QString text = captionText(props.Caption);
    const unsigned format = captionFormat(props.CaptionAlign);
    const QPoint offset = contentOffset(state, pressedLook);
    const GdiRect rect = state.CaptionRect.translated(offset.x(), offset.y());

    if (!props.Enabled) {
        if (baseColor < 0 || props.GradientMode != 0) {
            drawCaptionAt(surface, text, rect, format, kWhiteText, 1, 1);
            drawCaptionAt(surface, text, rect, format, kGreyText, 0, 0);
        } else {
            drawCaptionAt(surface, text, rect, format, baseColor, 0, 0);
            if (!skipGreyPass) drawCaptionAt(surface, text, rect, format, kGreyText, -1, -1);
        }
        return;
    }

    const bool hovering = state.IsHovering && !state.pressedAndHot();
    RgbColor textColour = TranslateColor(hovering ? props.HoverForeColor : props.ForeColor);
    if (!hovering && props.ButtonStyle == 7 && (props.Value || props.GradientMode == 0) &&
        baseColor >= 0)
        textColour = baseColor;

    int dy = 0;
    if (props.CaptionStyle == 1 || props.CaptionStyle == 2) {
        // Light and shadow around the text; without a painter's colour they
        // are taken from the face.
        const RgbColor base = baseColor >= 0 ? baseColor : state.colors.FaceColor;
        const int first = props.CaptionStyle == 2 ? kReliefShift : -kReliefShift;
        drawCaptionAt(surface, text, rect, format, shiftedColor(base, first), -1, 0);
        drawCaptionAt(surface, text, rect, format, shiftedColor(base, -first), 1, 2);
        dy = 1;
    }
    drawCaptionAt(surface, text, rect, format, textColour, 0, dy);
}

}  // namespace qx
