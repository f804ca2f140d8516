#include "controls/zbbutton/ButtonFace.h"

#include <QPainter>
#include <algorithm>

#include "platform/qt/HighDpi.h"

namespace qx {
namespace {

constexpr int kPictureGap = 4;
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

}  // namespace

void paintInterimFace(QImage& face, const ButtonState& s, const QFont& captionFont, bool hasFocus) {
    const ButtonProperties& p = s.props;
    const QSize size(std::max(s.Width, 1), std::max(s.Height, 1));
    if (face.size() != size) face = QImage(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&face);
    const QRect rect(QPoint(0, 0), size);
    const bool selected = p.Mode != 0 && p.Value;
    const bool sunken = (s.hasFlag(kPressed) && s.IsHeldDown) || selected;
    const bool hover = s.hasFlag(kHot) && p.Enabled;

    QColor background = toQColor(hover ? p.HoverBackColor : p.BackColor);
    if (hover && p.HoverBackColor == p.BackColor) background = background.lighter(kHoverLift);
    if (selected) background = background.darker(kSelectedShade);
    painter.fillRect(rect, background);
    drawEdge(painter, rect, background, sunken);
    if (s.hasFlag(kDefaultShown)) {
        painter.setPen(background.darker(300));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }

    QColor ink = toQColor(hover ? p.HoverForeColor : p.ForeColor);
    if (!p.Enabled) ink = background.darker(150);

    QRect content = rect.adjusted(2, 1, -2, -1);
    if (sunken) content.translate(1, 1);
    const QString text = displayCaption(p.Caption);

    if (!p.Picture.isNull()) {
        const int side = std::min({p.ImagePixelSize, content.width(), content.height()});
        QRect pictureRect(0, 0, side, side);
        if (text.isEmpty()) {
            pictureRect.moveCenter(content.center());
        } else {
            pictureRect.moveTopLeft(
                {content.left() + 1, content.top() + (content.height() - side) / 2});
            content.setLeft(pictureRect.right() + kPictureGap);
        }
        if (p.Enabled) {
            drawCrisp(painter, pictureRect, p.Picture);
        } else {
            drawCrisp(painter, pictureRect,
                      p.Picture.convertToFormat(QImage::Format_Grayscale8)
                          .convertToFormat(QImage::Format_ARGB32));
        }
    }

    if (!text.isEmpty()) {
        const int flags = horizontalAlignment(p.CaptionAlign) | Qt::AlignVCenter |
                          Qt::TextShowMnemonic | Qt::TextWordWrap;
        painter.setFont(captionFont);
        if (!p.Enabled) {
            // Etched, as disabled captions are drawn on Windows.
            painter.setPen(background.lighter(135));
            painter.drawText(content.translated(1, 1), flags, text);
        }
        painter.setPen(ink);
        painter.drawText(content, flags, text);
    }

    if (hasFocus && p.ShowFocusRect) {
        // Inside the edge; small buttons keep it close to the edge, clear of the caption.
        const int inset = size.height() >= 24 ? 3 : 2;
        painter.setPen(QPen(ink, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(inset, inset, -inset - 1, -inset - 1));
    }
}

}  // namespace qx
