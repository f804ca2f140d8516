#pragma once

#include <QImage>
#include <QString>

#include "controls/zbbutton/ButtonHost.h"
#include "controls/zbbutton/ButtonState.h"

namespace qx {

// The character after the caption's last single "&" ("&&" is a literal
// ampersand); empty when there is none or the "&" ends the caption.
QString accessKeyOf(const QString& caption);

// The design messages, exactly as a designer shows them.
namespace ButtonMessages {
QString captionAlignRefused();
QString customClickUnused();
QString shapeNeedsBitmap();
QString iconOnCustomShape();
QString valueInCommandMode();
QString pictureSizeOnShape();
QString focusRectOnDefault();
QString mouseIconTitle();
}  // namespace ButtonMessages

// The property set-rules: each checks its value, changes the state, calls the
// routines the change needs in their order and reports the property-store key.
// Out-of-range values are ignored without a word.
class ButtonSetRules {
public:
    ButtonSetRules(ButtonState& state, ButtonHost& host) : s_(state), host_(host) {}

    void setButtonStyle(long value);
    void setMode(long value);
    void setCaption(const QString& text);
    void setCaptionAlign(long value);
    void setCaptionStyle(long value);
    void setCustomClick(long value);
    void setButtonShape(long value);
    void setPicture(const QImage& picture, const QString& path = {}, bool isIcon = false);
    void setPictureAlign(long value);
    void setEnabled(bool value);
    void setValue(bool value);
    void setPictureSize(long value);
    long PictureSize() const;
    void setMousePointer(int value);
    void setMouseIcon(const QImage& icon, const QString& path = {}, bool isIcon = true);
    void setFont(const DesignFontInfo& font);
    void setFontStyle(long bits);
    long FontStyle() const;
    void setForeColor(OleColor color);
    void setBackColor(OleColor color);
    void setGradientColor(OleColor color);
    void setGradientMode(long value);
    void setHoverColorLocks(long value);
    void setHoverForeColor(OleColor color);
    void setHoverBackColor(OleColor color);
    void setResetDefaultColors(bool value);
    void setShowFocusRect(bool value, bool displayAsDefault);

private:
    // Rules that switch drawing back on leave a caller's DelayDrawing(True)
    // batch delayed instead of painting in the middle of it.
    void endBatch(bool callerDelayed);

    ButtonProperties& p() { return s_.props; }
    ButtonState& s_;
    ButtonHost& host_;
};

}  // namespace qx
