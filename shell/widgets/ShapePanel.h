#pragma once

#include <QWidget>

#include "platform/qt/OleColor.h"

namespace qx {

// A drawn shape behind other controls: a rectangle or a rounded rectangle
// with a fill and a one-pixel border.
class ShapePanel : public QWidget {
    Q_OBJECT

public:
    enum Shape : long { Rectangle = 0, RoundedRectangle = 4 };

    explicit ShapePanel(QWidget* parent = nullptr);

    long shape() const { return shape_; }
    void setShape(long shape);
    OleColor FillColor() const { return fill_; }
    void setFillColor(OleColor color);
    OleColor BorderColor() const { return border_; }
    void setBorderColor(OleColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    long shape_ = Rectangle;
    OleColor fill_ = oleRgb(255, 255, 255);
    OleColor border_ = oleRgb(0, 0, 0);
};

}  // namespace qx
