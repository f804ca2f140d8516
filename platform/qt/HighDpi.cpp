#include "platform/qt/HighDpi.h"

#include <QGuiApplication>
#include <QPainter>

namespace qx {

void configureHighDpi() {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

void drawCrisp(QPainter& painter, const QRect& target, const QImage& image) {
    if (image.isNull()) return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, image);
    painter.restore();
}

void drawCrisp(QPainter& painter, const QPoint& at, const QImage& image) {
    drawCrisp(painter, QRect(at, image.size()), image);
}

}  // namespace qx
