#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

namespace qx {

// The look of a skinned window: seventeen settings, given in this order to
// Configure(). The values the main window uses are in brackets.
//
//  1 titleTextMode     [0]   0: the caption picture carries the title, no text
//                            is written; 1: the window title is written at the
//                            left, after the system button; 2: it is centred
//                            on the title plate.
//  2 outlineActive     [RGB(165,165,165)]  one-pixel line around the whole
//  3 outlineInactive   [RGB(165,165,165)]  window, active / inactive window.
//  4 pressedShade      [-85] added to each colour channel of the hot glyph
//                            while its mouse button is held (clamped 0..255).
//  5 titleColorActive  [RGB(255,255,192)]  title text, active / inactive
//  6 titleColorInactive[RGB(255,255,192)]  (modes 1 and 2 only).
//  7 titleHighlight    [white]             title text relief: a highlight
//  8 titleShadow       [RGB(92,107,104)]   one pixel up-left, a shadow one
//                                          pixel down-right. The shadow colour
//                                          is also the plain caption colour
//                                          when there is no caption bitmap.
//  9 titleFontActive   [the window's font] title font, active / inactive.
// 10 titleFontInactive [the window's font]
// 11 glyphWidth        [19]  size of one caption glyph, in the glyph sheet
// 12 glyphHeight       [20]  and on screen.
// 13 glyphTop          [20]  y of the glyphs in the caption bar.
// 14 glyphRight        [778] right edge of the close glyph in a window as wide
//                            as the caption picture; at other widths the glyphs
//                            keep their distance from the right edge.
// 15 pictureWidth      [800] width of the caption picture at the left of the
//                            caption bitmap; the glyph sheet follows it.
// 16 captionBitmap     [876 x 48] caption picture and glyph sheet (layout in
//                            SkinLayout.h); its height is the caption height.
// 17 borderBitmap      [70 x 10] frame tiles (layout in SkinLayout.h).
class WindowSkin {
public:
    void Configure(int titleTextMode, const QColor& outlineActive, const QColor& outlineInactive,
                   int pressedShade, const QColor& titleColorActive,
                   const QColor& titleColorInactive, const QColor& titleHighlight,
                   const QColor& titleShadow, const QFont& titleFontActive,
                   const QFont& titleFontInactive, int glyphWidth, int glyphHeight, int glyphTop,
                   int glyphRight, int pictureWidth, const QImage& captionBitmap,
                   const QImage& borderBitmap);

    int titleTextMode() const { return titleTextMode_; }
    QColor outline(bool active) const { return active ? outlineActive_ : outlineInactive_; }
    int pressedShade() const { return pressedShade_; }
    QColor titleColor(bool active) const {
        return active ? titleColorActive_ : titleColorInactive_;
    }
    QColor titleHighlight() const { return titleHighlight_; }
    QColor titleShadow() const { return titleShadow_; }
    QFont titleFont(bool active) const { return active ? titleFontActive_ : titleFontInactive_; }
    int glyphWidth() const { return glyphWidth_; }
    int glyphHeight() const { return glyphHeight_; }
    int glyphTop() const { return glyphTop_; }
    int glyphRight() const { return glyphRight_; }
    int pictureWidth() const { return pictureWidth_; }
    const QImage& captionBitmap() const { return captionBitmap_; }
    const QImage& borderBitmap() const { return borderBitmap_; }

    // Height of the caption bar: the caption bitmap's height, or a plain bar
    // of kPlainCaptionHeight without one.
    int captionHeight() const;
    static constexpr int kPlainCaptionHeight = 24;

    // True when the caption bitmap holds the picture and a full glyph sheet.
    bool hasGlyphSheet() const;
    // True when the border bitmap holds all seven frame tiles.
    bool hasBorderTiles() const;

private:
    int titleTextMode_ = 0;
    QColor outlineActive_{165, 165, 165};
    QColor outlineInactive_{165, 165, 165};
    int pressedShade_ = 0;
    QColor titleColorActive_{Qt::white};
    QColor titleColorInactive_{Qt::white};
    QColor titleHighlight_{Qt::white};
    QColor titleShadow_{Qt::darkGray};
    QFont titleFontActive_;
    QFont titleFontInactive_;
    int glyphWidth_ = 19;
    int glyphHeight_ = 20;
    int glyphTop_ = 2;
    int glyphRight_ = 0;
    int pictureWidth_ = 0;
    QImage captionBitmap_;
    QImage borderBitmap_;
};

}  // namespace qx
