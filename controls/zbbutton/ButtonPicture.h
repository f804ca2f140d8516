#pragma once

#include <QImage>
#include <QRegion>
#include <utility>

#include "platform/gdi/GdiRect.h"
#include "platform/raster/Bitmap.h"

namespace qx {

// How a button's picture is turned into pixels on its face: one key colour
// names its background, which is drawn transparent; a disabled button shows
// the picture as a flat grey shape.

// A picture's pixels with the colour that stands for its background. Made
// from a plain bitmap, the key is the bitmap's top-left pixel.
struct KeyedBitmap {
    Bitmap pixels;
    Pixel key = 0;

    KeyedBitmap() = default;
    KeyedBitmap(Bitmap bitmap, Pixel keyColor) : pixels(std::move(bitmap)), key(keyColor) {}
    KeyedBitmap(Bitmap bitmap)  // implicit: a plain bitmap keys by its top-left pixel
        : pixels(std::move(bitmap)), key(pixels.isNull() ? 0 : pixels.pixel(0, 0)) {}

    bool isNull() const { return pixels.isNull(); }
    int width() const { return pixels.width(); }
    int height() const { return pixels.height(); }
};

// A picture as the key-colour rules expect it. A picture without alpha keeps
// its pixels, keyed by its top-left pixel. A picture with an alpha channel
// has its own transparent pixels for background, wherever they are: they get
// a key colour that none of its other pixels comes within 3 of, so no drawn
// pixel (dark outlines or the top-left one included) is mistaken for
// background; its partly transparent edge pixels are blended over `matte`
// (the face they will stand on).
KeyedBitmap keyedPicture(const QImage& picture, Pixel matte);

// The outline of a custom-shaped button taken from its picture, and the same
// outline shrunk by 1 and 2 pixels.
struct PictureOutline {
    QRegion outline;
    QRegion inner1;
    QRegion inner2;
};

// `picture` resized to exactly width x height, with every pixel whose red,
// green and blue each lie within 3 of the key's set to the key, so lossy or
// antialiased backgrounds become one exact key colour. Only the picture's own
// pixels are scanned. With `outline`, the pixels that are not key-coloured
// make up the outline region of a custom shape.
KeyedBitmap prepareKeyedImage(const KeyedBitmap& picture, int width, int height,
                              PictureOutline* outline = nullptr);

// The key-colour transparent copy of `source` onto `dest`, stretched into
// destRect (to at most cx x cy when given, keeping the aspect). Pixels of
// the source's key colour leave the destination as it was.
void TransparentBlit(Bitmap& dest, const GdiRect& destRect, const KeyedBitmap& source, int cx = 0,
                     int cy = 0);

// A colour picture copied to one bit per pixel against a white background
// colour: white pixels become 1 (white), every other colour 0 (black).
void monochromeAgainstWhite(Bitmap& picture);

// An icon is drawn with its own transparency (alpha), at destRect's size.
void DrawIconPicture(Bitmap& dest, const GdiRect& destRect, const QImage& icon);

// A copy of `source` at width x height, each target pixel taking the nearest
// source pixel, as a stretch blit does without halftoning.
Bitmap stretchNearest(const Bitmap& source, int width, int height);

}  // namespace qx
