#include "tools/art/Drawing.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <algorithm>

namespace art {

QImage canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QColor shift(const QColor& color, int amount) {
    auto ch = [amount](int v) { return std::clamp(v + amount, 0, 255); };
    return QColor(ch(color.red()), ch(color.green()), ch(color.blue()), color.alpha());
}

namespace {

// One side of a piece, in edge coordinates: u runs along the edge (0..1),
// v points outwards in units of the edge length.
struct EdgeMap {
    QPointF from, to, out;
    QPointF at(qreal u, qreal v) const { return from + (to - from) * u + out * v; }
};

void addSide(QPainterPath& path, const EdgeMap& e, int kind) {
    if (kind == 0) {
        path.lineTo(e.to);
        return;
    }
    const qreal s = kind > 0 ? 1.0 : -1.0;
    auto p = [&](qreal u, qreal v) { return e.at(u, v * s); };
    path.lineTo(p(0.37, 0));
    path.cubicTo(p(0.43, 0.02), p(0.42, 0.09), p(0.37, 0.14));
    path.cubicTo(p(0.31, 0.22), p(0.38, 0.31), p(0.5, 0.31));
    path.cubicTo(p(0.62, 0.31), p(0.69, 0.22), p(0.63, 0.14));
    path.cubicTo(p(0.58, 0.09), p(0.57, 0.02), p(0.63, 0));
    path.lineTo(e.to);
}

}  // namespace

QPainterPath jigsawPiece(const QRectF& body, const std::array<int, 4>& sides) {
    const qreal w = body.width();
    const qreal h = body.height();
    QPainterPath path(body.topLeft());
    addSide(path, {body.topLeft(), body.topRight(), QPointF(0, -h)}, sides[0]);
    addSide(path, {body.topRight(), body.bottomRight(), QPointF(w, 0)}, sides[1]);
    addSide(path, {body.bottomRight(), body.bottomLeft(), QPointF(0, h)}, sides[2]);
    addSide(path, {body.bottomLeft(), body.topLeft(), QPointF(-w, 0)}, sides[3]);
    path.closeSubpath();
    return path;
}

QBrush verticalGradient(const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return QBrush(g);
}

void reliefFill(QPainter& painter, const QPainterPath& path, const QColor& base,
                const QColor& outline, qreal outlineWidth) {
    const QRectF r = path.boundingRect();
    painter.save();
    painter.setPen(Qt::NoPen);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, shift(base, 40));
    g.setColorAt(0.45, base);
    g.setColorAt(1, shift(base, -45));
    painter.setBrush(g);
    painter.drawPath(path);
    // Inner rim light along the top-left.
    painter.setClipPath(path);
    QPen rim(QColor(255, 255, 255, 110), std::max<qreal>(1.0, r.width() / 22.0));
    painter.setPen(rim);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path.translated(r.width() / 40.0 + 0.6, r.height() / 40.0 + 0.6));
    painter.setClipping(false);
    if (outlineWidth > 0) {
        painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    }
    painter.restore();
}

void dropShadow(QPainter& painter, const QPainterPath& path, qreal dx, qreal dy, int alpha,
                int blurSteps) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (int i = blurSteps; i >= 1; --i) {
        painter.setPen(QPen(QColor(0, 0, 0, alpha / (blurSteps + 1)), i * 1.6, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path.translated(dx, dy));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, alpha));
    painter.drawPath(path.translated(dx, dy));
    painter.restore();
}

void sparkle(QPainter& painter, qreal x, qreal y, qreal radius, const QColor& color) {
    QPainterPath star;
    const qreal r = radius;
    const qreal k = radius * 0.22;
    star.moveTo(x, y - r);
    star.quadTo(x + k, y - k, x + r, y);
    star.quadTo(x + k, y + k, x, y + r);
    star.quadTo(x - k, y + k, x - r, y);
    star.quadTo(x - k, y - k, x, y - r);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(star);
    painter.restore();
}

void embossedText(QPainter& painter, const QRectF& box, int flags, const QString& text,
                  const QColor& fill, const QColor& edge, const QColor& shadow) {
    painter.save();
    const QFontMetricsF fm(painter.font());
    const QRectF bounds = fm.boundingRect(box, flags, text);
    const QPointF origin(bounds.left(), bounds.top() + fm.ascent());
    QPainterPath path;
    path.addText(origin, painter.font(), text);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawPath(path.translated(0, 1.5));
    painter.setPen(QPen(edge, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

}  // namespace art
