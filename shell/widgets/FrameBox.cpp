#include "shell/widgets/FrameBox.h"

#include <QPainter>

namespace qx {

FrameBox::FrameBox(QWidget* parent) : QWidget(parent) {}

void FrameBox::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void FrameBox::setBackColor(OleColor color) {
    back_ = color;
    update();
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor ground = toQColor(back_);
    painter.fillRect(rect(), ground);
    const int top = fontMetrics().height() / 2;
    const QRect outer = rect().adjusted(0, top, -2, -2);
    painter.setPen(ground.darker(150));
    painter.drawRect(outer);
    painter.setPen(ground.lighter(130));
    painter.drawRect(outer.translated(1, 1));
    if (caption_.trimmed().isEmpty()) return;
    const QRect text(8, 0, fontMetrics().horizontalAdvance(caption_) + 4, fontMetrics().height());
    painter.fillRect(text, ground);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter, caption_);
}

}  // namespace qx
