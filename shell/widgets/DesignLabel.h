#pragma once

#include <QWidget>

#include "platform/qt/OleColor.h"

namespace qx {

// A label as the designs describe it: a caption in a colour and font on an
// opaque or transparent ground. Without a caption an opaque label is a plain
// coloured panel.
class DesignLabel : public QWidget {
    Q_OBJECT

public:
    enum Alignment : long { LeftJustify = 0, RightJustify = 1, Center = 2 };

    explicit DesignLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    OleColor ForeColor() const { return fore_; }
    void setForeColor(OleColor color);
    OleColor BackColor() const { return back_; }
    void setBackColor(OleColor color);
    bool isOpaque() const { return opaque_; }
    void setOpaque(bool opaque);  // BackStyle 1
    long alignment() const { return alignment_; }
    void setAlignment(long alignment);
    // A label the player clicks to go somewhere (a web address).
    bool isLink() const { return link_; }
    void setLink(bool link) { link_ = link; }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    OleColor fore_ = oleRgb(0, 0, 0);
    OleColor back_ = kButtonFace;
    bool opaque_ = true;
    long alignment_ = LeftJustify;
    bool link_ = false;
};

}  // namespace qx
