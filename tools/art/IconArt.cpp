// Small pictures: play-area pointers, button pictures, the clock and the
// congratulation icon. Button pictures have transparent surroundings and are
// drawn to read on the button faces RGB(231,225,203) and RGB(222,215,186).
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include "shell/PlayAreaPointers.h"
#include "tools/art/Art.h"
#include "tools/art/Drawing.h"
#include "tools/art/Palette.h"

namespace art {
namespace {

const QColor kInk(84, 40, 6);  // outline of every small picture

QImage pointerNormal() {
    QImage image = canvas(32, 32);
    QPainter p(&image);
    prepare(p);
    // Classic arrow whose outline starts on the hot spot pixel's centre, so
    // the tip pixel is the hot spot and nothing lies above or left of it.
    const qreal hx = qx::pointers::kNormalHotX + 0.5;
    const qreal hy = qx::pointers::kNormalHotY + 0.5;
    QPainterPath arrow;
    arrow.moveTo(hx, hy);
    arrow.lineTo(hx, hy + 20);
    arrow.lineTo(hx + 5, hy + 15.5);
    arrow.lineTo(hx + 8.6, hy + 23.5);
    arrow.lineTo(hx + 12, hy + 22);
    arrow.lineTo(hx + 8.4, hy + 14.2);
    arrow.lineTo(hx + 14.6, hy + 14.2);
    arrow.closeSubpath();
    dropShadow(p, arrow, 1.5, 1.5, 80, 1);
    QLinearGradient g(hx, hy, hx + 12, hy + 22);
    g.setColorAt(0, QColor(255, 206, 120));
    g.setColorAt(0.5, kBrightOrange);
    g.setColorAt(1, kDeepOrange);
    p.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(arrow);
    p.end();
    return image;
}

// A circle of two arrows chasing each other clockwise.
QImage pointerTurn() {
    QImage image = canvas(32, 32);
    QPainter p(&image);
    prepare(p);
    const QPointF c(qx::pointers::kTurnHotX, qx::pointers::kTurnHotY);
    const qreal r = 10;
    auto arc = [&](qreal startDeg) {
        // Qt angles run counter-clockwise; arrows point clockwise.
        QPainterPath path;
        const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
        path.arcMoveTo(box, startDeg);
        path.arcTo(box, startDeg, -130);
        return path;
    };
    auto head = [&](qreal endDeg) {
        const qreal a = qDegreesToRadians(endDeg);
        const QPointF tip(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
        // Clockwise tangent at the end of the arc.
        const QPointF t(std::sin(a), std::cos(a));
        const QPointF n(std::cos(a), -std::sin(a));
        QPainterPath h;
        h.moveTo(tip + t * 5.5);
        h.lineTo(tip + n * 5.2 - t * 1.0);
        h.lineTo(tip - n * 5.2 - t * 1.0);
        h.closeSubpath();
        return h;
    };
    for (qreal start : {100.0, 280.0}) {
        const QPainterPath a = arc(start);
        const QPainterPath h = head(start - 130);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 70), 6.5, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(a.translated(1.2, 1.2));
        p.setPen(QPen(kInk, 6.0, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(a);
        p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(kBrightOrange);
        p.drawPath(h);
        p.setPen(QPen(kBrightOrange, 3.6, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(a);
        p.setPen(QPen(QColor(255, 214, 150), 1.0, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(arc(start - 15).translated(-0.4, -0.4));
    }
    // Centre dot marks the hot spot.
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(255, 236, 200));
    p.drawEllipse(c, 1.8, 1.8);
    p.end();
    return image;
}

QImage buttonNew() {
    QImage image = canvas(32, 32);
    QPainter p(&image);
    prepare(p);
    const QPainterPath piece = jigsawPiece(QRectF(5.5, 10.5, 16, 16), {1, 1, -1, 0});
    dropShadow(p, piece, 1.2, 1.5, 70, 1);
    reliefFill(p, piece, kBrightOrange, kInk, 1.1);
    sparkle(p, 25.5, 6.5, 6, QColor(255, 255, 255));
    sparkle(p, 25.5, 6.5, 4.8, QColor(255, 196, 40));
    sparkle(p, 28.5, 15, 2.8, QColor(255, 196, 40));
    p.end();
    return image;
}

QImage buttonScatter() {
    QImage image = canvas(24, 24);
    QPainter p(&image);
    prepare(p);
    struct Bit {
        QRectF body;
        qreal angle;
        QColor color;
        std::array<int, 4> sides;
    };
    const Bit bits[3] = {{QRectF(3.5, 4.5, 8, 8), -20, kBrightOrange, {0, 1, 0, 0}},
                         {QRectF(14.5, 3.5, 7, 7), 28, kTan, {0, 0, 1, 0}},
                         {QRectF(8.5, 13.5, 8, 8), 12, kCream, {1, 1, 0, 0}}};
    for (const Bit& b : bits) {
        p.save();
        p.translate(b.body.center());
        p.rotate(b.angle);
        p.translate(-b.body.center());
        const QPainterPath piece = jigsawPiece(b.body, b.sides);
        dropShadow(p, piece, 0.8, 1, 60, 1);
        reliefFill(p, piece, b.color, kInk, 1.0);
        p.restore();
    }
    p.end();
    return image;
}

QImage buttonBoardColor() {
    QImage image = canvas(24, 24);
    QPainter p(&image);
    prepare(p);
    // A painter's palette with four colour wells.
    QPainterPath board;
    board.addEllipse(QRectF(1.5, 3.5, 21, 17));
    QPainterPath thumb;
    thumb.addEllipse(QRectF(13.5, 12.5, 5, 4.5));
    const QPainterPath palette = board.subtracted(thumb);
    dropShadow(p, palette, 0.8, 1, 60, 1);
    reliefFill(p, palette, QColor(214, 176, 120), kInk, 1.1);
    const QColor wells[4] = {QColor(220, 40, 30), QColor(250, 200, 30), QColor(40, 140, 70),
                             QColor(40, 90, 200)};
    const QPointF at[4] = {QPointF(6.5, 9), QPointF(11.5, 7), QPointF(16.5, 8.2),
                           QPointF(6.8, 14.5)};
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(shift(wells[i], -70), 0.8));
        p.setBrush(wells[i]);
        p.drawEllipse(at[i], 2.2, 2.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(at[i] + QPointF(-0.7, -0.7), 0.7, 0.7);
    }
    p.end();
    return image;
}

// A chunky arrow pointing right, turned to `angle` degrees.
QImage buttonMove(qreal angle) {
    QImage image = canvas(24, 24);
    QPainter p(&image);
    prepare(p);
    p.translate(12, 12);
    p.rotate(angle);
    QPainterPath arrow;
    arrow.moveTo(-8.5, -3.5);
    arrow.lineTo(0.5, -3.5);
    arrow.lineTo(0.5, -8.5);
    arrow.lineTo(9.5, 0);
    arrow.lineTo(0.5, 8.5);
    arrow.lineTo(0.5, 3.5);
    arrow.lineTo(-8.5, 3.5);
    arrow.closeSubpath();
    p.rotate(-angle);
    const QPainterPath shown = QTransform().rotate(angle).map(arrow);
    dropShadow(p, shown, 1, 1.2, 70, 1);
    QLinearGradient g(-9, -9, 9, 9);
    g.setColorAt(0, QColor(255, 208, 130));
    g.setColorAt(0.5, kBrightOrange);
    g.setColorAt(1, kDeepOrange);
    p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(shown);
    p.end();
    return image;
}

QImage clock() {
    QImage image = canvas(16, 16);
    QPainter p(&image);
    prepare(p);
    const QPointF c(8, 8);
    QRadialGradient rim(c + QPointF(-2, -2), 9);
    rim.setColorAt(0, QColor(255, 220, 160));
    rim.setColorAt(1, kDeepOrange);
    p.setPen(QPen(kInk, 1));
    p.setBrush(rim);
    p.drawEllipse(c, 7.2, 7.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 253, 240));
    p.drawEllipse(c, 5.2, 5.2);
    p.setPen(QPen(kUmber, 0.8));
    for (int i = 0; i < 4; ++i) {
        const qreal a = i * M_PI / 2;
        p.drawLine(c + QPointF(4.3 * std::cos(a), 4.3 * std::sin(a)),
                   c + QPointF(5.0 * std::cos(a), 5.0 * std::sin(a)));
    }
    p.setPen(QPen(kInk, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, -3.6));
    p.drawLine(c, c + QPointF(2.6, 1.2));
    p.end();
    return image;
}

// A gold medal with a star on an orange ribbon.
QImage winIcon() {
    QImage image = canvas(32, 32);
    QPainter p(&image);
    prepare(p);
    QPainterPath ribbon;
    ribbon.moveTo(8, 1);
    ribbon.lineTo(14, 1);
    ribbon.lineTo(18, 14);
    ribbon.lineTo(12, 14);
    ribbon.closeSubpath();
    QPainterPath ribbon2;
    ribbon2.moveTo(24, 1);
    ribbon2.lineTo(18, 1);
    ribbon2.lineTo(14, 14);
    ribbon2.lineTo(20, 14);
    ribbon2.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(60, 110, 170));
    p.drawPath(ribbon);
    p.setBrush(kBrightOrange);
    p.drawPath(ribbon2);
    const QPointF c(16, 20);
    QPainterPath disc;
    disc.addEllipse(c, 10.5, 10.5);
    dropShadow(p, disc, 1, 1.2, 80, 1);
    QRadialGradient gold(c + QPointF(-3.5, -4), 14);
    gold.setColorAt(0, QColor(255, 246, 190));
    gold.setColorAt(0.5, QColor(246, 196, 60));
    gold.setColorAt(1, QColor(186, 120, 20));
    p.setPen(QPen(QColor(120, 70, 0), 1.1));
    p.setBrush(gold);
    p.drawPath(disc);
    p.setPen(QPen(QColor(255, 250, 220, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 8, 8);
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal rr = i % 2 == 0 ? 6.2 : 2.6;
        const QPointF pt = c + QPointF(rr * std::cos(a), rr * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(150, 80, 0), 0.9));
    p.setBrush(QColor(255, 252, 230));
    p.drawPath(star);
    p.end();
    return image;
}

}  // namespace

std::vector<Picture> iconPictures() {
    return {{QStringLiteral("pointer-normal.png"), pointerNormal()},
            {QStringLiteral("pointer-turn.png"), pointerTurn()},
            {QStringLiteral("button-new.png"), buttonNew()},
            {QStringLiteral("button-scatter.png"), buttonScatter()},
            {QStringLiteral("button-board-color.png"), buttonBoardColor()},
            {QStringLiteral("button-move-left.png"), buttonMove(180)},
            {QStringLiteral("button-move-right.png"), buttonMove(0)},
            {QStringLiteral("button-move-up.png"), buttonMove(-90)},
            {QStringLiteral("button-move-down.png"), buttonMove(90)},
            {QStringLiteral("clock.png"), clock()},
            {QStringLiteral("win-icon.png"), winIcon()}};
}

}  // namespace art
