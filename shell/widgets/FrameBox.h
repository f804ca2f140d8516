#pragma once

#include <QWidget>

#include "platform/qt/OleColor.h"

namespace qx {

// A frame: a coloured ground with an etched border and a caption on its top
// edge. The controls inside it are its children.
class FrameBox : public QWidget {
    Q_OBJECT

public:
    explicit FrameBox(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    OleColor BackColor() const { return back_; }
    void setBackColor(OleColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    OleColor back_ = kButtonFace;
};

}  // namespace qx
