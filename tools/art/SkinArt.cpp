// The caption bar and frame of the main window. Layout: platform/skin/SkinLayout.h.
#include <QLinearGradient>
#include <QRadialGradient>

#include "platform/fonts/DesignFonts.h"
#include "platform/skin/SkinLayout.h"
#include "tools/art/Art.h"
#include "tools/art/Drawing.h"
#include "tools/art/Palette.h"

namespace art {
namespace {

using namespace qx::skin;

const QColor kBarTop(128, 142, 136);
const QColor kBarMid(92, 107, 104);
const QColor kBarBottom(58, 68, 65);

// The plain bar: every column alike, so the skinner can repeat any of them.
void paintBar(QPainter& p, int width) {
    QLinearGradient g(0, 0, 0, kCaptionBitmapHeight);
    g.setColorAt(0.0, kBarTop);
    g.setColorAt(0.5, kBarMid);
    g.setColorAt(1.0, kBarBottom);
    p.fillRect(0, 0, width, kCaptionBitmapHeight, g);
    p.fillRect(0, 1, width, 1, QColor(176, 188, 182));
    p.fillRect(0, kCaptionBitmapHeight - 1, width, 1, QColor(40, 47, 45));
    // A grooved rail along the bar, level with the glyphs' centres.
    const int rail = kGlyphTop + kGlyphHeight / 2;
    p.fillRect(0, rail - 2, width, 1, QColor(52, 61, 58));
    p.fillRect(0, rail - 1, width, 1, QColor(74, 86, 83));
    p.fillRect(0, rail + 1, width, 1, QColor(140, 153, 147));
}

void paintSystemButton(QPainter& p) {
    const QPointF c(kSystemButtonCentreX, kSystemButtonCentreY);
    const qreal r = kSystemButtonRadius;
    // Socket.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 47, 45, 180));
    p.drawEllipse(c + QPointF(0.5, 1.5), r + 1.5, r + 1.5);
    QRadialGradient rim(c, r + 1);
    rim.setColorAt(0.85, kUmber);
    rim.setColorAt(1.0, QColor(70, 62, 44));
    p.setBrush(rim);
    p.drawEllipse(c, r + 1, r + 1);
    // Orange sphere lit from the top left.
    QRadialGradient ball(c + QPointF(-r * 0.35, -r * 0.4), r * 1.5);
    ball.setColorAt(0.0, QColor(255, 226, 170));
    ball.setColorAt(0.35, QColor(250, 170, 70));
    ball.setColorAt(0.8, kDeepOrange);
    ball.setColorAt(1.0, QColor(150, 70, 10));
    p.setBrush(ball);
    p.drawEllipse(c, r - 2, r - 2);
    // A 2 x 2 jigsaw in the middle.
    const qreal s = 9;
    const QPointF o = c - QPointF(s, s);
    const std::array<std::array<int, 4>, 4> sides = {
        {{0, 1, -1, 0}, {0, 0, 1, -1}, {1, -1, 0, 0}, {-1, 0, 0, 1}}};
    const QColor fills[4] = {QColor(255, 250, 230), QColor(128, 64, 0), QColor(128, 64, 0),
                             QColor(255, 250, 230)};
    for (int i = 0; i < 4; ++i) {
        const QRectF body(o.x() + (i % 2) * s, o.y() + (i / 2) * s, s, s);
        p.setPen(QPen(QColor(110, 50, 0, 200), 0.8));
        p.setBrush(fills[i]);
        p.drawPath(jigsawPiece(body, sides[i]));
    }
    // Gloss.
    QLinearGradient gloss(c.x(), c.y() - r, c.x(), c.y());
    gloss.setColorAt(0, QColor(255, 255, 255, 170));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(c.x() - r * 0.62, c.y() - r + 2.5, r * 1.24, r * 0.8));
}

void paintGridEmblem(QPainter& p, QPointF at, qreal cell) {
    const QColor colors[3] = {kBrightOrange, kLeather, kTeal};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF r(at.x() + col * (cell + 1), at.y() + row * (cell + 1), cell, cell);
            p.setPen(Qt::NoPen);
            p.setBrush(colors[(row + col) % 3]);
            p.drawRoundedRect(r, 1.2, 1.2);
            p.setBrush(QColor(255, 255, 255, 70));
            p.drawRect(QRectF(r.left(), r.top(), r.width(), 1.2));
        }
    }
}

