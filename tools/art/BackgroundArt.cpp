// The main window's background: a raised control panel down the left edge on
// a plain ground. The play area (x 140..764, y 16..496) is covered by the
// board and stays plain.
#include <QLinearGradient>
#include <QRadialGradient>

#include "platform/fonts/DesignFonts.h"
#include "tools/art/Art.h"
#include "tools/art/Drawing.h"
#include "tools/art/Palette.h"

namespace art {
namespace {

constexpr int kWidth = 783;
constexpr int kHeight = 515;
const QRect kPlayArea(140, 16, 625, 481);

// Upper and lower part of the panel meet just under the board buttons' panel.
constexpr qreal kPanelLeft = 2.5;
constexpr qreal kPanelRight = 129.5;
constexpr qreal kPanelTop = 8.5;
constexpr qreal kPanelBottom = 510.5;
constexpr qreal kSplit = 234.5;

void paintPlayAreaWell(QPainter& p) {
    // A thin sunken lip just outside the board.
    const QRectF lip = QRectF(kPlayArea).adjusted(-2.5, -2.5, 1.5, 1.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shift(kGround, -38), 1));
    p.drawLine(lip.topLeft(), lip.topRight());
    p.drawLine(lip.topLeft(), lip.bottomLeft());
    p.setPen(QPen(shift(kGround, 34), 1));
    p.drawLine(lip.bottomLeft(), lip.bottomRight());
    p.drawLine(lip.topRight(), lip.bottomRight());
    p.setPen(QPen(shift(kGround, -18), 1));
    const QRectF inner = lip.adjusted(1, 1, -1, -1);
    p.drawLine(inner.topLeft(), inner.topRight());
    p.drawLine(inner.topLeft(), inner.bottomLeft());
}

QPainterPath panelShape() {
    QPainterPath path;
    path.addRoundedRect(
        QRectF(kPanelLeft, kPanelTop, kPanelRight - kPanelLeft, kPanelBottom - kPanelTop), 10, 10);
    return path;
}

void paintPanel(QPainter& p) {
    const QPainterPath shape = panelShape();
    dropShadow(p, shape, 2.5, 3, 70, 3);

    // Upper part: the light panel colour, lower part: orange.
    p.save();
    p.setClipPath(shape);
    const QRectF upper(kPanelLeft, kPanelTop, kPanelRight - kPanelLeft, kSplit - kPanelTop);
    const QRectF lower(kPanelLeft, kSplit, kPanelRight - kPanelLeft, kPanelBottom - kSplit);
    QLinearGradient across(kPanelLeft, 0, kPanelRight, 0);
    across.setColorAt(0, QColor(176, 170, 146));
    across.setColorAt(0.12, QColor(196, 190, 164));
    across.setColorAt(0.85, QColor(184, 178, 152));
    across.setColorAt(1, QColor(150, 144, 120));
    p.fillRect(upper, across);
    QLinearGradient warm(kPanelLeft, 0, kPanelRight, 0);
    warm.setColorAt(0, QColor(214, 140, 52));
    warm.setColorAt(0.12, QColor(238, 168, 78));
    warm.setColorAt(0.85, QColor(226, 152, 62));
    warm.setColorAt(1, QColor(186, 110, 30));
    p.fillRect(lower, warm);
    // Fine horizontal grain on the orange.
    for (int y = static_cast<int>(kSplit) + 3; y < kPanelBottom; y += 3) {
        p.fillRect(QRectF(kPanelLeft, y, kPanelRight - kPanelLeft, 1), QColor(255, 255, 255, 14));
    }
    // Seam between the two parts.
    p.fillRect(QRectF(kPanelLeft, kSplit - 1, kPanelRight - kPanelLeft, 1),
               QColor(90, 70, 40, 160));
    p.fillRect(QRectF(kPanelLeft, kSplit, kPanelRight - kPanelLeft, 1), QColor(255, 220, 170, 160));
    p.restore();

    // Raised edges: light top-left, dark bottom-right.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.2));
    p.save();
    p.setClipRect(QRectF(0, 0, 60, kHeight));
    p.drawPath(panelShape().translated(0.8, 0.8));
    p.restore();
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.drawPath(shape);
}

// Screws at the panel's corners.
void paintScrew(QPainter& p, QPointF c) {
    QRadialGradient g(c + QPointF(-0.8, -0.8), 3.2);
    g.setColorAt(0, QColor(250, 246, 230));
    g.setColorAt(1, QColor(120, 110, 84));
    p.setPen(QPen(QColor(70, 62, 44), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, 2.6, 2.6);
    p.setPen(QPen(QColor(70, 62, 44), 0.9));
    p.drawLine(c + QPointF(-1.6, 1.6), c + QPointF(1.6, -1.6));
}

// The round badge at the foot of the panel: a tiny 3 x 3 puzzle in a brass ring.
void paintBadge(QPainter& p) {
    const QPointF c(66, 491);
    const qreal r = 15;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 40, 0, 90));
    p.drawEllipse(c + QPointF(1, 1.5), r + 1, r + 1);
    QRadialGradient ring(c + QPointF(-4, -5), r * 1.6);
    ring.setColorAt(0, QColor(255, 236, 200));
    ring.setColorAt(0.5, kTan);
    ring.setColorAt(1, kUmber);
    p.setBrush(ring);
    p.setPen(QPen(QColor(96, 56, 20), 1));
    p.drawEllipse(c, r, r);
    QRadialGradient face(c + QPointF(3, 3), r);
    face.setColorAt(0, QColor(92, 107, 104));
    face.setColorAt(1, QColor(60, 72, 69));
    p.setBrush(face);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawEllipse(c, r - 3.5, r - 3.5);
    const qreal s = 5.4;
    const QColor colors[3] = {kOrange, kCream, kTan};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF cell(c.x() - 1.5 * s + col * s, c.y() - 1.5 * s + row * s, s - 0.8,
                              s - 0.8);
            p.setPen(Qt::NoPen);
            p.setBrush(colors[(row * 2 + col) % 3]);
            p.drawRoundedRect(cell, 1, 1);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(QRectF(c.x() - r * 0.55, c.y() - r + 2, r * 1.1, r * 0.6));
}

// Subtle engraved lines framing the spots the controls use.
void paintEngraving(QPainter& p) {
    auto groove = [&](QRectF r, qreal radius) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 240, 210, 110), 1));
        p.drawRoundedRect(r.translated(1, 1), radius, radius);
        p.setPen(QPen(QColor(110, 60, 10, 120), 1));
        p.drawRoundedRect(r, radius, radius);
    };
    groove(QRectF(13.5, 238.5, 110, 108), 12);  // Move Board cross
    groove(QRectF(21.5, 344.5, 95, 130), 8);    // timer and hint box
}

QImage background() {
    QImage image = canvas(kWidth, kHeight, kGround);
    QPainter p(&image);
    prepare(p);
    paintPlayAreaWell(p);
    paintPanel(p);
    paintEngraving(p);
    for (QPointF c : {QPointF(10, 16), QPointF(122, 16), QPointF(10, 503), QPointF(122, 503)}) {
        paintScrew(p, c);
    }
    paintBadge(p);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

std::vector<Picture> backgroundPictures() {
    return {{QStringLiteral("background.png"), background()}};
}

}  // namespace art
