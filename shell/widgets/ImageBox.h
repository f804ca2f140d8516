#pragma once

#include <QImage>
#include <QWidget>

namespace qx {

// A picture without a ground of its own, drawn pixel for pixel.
class ImageBox : public QWidget {
    Q_OBJECT

public:
    explicit ImageBox(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace qx
