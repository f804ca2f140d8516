#include "platform/gdi/GdiSurface.h"

#include "platform/qt/BitmapImage.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qx {
namespace {

QRect toQRect(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

int qtTextFlags(unsigned flags) {
    int qt = Qt::AlignTop;
    if (flags & GdiSurface::AlignRight)
        qt |= Qt::AlignRight;
    else if (flags & GdiSurface::AlignCenter)
        qt |= Qt::AlignHCenter;
    else
        qt |= Qt::AlignLeft;
    if (flags & GdiSurface::SingleLine)
        qt |= Qt::TextSingleLine;
    else if (flags & GdiSurface::WordBreak)
        qt |= Qt::TextWordWrap;
    if (!(flags & GdiSurface::NoPrefix)) qt |= Qt::TextShowMnemonic;
    return qt;
}

// GDI breaks lines at "\r\n" as well as "\n"; Qt would draw the "\r".
QString normalisedLineBreaks(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return plain;
}

// Degrees (Qt's counter-clockwise, y up) of the ray from the box centre.
double rayAngle(double cx, double cy, int x, int y) {
    return qRadiansToDegrees(std::atan2(cy - y, x - cx));
}

}  // namespace

GdiSurface::GdiSurface(int width, int height) {
    resize(width, height);
}

void GdiSurface::resize(int width, int height) {
    if (width < 1 || height < 1)
        bitmap_ = Bitmap();
    else
        bitmap_.reset(width, height, kBlack);
    SelectClipRgn(QRegion());
}

QImage GdiSurface::image() const {
    return imageOver(bitmap_).copy();
}

void GdiSurface::setPen(ColorRef color, int width, PenStyle style) {
    penNull_ = style == PenStyle::Null;
    penWidth_ = std::max(1, width);
    penColor_ = fromColorRef(color);
}

void GdiSurface::setBrush(ColorRef color) {
    brushNull_ = false;
    brushColor_ = fromColorRef(color);
}

void GdiSurface::setNullBrush() {
    brushNull_ = true;
}

void GdiSurface::SelectClipRgn(const QRegion& region) {
    clip_ = region.intersected(QRect(0, 0, width(), height()));
    if (region.isEmpty()) clip_ = QRegion();
    clipMask_.clear();
    if (region.isEmpty()) return;
    clipMask_.assign(static_cast<std::size_t>(width()) * std::max(0, height()), 0);
    for (const QRect& r : clip_) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::fill_n(clipMask_.begin() + static_cast<std::ptrdiff_t>(y) * width() + r.left(),
                        r.width(), std::uint8_t{1});
    }
}

bool GdiSurface::visible(int x, int y) const {
    if (!bitmap_.contains(x, y)) return false;
    return clipMask_.empty() || clipMask_[static_cast<std::size_t>(y) * width() + x] != 0;
}

void GdiSurface::plot(int x, int y, Pixel p) {
    if (visible(x, y)) bitmap_.setPixel(x, y, p);
}

void GdiSurface::fillSpan(int left, int top, int right, int bottom, Pixel p) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width());
    bottom = std::min(bottom, height());
    for (int y = top; y < bottom; ++y) {
        Pixel* row = bitmap_.row(y);
        if (clipMask_.empty()) {
            std::fill(row + left, row + std::max(left, right), p | kOpaque);
            continue;
        }
        const std::uint8_t* mask = clipMask_.data() + static_cast<std::size_t>(y) * width();
        for (int x = left; x < right; ++x)
            if (mask[x]) row[x] = p | kOpaque;
    }
}

