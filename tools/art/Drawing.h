#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <array>

namespace art {

// An image of the given size filled with `fill` (transparent by default).
QImage canvas(int width, int height, const QColor& fill = Qt::transparent);

// A painter with antialiasing on.
void prepare(QPainter& painter);

// Outline of a jigsaw piece whose body is `body`. Sides in the order top,
// right, bottom, left: +1 a tab out, -1 a blank in, 0 flat.
QPainterPath jigsawPiece(const QRectF& body, const std::array<int, 4>& sides);

// A vertical gradient brush from `top` to `bottom` over `rect`.
QBrush verticalGradient(const QRectF& rect, const QColor& top, const QColor& bottom);

// Fills `path` with a lit-from-top-left relief: base colour, a soft highlight
// along the top-left and a shade along the bottom-right, then an outline.
void reliefFill(QPainter& painter, const QPainterPath& path, const QColor& base,
                const QColor& outline, qreal outlineWidth = 1.0);

// A soft drop shadow of `path`, offset by (dx, dy).
void dropShadow(QPainter& painter, const QPainterPath& path, qreal dx, qreal dy, int alpha,
                int blurSteps = 3);

// A four-pointed sparkle centred on (x, y).
void sparkle(QPainter& painter, qreal x, qreal y, qreal radius, const QColor& color);

// Text with an outline and a one-pixel shadow below.
void embossedText(QPainter& painter, const QRectF& box, int flags, const QString& text,
                  const QColor& fill, const QColor& edge, const QColor& shadow);

// Lighter or darker by `amount` on every channel, clamped.
QColor shift(const QColor& color, int amount);

}  // namespace art
