// The plain face: background, a one-pixel 3D edge that sinks when pressed or
// selected, for check and option buttons with a caption a small box or ring
// that shows the value, the picture, the caption and a focus rectangle.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "controls/zbbutton/zbButtons_H.h"
#include "platform/qt/HighDpi.h"

namespace qx {
namespace {

constexpr int kPictureGap = 4;
constexpr int kIndicatorGap = 3;
constexpr int kSelectedShade = 118;  // a selected check or option button sits a tone darker
constexpr int kHoverLift = 110;      // hover shows even when no hover colour is set

QString displayCaption(const QString& caption) {
    QString text = caption;
    text.replace(QLatin1String("||"), QLatin1String("\n"));
    return text;
}

int horizontalAlignment(long captionAlign) {
    switch (captionAlign) {
        case 0:
            return Qt::AlignLeft;
        case 1:
            return Qt::AlignRight;
        default:
            return Qt::AlignHCenter;
    }
}

void drawEdge(QPainter& painter, const QRect& area, const QColor& face, bool sunken) {
    const QRect edge = area.adjusted(0, 0, -1, -1);
    const QColor light = face.lighter(150), dark = face.darker(170);
    painter.setPen(sunken ? dark : light);
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(sunken ? light : dark);
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
    if (sunken) {
        // A second shadow line makes the sunken state plain at small sizes.
        painter.setPen(face.darker(125));
        painter.drawLine(edge.topLeft() + QPoint(1, 1), edge.topRight() + QPoint(-1, 1));
        painter.drawLine(edge.topLeft() + QPoint(1, 1), edge.bottomLeft() + QPoint(1, -1));
    }
}

// A sunken well with a tick (check mode) or a dot (option mode) in the ink
// colour when the value is set.
void drawIndicator(QPainter& painter, const QRect& box, long mode, bool value, const QColor& face,
                   const QColor& ink) {
    const QColor well = face.darker(145), rim = face.darker(220);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(rim, 1));
    painter.setBrush(well);
    if (mode == zbButtons_H::OptionMode) {
        painter.drawEllipse(outline);
        if (value) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(ink);
            const qreal inset = box.width() / 4.0 + 0.25;
            painter.drawEllipse(outline.adjusted(inset, inset, -inset, -inset));
        }
    } else {
        painter.drawRect(outline);
        if (value) {
            const qreal w = box.width(), h = box.height();
            QPainterPath tick;
            tick.moveTo(box.left() + 0.22 * w, box.top() + 0.52 * h);
            tick.lineTo(box.left() + 0.42 * w, box.top() + 0.74 * h);
            tick.lineTo(box.left() + 0.80 * w, box.top() + 0.26 * h);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(
                QPen(ink, std::max(1.5, w / 6.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPath(tick);
        }
    }
    painter.restore();
}

}  // namespace

void zbButtons_H::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool selectable = mode_ != CommandMode;
    const bool selected = selectable && value_;
    const bool sunken = (pressed_ && heldDown_) || selected;
    const bool hover = hot_ && isEnabled();

    QColor face = toQColor(hover ? hoverBackColor_ : backColor_);
    if (hover && hoverBackColor_ == backColor_) face = face.lighter(kHoverLift);
    if (selected) face = face.darker(kSelectedShade);
    painter.fillRect(rect(), face);
    drawEdge(painter, rect(), face, sunken);

    QColor ink = toQColor(hover ? hoverForeColor_ : foreColor_);
    if (!isEnabled()) ink = face.darker(150);

    QRect content = rect().adjusted(2, 1, -2, -1);
    if (sunken) content.translate(1, 1);
    const QString text = displayCaption(caption_);

    if (selectable && !text.isEmpty()) {
        const int side = std::clamp(content.height() - 6, 7, 13);
        const QRect box(content.left() + 1, content.top() + (content.height() - side) / 2, side,
                        side);
        // A disabled mark in the grey ink would vanish in the dark well.
        drawIndicator(painter, box, mode_, value_, face, isEnabled() ? ink : face.lighter(135));
        content.setLeft(box.right() + 1 + kIndicatorGap);
    }

    if (!picture_.isNull()) {
        const int side = std::min({imagePixelSize_, content.width(), content.height()});
        QRect pictureRect(0, 0, side, side);
        if (text.isEmpty()) {
            pictureRect.moveCenter(content.center());
        } else {
            pictureRect.moveTopLeft(
                {content.left() + 1, content.top() + (content.height() - side) / 2});
            content.setLeft(pictureRect.right() + kPictureGap);
        }
        if (isEnabled()) {
            drawCrisp(painter, pictureRect, picture_);
        } else {
            drawCrisp(painter, pictureRect,
                      picture_.convertToFormat(QImage::Format_Grayscale8)
                          .convertToFormat(QImage::Format_ARGB32));
        }
    }

    if (!text.isEmpty()) {
        const int flags = horizontalAlignment(captionAlign_) | Qt::AlignVCenter |
                          Qt::TextShowMnemonic | Qt::TextWordWrap;
        painter.setFont(font());
        if (!isEnabled()) {
            // Etched, as disabled captions are drawn on Windows.
            painter.setPen(face.lighter(135));
            painter.drawText(content.translated(1, 1), flags, text);
        }
        painter.setPen(ink);
        painter.drawText(content, flags, text);
    }

    if (hasFocus() && showFocusRect_) {
        // Inside the edge; small buttons keep it close to the edge, clear of the caption.
        const int inset = height() >= 24 ? 3 : 2;
        painter.setPen(QPen(ink, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
    }
}

}  // namespace qx
