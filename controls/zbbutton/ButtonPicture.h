#pragma once

#include <QImage>
#include <QRegion>

#include "platform/gdi/GdiRect.h"
#include "platform/raster/Bitmap.h"

namespace qx {

// How a button's picture is turned into pixels on its face: the picture's
// top-left pixel names the background (key) colour, which is drawn
// transparent; a disabled button shows the picture as a flat grey shape.

// A picture as the key-colour rules expect it. A picture with an alpha
// channel has its fully transparent pixels set to a key colour that none of
// its other pixels comes within 3 of, so no drawn pixel (dark outlines
// included) is mistaken for background; its partly transparent edge pixels
// are blended over `matte` (the face they will stand on). Pictures without
// alpha are copied as they are.
Bitmap keyedPicture(const QImage& picture, Pixel matte);

// The outline of a custom-shaped button taken from its picture, and the same
// outline shrunk by 1 and 2 pixels.
struct PictureOutline {
    QRegion outline;
    QRegion inner1;
    QRegion inner2;
};

// `picture` resized to exactly width x height, with every pixel whose red,
// green and blue each lie within 3 of the top-left pixel's set to that colour,
// so lossy or antialiased backgrounds become one exact key colour. Only the
// picture's own pixels are scanned. With `outline`, the pixels that are not
// key-coloured make up the outline region of a custom shape.
Bitmap prepareKeyedImage(const Bitmap& picture, int width, int height,
                         PictureOutline* outline = nullptr);

// The key-colour transparent copy of `source` onto `dest`, stretched into
// destRect (to at most cx x cy when given, keeping the aspect). Pixels of
// the source's top-left colour leave the destination as it was.
void TransparentBlit(Bitmap& dest, const GdiRect& destRect, const Bitmap& source, int cx = 0,
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
