#include "shell/widgets/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/BitmapImage.h"
#include "platform/qt/HighDpi.h"

namespace qx {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted here, so the window beneath need not paint first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColor(OleColor color) {
    back_ = color;
    update();
}

void PictureBox::setBorder(bool border) {
    border_ = border;
    update();
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    bitmap_ = nullptr;
    update();
}

void PictureBox::showBitmap(const Bitmap* bitmap) {
    bitmap_ = bitmap;
    picture_ = QImage();
    update();
}

void PictureBox::setStretchSize(const QSize& size) {
    stretch_ = size;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage image = bitmap_ ? imageOver(*bitmap_) : picture_;
    const QPoint origin = border_ ? QPoint(1, 1) : QPoint(0, 0);
    // The play area's picture covers the whole box: no need to paint it twice.
    const QRect covered(origin, stretch_.isValid() ? stretch_ : image.size());
    if (!covered.contains(rect())) painter.fillRect(rect(), toQColor(back_));
    if (border_) painter.setClipRect(rect().adjusted(1, 1, -1, -1));
    if (stretch_.isValid())
        drawCrisp(painter, QRect(origin, stretch_), image);
    else
        drawCrisp(painter, origin, image);
    if (border_) {
        painter.setClipping(false);
        painter.setPen(QColor(0, 0, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(event->button(), event->modifiers(), event->position().toPoint());
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(event->key(), event->modifiers());
    QWidget::keyPressEvent(event);
}

}  // namespace qx
