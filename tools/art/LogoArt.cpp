// Logos: the start-up window's picture and badge, the About window's logo and
// the program's icon.
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include "platform/fonts/DesignFonts.h"
#include "quiltrix/Version.h"
#include "tools/art/Art.h"
#include "tools/art/Drawing.h"
#include "tools/art/Palette.h"

namespace art {
namespace {

struct PieceSpec {
    int row, col;
    QColor color;
    std::array<int, 4> sides;
};

// A piece with its picture fill, a lit rim and an outline.
void drawPiece(QPainter& p, const QPainterPath& path, const QColor& color) {
    reliefFill(p, path, color, QColor(70, 40, 10), 1.2);
}

// The product name in tall display letters, orange with a dark edge.
void drawName(QPainter& p, const QRectF& box, int pixelSize, qreal spacing) {
    QFont font = qx::designFont(QStringLiteral("Impact"), pixelSize * 72.0 / 96.0);
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    const QFontMetricsF fm(font);
    const QString name = QStringLiteral("QUILTRIX");
    const QRectF bounds = fm.boundingRect(box, Qt::AlignCenter, name);
    QPainterPath text;
    text.addText(QPointF(bounds.left(), bounds.top() + fm.ascent()), font, name);
    dropShadow(p, text, 2, 3, 90, 2);
    p.setPen(QPen(QColor(80, 36, 0), pixelSize / 14.0 + 1.5, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    const QRectF tb = text.boundingRect();
    QLinearGradient g(tb.topLeft(), tb.bottomLeft());
    g.setColorAt(0, QColor(255, 232, 170));
    g.setColorAt(0.45, QColor(250, 170, 60));
    g.setColorAt(0.55, kBrightOrange);
    g.setColorAt(1, kDeepOrange);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(text);
    p.save();
    p.setClipPath(text);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRect(QRectF(tb.left(), tb.top(), tb.width(), tb.height() * 0.42));
    p.restore();
}

// A 3 x 3 jigsaw, interlocking, with the middle piece of the right column
// lifted out and tilted above its gap.
void drawPuzzle(QPainter& p, QPointF origin, qreal s) {
    const QColor palette[9] = {kOrange,
                               kTan,
                               QColor(112, 150, 160),
                               kCream,
                               kBrightOrange,
                               kLeaf,
                               QColor(200, 110, 70),
                               kSage,
                               QColor(240, 200, 110)};
    // Tabs: horizontal joints (between col c and c+1) and vertical joints.
    const int across[3][2] = {{1, -1}, {-1, 1}, {1, 1}};
    const int down[2][3] = {{-1, 1, -1}, {1, -1, 1}};
    auto sides = [&](int r, int c) {
        std::array<int, 4> s4{0, 0, 0, 0};
        if (r > 0) s4[0] = -down[r - 1][c];
        if (c < 2) s4[1] = across[r][c];
        if (r < 2) s4[2] = down[r][c];
        if (c > 0) s4[3] = -across[r][c - 1];
        return s4;
    };
    auto body = [&](int r, int c) { return QRectF(origin.x() + c * s, origin.y() + r * s, s, s); };

    // Shadow of the whole board, then the gap left by the lifted piece.
    QPainterPath all;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) all = all.united(jigsawPiece(body(r, c), sides(r, c)));
    }
    dropShadow(p, all, 3, 4, 80, 3);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            if (r == 1 && c == 2) continue;
            drawPiece(p, jigsawPiece(body(r, c), sides(r, c)), palette[r * 3 + c]);
        }
    }
    const QPainterPath gap = jigsawPiece(body(1, 2), sides(1, 2));
    p.setPen(QPen(QColor(40, 30, 20, 150), 1));
    p.setBrush(QColor(70, 78, 68));
    p.drawPath(gap);

