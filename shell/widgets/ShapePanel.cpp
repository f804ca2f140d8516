#include "shell/widgets/ShapePanel.h"

#include <QPainter>
#include <algorithm>

namespace qx {

ShapePanel::ShapePanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapePanel::setShape(long shape) {
    shape_ = shape == RoundedRectangle ? RoundedRectangle : Rectangle;
    update();
}

void ShapePanel::setFillColor(OleColor color) {
    fill_ = color;
    update();
}

void ShapePanel::setBorderColor(OleColor color) {
    border_ = color;
    update();
}

void ShapePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(toQColor(border_), 1));
    painter.setBrush(toQColor(fill_));
    if (shape_ == RoundedRectangle) {
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal radius = std::min<qreal>(10.0, std::min(width(), height()) / 4.0);
        painter.drawRoundedRect(box, radius, radius);
    } else {
        painter.drawRect(box);
    }
}

}  // namespace qx
