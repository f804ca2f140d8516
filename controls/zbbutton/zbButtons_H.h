#pragma once

#include <QImage>
#include <QWidget>

#include "platform/qt/DesignFont.h"
#include "platform/qt/OleColor.h"
#include "platform/qt/PropertyBag.h"

namespace qx {

// The push, check and option button of every window. Option buttons of one
// container form a group: selecting one clears the others. Settings load
// from the window design under the control's property-store keys.
class zbButtons_H : public QWidget {
    Q_OBJECT

public:
    enum ButtonMode : long { CommandMode = 0, CheckMode = 1, OptionMode = 2 };

    explicit zbButtons_H(QWidget* container = nullptr);
    ~zbButtons_H() override;

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& picture);
    // Side of the square the picture is drawn in: 16, 24, 32, 40 or 48.
    int ImagePixelSize() const { return imagePixelSize_; }

    // The surface's own enabled state; set it with QWidget::setEnabled.
    bool Enabled() const { return isEnabled(); }

    long Mode() const { return mode_; }
    void setMode(long mode);  // 0..2, other values are ignored

    bool Value() const { return value_; }
    void setValue(bool value);  // true is refused for a command button

    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor color);
    OleColor ForeColor() const { return foreColor_; }
    void setForeColor(OleColor color);
    OleColor HoverBackColor() const { return hoverBackColor_; }
    OleColor HoverForeColor() const { return hoverForeColor_; }

    const DesignFontInfo& Font() const { return font_; }
    void setDesignFont(const DesignFontInfo& font);

    long ButtonStyle() const { return buttonStyle_; }
    long CaptionAlign() const { return captionAlign_; }
    long PictureAlign() const { return pictureAlign_; }
    bool ShowFocusRect() const { return showFocusRect_; }

    // Loads the saved settings; a missing key gives its load default.
    void ReadProperties(const PropertyBag& store);

    QSize sizeHint() const override;

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void completeClick();
    void clearOtherOptions();
    OleColor containerBackColor() const;

    QString caption_;
    QImage picture_;
    int imagePixelSize_ = 16;
    long mode_ = CommandMode;
    bool value_ = false;
    OleColor backColor_ = kButtonFace;
    OleColor foreColor_ = kButtonText;
    OleColor hoverBackColor_ = kButtonFace;
    OleColor hoverForeColor_ = kButtonText;
    DesignFontInfo font_;
    long buttonStyle_ = 0;
    long captionAlign_ = 2;
    long pictureAlign_ = 0;
    bool showFocusRect_ = true;

    bool pressed_ = false;   // drawn pushed in
    bool heldDown_ = false;  // the press started here and the pointer is over the button
    bool hot_ = false;       // pointer over the button
};

}  // namespace qx