// Bresenham from `from` towards `to`, stopping before `to` as GDI's lines do.
void GdiSurface::line(QPoint from, QPoint to, Pixel p) {
    int x = from.x(), y = from.y();
    const int dx = std::abs(to.x() - x), dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1, sy = y < to.y() ? 1 : -1;
    int err = dx + dy;
    while (x != to.x() || y != to.y()) {
        plot(x, y, p);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void GdiSurface::Rectangle(int left, int top, int right, int bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (penNull_) {
        if (!brushNull_) fillSpan(left, top, right - 1, bottom - 1, brushColor_);
        return;
    }
    // A wider pen grows about the outline: half outwards, half inwards.
    const int outside = (penWidth_ - 1) / 2;
    const int inside = penWidth_ - outside;
    const int l = left - outside, t = top - outside, r = right + outside, b = bottom + outside;
    fillSpan(l, t, r, t + penWidth_, penColor_);
    fillSpan(l, b - penWidth_, r, b, penColor_);
    fillSpan(l, t, l + penWidth_, b, penColor_);
    fillSpan(r - penWidth_, t, r, b, penColor_);
    if (!brushNull_)
        fillSpan(left + inside, top + inside, right - inside, bottom - inside, brushColor_);
}

void GdiSurface::Polyline(const std::vector<QPoint>& points) {
    if (penNull_) return;
    for (std::size_t i = 1; i < points.size(); ++i) line(points[i - 1], points[i], penColor_);
}

void GdiSurface::Polygon(const std::vector<QPoint>& points) {
    if (points.size() < 2) return;
    if (!brushNull_) FillRgn(PolygonRgn(points), toColorRef(brushColor_));
    std::vector<QPoint> closed = points;
    closed.push_back(points.front());
    Polyline(closed);
}

void GdiSurface::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                     int yEnd) {
    if (penNull_) return;
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double start = rayAngle(cx, cy, xStart, yStart);
    double span = rayAngle(cx, cy, xEnd, yEnd) - start;
    while (span <= 0) span += 360.0;
    // The outline of the elliptic region, kept where it lies between the rays.
    for (const QRect& r : FrameRegion(EllipticRgn(left, top, right, bottom))) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                double angle =
                    qRadiansToDegrees(std::atan2(cy - (y + 0.5), (x + 0.5) - cx)) - start;
                while (angle < 0) angle += 360.0;
                if (angle <= span) plot(x, y, penColor_);
            }
        }
    }
}

void GdiSurface::SetPixel(int x, int y, ColorRef color) {
    plot(x, y, fromColorRef(color));
}

ColorRef GdiSurface::GetPixel(int x, int y) const {
    if (!bitmap_.contains(x, y)) return 0xFFFFFFFFu;
    return toColorRef(bitmap_.pixel(x, y));
}

void GdiSurface::FillRect(const GdiRect& r, ColorRef color) {
    fillSpan(r.left, r.top, r.right, r.bottom, fromColorRef(color));
}

void GdiSurface::FillRgn(const QRegion& region, ColorRef color) {
    const Pixel p = fromColorRef(color);
    for (const QRect& r : region) fillSpan(r.left(), r.top(), r.right() + 1, r.bottom() + 1, p);
}

void GdiSurface::FrameRgn(const QRegion& region, ColorRef color) {
    FillRgn(FrameRegion(region), color);
}

GdiRect GdiSurface::MeasureText(const QString& text, const GdiRect& bounds, unsigned flags) const {
    if (text.isEmpty()) return {bounds.left, bounds.top, bounds.left, bounds.top};
    const QFontMetrics metrics(font_);
    const QRect room(bounds.left, bounds.top, std::max(0, bounds.width()), 1 << 20);
    // Measured left-aligned: DT_CALCRECT keeps the left edge where it was.
    const QRect used = metrics.boundingRect(room, qtTextFlags(flags & ~(AlignCenter | AlignRight)),
                                            normalisedLineBreaks(text));
    return {bounds.left, bounds.top, bounds.left + used.width(), bounds.top + used.height()};
}

void GdiSurface::DrawText(const QString& text, const GdiRect& bounds, unsigned flags) {
    if (isNull() || text.isEmpty() || bounds.isEmpty()) return;
    QImage view = imageOver(bitmap_);
    QPainter painter(&view);
    painter.setRenderHint(QPainter::TextAntialiasing, textAntialiasing_);
    QFont font = font_;
    if (!textAntialiasing_)
        font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(fromColorRef(textColor_)));
    // GDI clips DrawText to its rectangle unless told not to.
    const QRect box = toQRect(bounds.left, bounds.top, bounds.right, bounds.bottom);
    painter.setClipRegion(hasClip() ? clip_.intersected(box) : QRegion(box));
    painter.drawText(box, qtTextFlags(flags), normalisedLineBreaks(text));
}