void paintTitlePlate(QPainter& p) {
    const QRectF plate(kTitlePlateX + 0.5, kTitlePlateY + 0.5, kTitlePlateWidth - 1,
                       kTitlePlateHeight - 1);
    QPainterPath shape;
    shape.addRoundedRect(plate, 9, 9);
    dropShadow(p, shape, 0, 1.5, 90, 2);
    p.setPen(QPen(QColor(70, 62, 44), 1.2));
    p.setBrush(verticalGradient(plate, QColor(246, 241, 222), QColor(202, 192, 156)));
    p.drawPath(shape);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(1.5, 1.5, -1.5, -1.5), 7.5, 7.5);
    // Rivets at both ends.
    for (qreal x : {plate.left() + 8, plate.right() - 8}) {
        QRadialGradient g(QPointF(x - 0.7, plate.center().y() - 0.7), 3);
        g.setColorAt(0, QColor(255, 230, 190));
        g.setColorAt(1, kLeather);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(x, plate.center().y()), 2.3, 2.3);
    }
    const qreal cell = 5.4;
    paintGridEmblem(p, QPointF(plate.left() + 20, plate.center().y() - (3 * cell + 2) / 2), cell);
    QFont font = qx::designFont(QStringLiteral("Impact"), 20);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    p.setFont(font);
    const QRectF textBox(plate.left() + 44, plate.top(), plate.width() - 60, plate.height());
    embossedText(p, textBox.translated(0, 1), Qt::AlignCenter, QStringLiteral("QUILTRIX"), kBrown,
                 QColor(255, 244, 220), QColor(255, 255, 255, 200));
}

