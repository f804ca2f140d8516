#include "controls/zbbutton/ButtonPictureDraw.h"

#include "controls/zbbutton/ButtonPicture.h"

namespace qx {

namespace {

constexpr ColorRef kSilhouetteGrey = 0x808080;
constexpr auto kKeepWhereSetElseBrush = static_cast<Rop>(0x00B8074A);

bool isCustomShape(const ButtonState& state) {
    return state.props.ButtonShape == 7 || state.props.ButtonShape == 8;
}

// The picture drawn over what `target` holds, at its size.
void drawPictureInto(const ButtonState& state, Bitmap& target) {
    const GdiRect whole{0, 0, target.width(), target.height()};
    if (state.PictureIsIcon) {
        DrawIconPicture(target, whole, state.props.Picture);
    } else {
        TransparentBlit(target, whole, state.CachedImage, state.CachedImage.width(),
                        state.CachedImage.height());
    }
}

}  // namespace

void RefreshPicture(ButtonState& state, bool isIcon) {
    state.CachedImage = {};
    state.PictureIsIcon = false;
    const QImage& picture = state.props.Picture;
    if (picture.isNull()) {
        state.ImageWidth = state.ImageHeight = 0;
        return;
    }
    state.ImageWidth = picture.width();
    state.ImageHeight = picture.height();
    state.PictureIsIcon = isIcon;
}

void PrepareImage(ButtonState& state, int width, int height, bool regionFlag) {
    if (!state.hasPicture() || state.PictureIsIcon || state.props.Picture.isNull()) return;
    // Soft edges of an alpha picture are blended over the idle face.
    const Pixel matte = fromColorRef(static_cast<ColorRef>(state.colors.FaceColor));
    if (state.KeyedPicture.isNull() || state.KeyedSource != state.props.Picture.cacheKey() ||
        state.KeyedMatte != matte) {
        state.KeyedPicture = keyedPicture(state.props.Picture, matte);
        state.KeyedSource = state.props.Picture.cacheKey();
        state.KeyedMatte = matte;
    }
    const KeyedBitmap& keyed = state.KeyedPicture;
    if (!regionFlag) {
        state.CachedImage = prepareKeyedImage(keyed, width, height);
        return;
    }
    PictureOutline outline;
    state.CachedImage = prepareKeyedImage(keyed, width, height, &outline);
    state.OuterRegion = outline.outline;
    state.InnerRegion1 = outline.inner1;
    state.InnerRegion2 = outline.inner2;
}

void DrawPicture(ButtonState& state, GdiSurface& offscreen, GdiRect rect) {
    if (!state.hasPicture()) return;
    if (isCustomShape(state)) {
        // The picture is the button: always prepared at the whole control's size.
        if (state.CachedImage.width() != state.Width || state.CachedImage.height() != state.Height)
            PrepareImage(state, state.Width, state.Height, false);
        rect = {0, 0, state.Width, state.Height};
        if (state.pressedAndHot()) rect = {1, 1, state.Width - 1, state.Height - 1};
    }
    if (rect.isEmpty()) return;
    if (!state.PictureIsIcon && state.CachedImage.isNull())
        PrepareImage(state, rect.width(), rect.height(), false);
    if (!state.PictureIsIcon && state.CachedImage.isNull()) return;

    // The face under the rectangle, the picture drawn over it, and back
    // through the surface's clip in one blit.
    Bitmap work(rect.width(), rect.height());
    if (state.props.Enabled) {
        BitBlt(work, 0, 0, rect.width(), rect.height(), offscreen.bitmap(), rect.left, rect.top,
               Rop::SrcCopy);
        drawPictureInto(state, work);
        offscreen.BitBlt(rect.left, rect.top, rect.width(), rect.height(), work, 0, 0,
                         Rop::SrcCopy);
        return;
    }
    // Disabled: drawn on white first, then every pixel that is not white
    // becomes the silhouette grey and white lets the face show.
    work.fill(kWhite);
    drawPictureInto(state, work);
    monochromeAgainstWhite(work);
    offscreen.setBrush(kSilhouetteGrey);
    offscreen.BitBlt(rect.left, rect.top, rect.width(), rect.height(), work, 0, 0,
                     kKeepWhereSetElseBrush);
}

}  // namespace qx
