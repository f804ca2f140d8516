#include "shell/widgets/ImageBox.h"

#include <QPainter>

#include "platform/qt/HighDpi.h"

namespace qx {

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageBox::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawCrisp(painter, QPoint(0, 0), picture_);
}

}  // namespace qx
