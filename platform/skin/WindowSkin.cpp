#include "platform/skin/WindowSkin.h"

#include "platform/skin/SkinLayout.h"

namespace qx {

void WindowSkin::Configure(int titleTextMode, const QColor& outlineActive,
                           const QColor& outlineInactive, int pressedShade,
                           const QColor& titleColorActive, const QColor& titleColorInactive,
                           const QColor& titleHighlight, const QColor& titleShadow,
                           const QFont& titleFontActive, const QFont& titleFontInactive,
                           int glyphWidth, int glyphHeight, int glyphTop, int glyphRight,
                           int pictureWidth, const QImage& captionBitmap,
                           const QImage& borderBitmap) {
    titleTextMode_ = titleTextMode;
    outlineActive_ = outlineActive;
    outlineInactive_ = outlineInactive;
    pressedShade_ = pressedShade;
    titleColorActive_ = titleColorActive;
    titleColorInactive_ = titleColorInactive;
    titleHighlight_ = titleHighlight;
    titleShadow_ = titleShadow;
    titleFontActive_ = titleFontActive;
    titleFontInactive_ = titleFontInactive;
    glyphWidth_ = glyphWidth;
    glyphHeight_ = glyphHeight;
    glyphTop_ = glyphTop;
    glyphRight_ = glyphRight;
    pictureWidth_ = pictureWidth;
    captionBitmap_ = captionBitmap.convertToFormat(QImage::Format_ARGB32);
    borderBitmap_ = borderBitmap.convertToFormat(QImage::Format_ARGB32);
}

int WindowSkin::captionHeight() const {
    return captionBitmap_.isNull() ? kPlainCaptionHeight : captionBitmap_.height();
}

bool WindowSkin::hasGlyphSheet() const {
    return !captionBitmap_.isNull() && glyphWidth_ > 0 && glyphHeight_ > 0 && pictureWidth_ > 0 &&
           captionBitmap_.width() >= pictureWidth_ + skin::kGlyphColumns * glyphWidth_ &&
           captionBitmap_.height() >= skin::kGlyphRows * glyphHeight_;
}

bool WindowSkin::hasBorderTiles() const {
    return borderBitmap_.width() >= skin::kBorderBitmapWidth &&
           borderBitmap_.height() >= skin::kBorderBitmapHeight;
}

}  // namespace qx
