#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

namespace qx {

// Call before the QApplication is made: on screens with a device pixel ratio
// above 1 the fixed layouts scale by a whole factor, so pictures stay sharp.
void configureHighDpi();

// Draws a picture pixel for pixel (nearest neighbour when the device scales).
void drawCrisp(QPainter& painter, const QPoint& at, const QImage& image);
void drawCrisp(QPainter& painter, const QRect& target, const QImage& image);

}  // namespace qx