// A recessed well behind the glyphs.
void paintGlyphWell(QPainter& p) {
    const int right = kGlyphRight + 4;
    const int left = kGlyphRight - 3 * kGlyphWidth - kCloseGlyphGap - 5;
    const QRectF well(left + 0.5, kGlyphTop - 3.5, right - left, kGlyphHeight + 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 47, 45, 150));
    p.drawRoundedRect(well, 6, 6);
    p.setPen(QPen(QColor(160, 172, 166, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(well.translated(0, 1), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(well, QColor(52, 61, 58), QColor(72, 84, 80)));
    p.drawRoundedRect(well, 6, 6);
}

enum class Look { Normal, Hot, Disabled };

void paintGlyph(QPainter& p, QRectF cell, int column, Look look) {
    const QRectF face = cell.adjusted(0.5, 0.5, -0.5, -0.5);
    QColor top = kFace, bottom = QColor(190, 178, 140), ink = kUmber, edge = QColor(38, 44, 42);
    if (look == Look::Hot) {
        const bool close = column == kCloseColumn;
        top = close ? QColor(255, 190, 150) : QColor(255, 214, 150);
        bottom = close ? QColor(214, 72, 38) : kBrightOrange;
        ink = close ? QColor(255, 255, 255) : QColor(96, 40, 0);
    } else if (look == Look::Disabled) {
        top = QColor(150, 160, 154);
        bottom = QColor(116, 128, 123);
        ink = QColor(170, 180, 175);
        edge = QColor(60, 70, 67);
    }
    p.setPen(QPen(edge, 1));
    p.setBrush(verticalGradient(face, top, bottom));
    p.drawRoundedRect(face, 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, look == Look::Disabled ? 50 : 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(face.left() + 3, face.top() + 1.5),
               QPointF(face.right() - 3, face.top() + 1.5));

    const QPointF c = face.center();
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    switch (column) {
        case kMinimiseColumn:
            p.drawLine(QPointF(c.x() - 4, c.y() + 4), QPointF(c.x() + 4, c.y() + 4));
            break;
        case kMaximiseColumn:
        case kMaximiseDisabledColumn:
            p.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.drawRect(QRectF(c.x() - 4.5, c.y() - 4.5, 9, 9));
            p.drawLine(QPointF(c.x() - 4.5, c.y() - 3.2), QPointF(c.x() + 4.5, c.y() - 3.2));
            break;
        case kCloseColumn:
            p.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(c.x() - 3.8, c.y() - 3.8), QPointF(c.x() + 3.8, c.y() + 3.8));
            p.drawLine(QPointF(c.x() + 3.8, c.y() - 3.8), QPointF(c.x() - 3.8, c.y() + 3.8));
            break;
        default:
            break;
    }
}

QImage caption() {
    QImage image = canvas(kCaptionBitmapWidth, kCaptionBitmapHeight);
    QPainter p(&image);
    prepare(p);
    paintBar(p, kCaptionPictureWidth);
    paintGlyphWell(p);
    paintTitlePlate(p);
    paintSystemButton(p);
    // Glyph sheet: transparent around the rounded glyphs.
    for (int row = 0; row < kGlyphRows; ++row) {
        const int top = glyphSheetRowTop(row, kCaptionBitmapHeight, kGlyphHeight);
        for (int column = 0; column < kGlyphColumns; ++column) {
            const QRectF cell(kCaptionPictureWidth + column * kGlyphWidth, top, kGlyphWidth,
                              kGlyphHeight);
            Look look = row == kHotRow ? Look::Hot : Look::Normal;
            if (column == kMaximiseDisabledColumn) look = Look::Disabled;
            paintGlyph(p, cell, column, look);
        }
    }
    return image;
}

// Frame band, outside to inside (the outermost pixel is the skin's outline).
const QColor kFrameBand[kBorderWidth] = {QColor(165, 165, 165), QColor(124, 138, 132),
                                         QColor(92, 107, 104), QColor(48, 56, 54)};

QImage border() {
    QImage image = canvas(kBorderBitmapWidth, kBorderBitmapHeight, kFrameBand[2]);
    auto set = [&](BorderTile tile, int x, int y, const QColor& c) {
        image.setPixelColor(borderTileX(tile) + x, y, c);
    };
    const int last = kBorderTile - 1;
    for (int i = 0; i < kBorderTile; ++i) {
        for (int d = 0; d < kBorderWidth; ++d) {
            set(kLeftEdgeTile, d, i, kFrameBand[d]);
            set(kRightEdgeTile, last - d, i, kFrameBand[d]);
            set(kBottomEdgeTile, i, last - d, kFrameBand[d]);
            // Joins under the caption: the band darkens where the caption's
            // edge meets it.
            const int dim = i < 3 ? -(3 - i) * 12 : 0;
            set(kLeftJoinTile, d, i, shift(kFrameBand[d], d == 0 ? 0 : dim));
            set(kRightJoinTile, last - d, i, shift(kFrameBand[d], d == 0 ? 0 : dim));
        }
    }
    // Corners: the bands meet in mitres, with an orange accent along the
    // middle line, like the brass corners of a picture frame.
    for (int x = 0; x < kBorderTile; ++x) {
        for (int y = 0; y < kBorderTile; ++y) {
            const int fromLeft = x;
            const int fromBottom = last - y;
            const int fromRight = last - x;
            const int left = std::min(fromLeft, fromBottom);
            const int right = std::min(fromRight, fromBottom);
            auto band = [&](int d) {
                if (d >= kBorderWidth) return kFrameBand[2];
                if (d == 2) return kOrange;
                if (d == 1) return QColor(250, 214, 160);
                return kFrameBand[d];
            };
            set(kBottomLeftTile, x, y, band(left));
            set(kBottomRightTile, x, y, band(right));
        }
    }
    return image;
}

}  // namespace

std::vector<Picture> skinPictures() {
    return {{QStringLiteral("skin-caption.png"), caption()},
            {QStringLiteral("skin-border.png"), border().convertToFormat(QImage::Format_RGB32)}};
}

}  // namespace art