    // The lifted piece.
    p.save();
    const QPointF centre = body(1, 2).center();
    p.translate(centre + QPointF(s * 0.55, -s * 0.42));
    p.rotate(14);
    p.translate(-centre);
    const QPainterPath lifted = jigsawPiece(body(1, 2), sides(1, 2));
    dropShadow(p, lifted, 6, 9, 90, 4);
    drawPiece(p, lifted, palette[5]);
    p.restore();
}

QImage startLogo() {
    QImage image = canvas(333, 286, kGround);
    QPainter p(&image);
    prepare(p);
    // A soft light behind the name and the puzzle.
    QRadialGradient glow(QPointF(160, 150), 170);
    glow.setColorAt(0, QColor(255, 250, 225, 70));
    glow.setColorAt(1, QColor(255, 250, 225, 0));
    p.fillRect(image.rect(), glow);
    drawName(p, QRectF(12, 8, 310, 84), 78, 4);
    drawPuzzle(p, QPointF(88, 116), 48);
    sparkle(p, 300, 118, 9, QColor(255, 250, 220));
    sparkle(p, 62, 112, 6, QColor(255, 250, 220, 220));
    sparkle(p, 284, 240, 5, QColor(255, 250, 220, 200));
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage startBadge() {
    QImage image = canvas(100, 40, kGround);
    QPainter p(&image);
    prepare(p);
    const QRectF plate(3.5, 4.5, 92, 30);
    QPainterPath shape;
    shape.addRoundedRect(plate, 8, 8);
    dropShadow(p, shape, 1.5, 2, 80, 2);
    p.setPen(QPen(QColor(96, 40, 0), 1.2));
    p.setBrush(verticalGradient(plate, QColor(255, 214, 150), kDeepOrange));
    p.drawPath(shape);
    p.setPen(QPen(QColor(255, 255, 255, 130), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(1.5, 1.5, -1.5, -1.5), 6.5, 6.5);
    QFont small = qx::designFont(QStringLiteral("Verdana"), 6, true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setFont(small);
    p.setPen(QColor(110, 45, 0));
    p.drawText(QRectF(plate.left(), plate.top() + 2, plate.width(), 10), Qt::AlignCenter,
               QStringLiteral("VERSION"));
    QFont big = qx::designFont(QStringLiteral("Impact"), 14.25);
    p.setFont(big);
    embossedText(p, QRectF(plate.left(), plate.top() + 9, plate.width(), 22), Qt::AlignCenter,
                 QLatin1String(QUILTRIX_VERSION), QColor(255, 252, 236), QColor(120, 50, 0),
                 QColor(90, 36, 0, 140));
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage aboutLogo() {
    QImage image = canvas(202, 80, kGround);
    QPainter p(&image);
    prepare(p);
    // Emblem: a single large piece.
    const QPainterPath piece = jigsawPiece(QRectF(14, 20, 36, 36), {1, -1, 1, 0});
    dropShadow(p, piece, 2, 3, 90, 2);
    drawPiece(p, piece, kBrightOrange);
    sparkle(p, 50, 16, 6, QColor(255, 250, 220));
    drawName(p, QRectF(64, 6, 134, 50), 42, 2);
    QFont tag = qx::designFont(QStringLiteral("Verdana"), 6.75, true);
    tag.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(tag);
    p.setPen(QColor(255, 255, 230));
    p.drawText(QRectF(64, 54, 134, 14), Qt::AlignCenter, QStringLiteral("JIGSAW PUZZLE"));
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

// The window icon's motif: a rounded slate tile and four jigsaw pieces, the
// last one lifted. Drawn in a 64-unit square.
const QRectF kIconTile(3.5, 3.5, 57, 57);
constexpr qreal kIconPiece = 19;
const std::array<std::array<int, 4>, 4> kIconSides = {
    {{0, 1, -1, 0}, {0, 0, 1, -1}, {1, -1, 0, 0}, {-1, 0, 0, 1}}};

QRectF iconPieceBody(int i) {
    QRectF body(13 + (i % 2) * kIconPiece, 13 + (i / 2) * kIconPiece, kIconPiece, kIconPiece);
    if (i == 3) body.translate(3, 3);
    return body;
}

QColor iconPieceColor(int i) {
    const QColor colors[4] = {kBrightOrange, kCream, kTan, kOrange};
    return colors[i];
}

QImage appIconImage(int size) {
    QImage image = canvas(size, size);
    QPainter p(&image);
    prepare(p);
    p.scale(size / 64.0, size / 64.0);
    QPainterPath rounded;
    rounded.addRoundedRect(kIconTile, 12, 12);
    p.setPen(QPen(QColor(50, 58, 56), 1.2));
    p.setBrush(verticalGradient(kIconTile, QColor(132, 146, 140), QColor(70, 82, 78)));
    p.drawPath(rounded);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kIconTile.adjusted(1.5, 1.5, -1.5, -1.5), 10.5, 10.5);
    for (int i = 0; i < 4; ++i) {
        const QPainterPath path = jigsawPiece(iconPieceBody(i), kIconSides[i]);
        if (i == 3) dropShadow(p, path, 1.5, 2, 90, 2);
        drawPiece(p, path, iconPieceColor(i));
    }
    p.end();
    return image;
}

QImage appIcon() {
    return appIconImage(64);
}

QString svgPath(const QPainterPath& path) {
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QString xy = QStringLiteral("%1 %2 ").arg(e.x, 0, 'f', 2).arg(e.y, 0, 'f', 2);
        if (e.isMoveTo())
            d += QLatin1Char('M') + xy;
        else if (e.isLineTo())
            d += QLatin1Char('L') + xy;
        else if (e.isCurveTo())
            d += QLatin1Char('C') + xy;
        else
            d += xy;  // the two points after a curve's first control point
    }
    return d + QLatin1Char('Z');
}

QString svgColor(const QColor& c) {
    return c.name(QColor::HexRgb);
}

}  // namespace

QImage appIconAt(int size) {
    return appIconImage(size);
}

QByteArray appIconSvg() {
    QString svg = QStringLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
        "viewBox=\"0 0 64 64\">\n"
        "  <defs>\n"
        "    <linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
        "      <stop offset=\"0\" stop-color=\"#84928c\"/>\n"
        "      <stop offset=\"1\" stop-color=\"#46524e\"/>\n"
        "    </linearGradient>\n"
        "  </defs>\n"
        "  <rect x=\"3.5\" y=\"3.5\" width=\"57\" height=\"57\" rx=\"12\" "
        "fill=\"url(#tile)\" stroke=\"#323a38\" stroke-width=\"1.2\"/>\n"
        "  <rect x=\"5\" y=\"5\" width=\"54\" height=\"54\" rx=\"10.5\" fill=\"none\" "
        "stroke=\"#ffffff\" stroke-opacity=\"0.27\"/>\n");
    for (int i = 0; i < 4; ++i) {
        const QPainterPath path = jigsawPiece(iconPieceBody(i), kIconSides[i]);
        if (i == 3)
            svg += QStringLiteral(
                       "  <path d=\"%1\" fill=\"#000000\" fill-opacity=\"0.35\" "
                       "transform=\"translate(1.5 2)\"/>\n")
                       .arg(svgPath(path));
        svg += QStringLiteral(
                   "  <path d=\"%1\" fill=\"%2\" stroke=\"#46280a\" "
                   "stroke-width=\"1.2\" stroke-linejoin=\"round\"/>\n")
                   .arg(svgPath(path), svgColor(iconPieceColor(i)));
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

std::vector<Picture> logoPictures() {
    return {{QStringLiteral("start-logo.png"), startLogo()},
            {QStringLiteral("start-badge.png"), startBadge()},
            {QStringLiteral("about-logo.png"), aboutLogo()},
            {QStringLiteral("app-icon.png"), appIcon()}};
}

}  // namespace art
