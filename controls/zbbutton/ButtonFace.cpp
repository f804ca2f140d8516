// The plain face: background, a one-pixel 3D edge that sinks when pressed or
// selected, the picture left of the caption (or centred alone), and a focus
// rectangle.
#include <QPainter>

#include "controls/zbbutton/zbButtons_H.h"
#include "platform/qt/HighDpi.h"

namespace qx {
namespace {

constexpr int kPictureGap = 4;

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

}  // namespace

void zbButtons_H::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sunken = (pressed_ && heldDown_) || (mode_ != CommandMode && value_);
    const bool hover = hot_ && isEnabled();
    const QColor face = toQColor(hover ? hoverBackColor_ : backColor_);
    painter.fillRect(rect(), face);

    const QRect edge = rect().adjusted(0, 0, -1, -1);
    const QColor light = face.lighter(150), dark = face.darker(170);
    painter.setPen(sunken ? dark : light);
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(sunken ? light : dark);
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());

    QRect content = rect().adjusted(2, 1, -2, -1);
    if (sunken) content.translate(1, 1);
    const QString text = displayCaption(caption_);

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
        QColor ink = toQColor(hover ? hoverForeColor_ : foreColor_);
        if (!isEnabled()) ink = face.darker(140);
        painter.setPen(ink);
        painter.setFont(font());
        painter.drawText(content,
                         horizontalAlignment(captionAlign_) | Qt::AlignVCenter |
                             Qt::TextShowMnemonic | Qt::TextWordWrap,
                         text);
    }

    if (hasFocus() && showFocusRect_) {
        painter.setPen(QPen(toQColor(foreColor_), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

}  // namespace qx
