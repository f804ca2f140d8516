#pragma once

#include <QImage>
#include <QWidget>

#include "platform/qt/OleColor.h"
#include "platform/raster/Bitmap.h"

namespace qx {

// A picture surface: a background colour, an optional thin border and a
// picture drawn from its top-left corner pixel for pixel, or stretched over
// a given size. The picture is either its own or a view of a work bitmap
// that others draw into (call update() after drawing).
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    OleColor BackColor() const { return back_; }
    void setBackColor(OleColor color);
    bool hasBorder() const { return border_; }
    void setBorder(bool border);  // BorderStyle 1: fixed single

    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& picture);
    // Shows `bitmap` without copying it; it must outlive this box or be cleared.
    void showBitmap(const Bitmap* bitmap);
    const Bitmap* shownBitmap() const { return bitmap_; }
    // Draws the picture stretched to this size (e.g. a hint image) instead of unscaled.
    void setStretchSize(const QSize& size);

signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPoint at);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);
    void KeyDown(int key, Qt::KeyboardModifiers shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    OleColor back_ = kButtonFace;
    bool border_ = false;
    QImage picture_;
    const Bitmap* bitmap_ = nullptr;
    QSize stretch_;
};

}  // namespace qx