void GdiSurface::DrawFocusRect(const GdiRect& r) {
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const bool edge = y == r.top || y == r.bottom - 1 || x == r.left || x == r.right - 1;
            if (!edge || ((x + y) & 1) || !visible(x, y)) continue;
            bitmap_.setPixel(x, y, bitmap_.pixel(x, y) ^ kRgbMask);
        }
    }
}

template <typename Draw>
void GdiSurface::blitThroughClip(int dx, int dy, int w, int h, Draw draw) {
    if (!hasClip()) {
        draw(dx, dy, w, h);
        return;
    }
    for (const QRect& r : clip_.intersected(QRect(dx, dy, w, h)))
        draw(r.x(), r.y(), r.width(), r.height());
}

void GdiSurface::BitBlt(int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy, Rop rop) {
    if (&src == &bitmap_ && hasClip()) {
        const Bitmap copy = src;  // clipped pieces must all read the unchanged source
        BitBlt(dx, dy, w, h, copy, sx, sy, rop);
        return;
    }
    blitThroughClip(dx, dy, w, h, [&](int x, int y, int cw, int ch) {
        qx::BitBlt(bitmap_, x, y, cw, ch, src, sx + (x - dx), sy + (y - dy), rop, brushColor_);
    });
}

void GdiSurface::StretchBlt(int dx, int dy, int dw, int dh, const Bitmap& src, int sx, int sy,
                            int sw, int sh, Rop rop) {
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    Bitmap stretched(dw, dh);
    for (int y = 0; y < dh; ++y) {
        const int srcY =
            std::clamp(sy + static_cast<int>((2LL * y + 1) * sh / (2LL * dh)), 0, src.height() - 1);
        Pixel* out = stretched.row(y);
        for (int x = 0; x < dw; ++x) {
            const int srcX = std::clamp(sx + static_cast<int>((2LL * x + 1) * sw / (2LL * dw)), 0,
                                        src.width() - 1);
            out[x] = src.isNull() ? kBlack : src.pixel(srcX, srcY);
        }
    }
    BitBlt(dx, dy, dw, dh, stretched, 0, 0, rop);
}

void GdiSurface::PatBlt(int x, int y, int w, int h, Rop rop) {
    blitThroughClip(x, y, w, h, [&](int cx, int cy, int cw, int ch) {
        qx::PatBlt(bitmap_, cx, cy, cw, ch, brushColor_, rop);
    });
}

QRegion RectRgn(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return QRegion();
    return QRegion(toQRect(left, top, right, bottom));
}

QRegion RectRgn(const GdiRect& r) {
    return RectRgn(r.left, r.top, r.right, r.bottom);
}

QRegion PolygonRgn(const std::vector<QPoint>& points, bool winding) {
    QPolygon polygon;
    for (const QPoint& p : points) polygon << p;
    return QRegion(polygon, winding ? Qt::WindingFill : Qt::OddEvenFill);
}

QRegion EllipticRgn(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return QRegion();
    // Row by row: the pixels whose centres lie inside the ellipse, so the
    // region is symmetric in both axes.
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
    QRegion region;
    for (int y = top; y < bottom; ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        const double half = rx * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        const int from = static_cast<int>(std::ceil(cx - half - 0.5));
        const int to = static_cast<int>(std::floor(cx + half - 0.5));
        if (to >= from) region += QRect(from, y, to - from + 1, 1);
    }
    return region;
}

QRegion FrameRegion(const QRegion& region) {
    const QRegion core = region.translated(1, 0)
                             .intersected(region.translated(-1, 0))
                             .intersected(region.translated(0, 1))
                             .intersected(region.translated(0, -1));
    return region.subtracted(core);
}

GdiRect RgnBox(const QRegion& region) {
    const QRect box = region.boundingRect();
    if (box.isEmpty()) return {};
    return {box.left(), box.top(), box.right() + 1, box.bottom() + 1};
}

}  // namespace qx
