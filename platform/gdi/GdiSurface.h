#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/gdi/GdiRect.h"
#include "platform/raster/Bitmap.h"
#include "platform/raster/RasterOps.h"

namespace qx {

// An off-screen drawing surface with GDI's pixel rules: the button faces are
// painted here and reach the screen with one copy of image().
//
// Colours are colour references (0x00BBGGRR, red in the low byte), the form
// the button's colour values take. Pixels live in a qx::Bitmap (0xFFRRGGBB),
// so blits and raster operations go through platform/raster.
//
// Where GDI's rules differ from what Qt does by default:
// - Rectangles, regions and blits take (left, top, right, bottom) with the
//   right column and bottom row outside (GdiRect); QRect's right() and
//   bottom() are inclusive and never enter here.
// - Rectangle() outlines with the pen on the rectangle's outermost pixels and
//   fills the inside with the brush. With no pen it fills one pixel less to
//   the right and bottom, as GDI does. Lines, rectangles and single pixels
//   are set directly in the bitmap, never through QPainter, so nothing is
//   antialiased or offset by half a pixel.
// - Polyline() leaves the last point undrawn.
// - Polygon regions use the winding rule unless told otherwise (QRegion's
//   default is odd-even).
// - An empty clip region means "no clip" (GDI: selecting no region); a clip
//   that hides everything is never wanted here.
// - Elliptic regions and arcs are scan-converted here (pixel centres inside
//   the ellipse), not by QRegion::Ellipse, which leaves its first row empty
//   and is not symmetric.
// - Text is drawn transparently (no background box) and, like GDI's bitmap
//   fonts, without antialiasing unless setTextAntialiasing(true).
class GdiSurface {
public:
    enum class PenStyle { Solid, Null };

    // DrawText format bits, a subset of GDI's.
    enum TextFlag : unsigned {
        AlignLeft = 0x0,
        AlignCenter = 0x1,
        AlignRight = 0x2,
        WordBreak = 0x10,
        SingleLine = 0x20,  // no wrapping; line breaks are ignored
        NoPrefix = 0x800,   // "&" is drawn as it is
    };

    GdiSurface() = default;
    GdiSurface(int width, int height);

    // A new bitmap of the given size, filled black; tools and font stay, the
    // clip is removed. Sizes below 1 give an empty surface that ignores drawing.
    void resize(int width, int height);
    int width() const { return bitmap_.width(); }
    int height() const { return bitmap_.height(); }
    bool isNull() const { return bitmap_.isNull(); }

    Bitmap& bitmap() { return bitmap_; }
    const Bitmap& bitmap() const { return bitmap_; }
    // A copy of the pixels as an opaque QImage (Format_RGB32).
    QImage image() const;

    // Drawing tools. Brushes and pens are solid; Null draws nothing.
    void setPen(ColorRef color, int width = 1, PenStyle style = PenStyle::Solid);
    void setNullPen() { setPen(0, 1, PenStyle::Null); }
    void setBrush(ColorRef color);
    void setNullBrush();
    void setTextColor(ColorRef color) { textColor_ = color; }
    ColorRef textColor() const { return textColor_; }
    void setFont(const QFont& font) { font_ = font; }
    const QFont& font() const { return font_; }
    void setTextAntialiasing(bool on) { textAntialiasing_ = on; }

    // Clip region for every drawing call below; empty = none.
    void SelectClipRgn(const QRegion& region);
    const QRegion& clipRegion() const { return clip_; }
    bool hasClip() const { return !clip_.isEmpty(); }

    // Primitives with the current pen and brush.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const GdiRect& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
    void Polyline(const std::vector<QPoint>& points);
    void Polyline(std::initializer_list<QPoint> points) { Polyline(std::vector<QPoint>(points)); }
    // Outline with the pen and inside with the brush, filled by the winding rule.
    void Polygon(const std::vector<QPoint>& points);
    // Counter-clockwise part of the ellipse in the box from the ray through
    // (xStart, yStart) to the ray through (xEnd, yEnd); equal rays give the
    // whole ellipse.
    void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    void SetPixel(int x, int y, ColorRef color);
    ColorRef GetPixel(int x, int y) const;  // 0xFFFFFFFF outside the surface
    void FillRect(const GdiRect& r, ColorRef color);

    // Regions.
    void FillRgn(const QRegion& region, ColorRef color);
    // The pixels of the region that have a 4-neighbour outside it (GDI's
    // FrameRgn with a 1 x 1 frame), painted in the colour.
    void FrameRgn(const QRegion& region, ColorRef color);

    // Text. With WordBreak the text wraps at spaces inside bounds' width;
    // "\r\n" and "\n" break lines. MeasureText gives the rectangle the text
    // needs, at bounds' top-left (GDI's DT_CALCRECT): as wide as the widest
    // line, as high as the lines.
    GdiRect MeasureText(const QString& text, const GdiRect& bounds, unsigned flags) const;
    void DrawText(const QString& text, const GdiRect& bounds, unsigned flags);

    // Dotted outline that inverts every other pixel on the rectangle's edge;
    // drawing it twice restores the pixels.
    void DrawFocusRect(const GdiRect& r);

    // Blits honour the clip region; source pixels come from a bitmap.
    void BitBlt(int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy, Rop rop);
    // Nearest-pixel stretch (GDI's COLORONCOLOR mode).
    void StretchBlt(int dx, int dy, int dw, int dh, const Bitmap& src, int sx, int sy, int sw,
                    int sh, Rop rop);
    // Pattern operation with the current brush colour.
    void PatBlt(int x, int y, int w, int h, Rop rop);

private:
    bool visible(int x, int y) const;
    void plot(int x, int y, Pixel p);
    void fillSpan(int left, int top, int right, int bottom, Pixel p);
    void line(QPoint from, QPoint to, Pixel p);  // the end point is not drawn
    template <typename Draw>
    void blitThroughClip(int dx, int dy, int w, int h, Draw draw);

    Bitmap bitmap_;
    QRegion clip_;
    std::vector<std::uint8_t> clipMask_;  // one byte per pixel while a clip is set

    bool penNull_ = false;
    int penWidth_ = 1;
    Pixel penColor_ = kBlack;
    bool brushNull_ = false;
    Pixel brushColor_ = kBlack;
    ColorRef textColor_ = 0;
    QFont font_;
    bool textAntialiasing_ = false;
};

// Region builders with GDI's conventions (right and bottom outside).
QRegion RectRgn(int left, int top, int right, int bottom);
QRegion RectRgn(const GdiRect& r);
// Winding fill unless odd-even is asked for.
QRegion PolygonRgn(const std::vector<QPoint>& points, bool winding = true);
QRegion EllipticRgn(int left, int top, int right, int bottom);
// The pixels of a region with a 4-neighbour outside it: what FrameRgn paints.
QRegion FrameRegion(const QRegion& region);
// Combine, subtract and offset are QRegion's united(), subtracted() and
// translated(); the bounding box in GDI form:
GdiRect RgnBox(const QRegion& region);

}  // namespace qx
