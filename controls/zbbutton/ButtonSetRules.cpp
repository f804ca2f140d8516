#include "controls/zbbutton/ButtonSetRules.h"

namespace qx {
namespace {

bool inRange(long value, long low, long high) {
    return value >= low && value <= high;
}

bool locksFollowBack(long locks) {
    return locks == 0 || locks == 2;
}
bool locksFollowFore(long locks) {
    return locks == 0 || locks == 1;
}

}  // namespace

QString accessKeyOf(const QString& caption) {
    QString key;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
            ++i;  // a doubled "&" is the character itself
            continue;
        }
        key = i + 1 < caption.size() ? QString(caption[i + 1]) : QString();
    }
    return key;
}

namespace ButtonMessages {
QString captionAlignRefused() {
    return QStringLiteral(
        "When button images are aligned top/bottom center, \n"
        "button captions can only be center aligned");
}
QString customClickUnused() {
    return QStringLiteral("This property has no effect unless the Button Shape is a custom shape.");
}
QString shapeNeedsBitmap() {
    return QStringLiteral(
        "The Picture Property must be assigned first and must be a bitmap or JPEG.");
}
QString iconOnCustomShape() {
    return QStringLiteral(
        "Icons cannot be used for custom buttons. Only use bitmaps or JPEGs.\n"
        "Button was changed to Rectangular shaped.");
}
QString valueInCommandMode() {
    return QStringLiteral("This property is not applicable for command button modes.");
}
QString pictureSizeOnShape() {
    return QStringLiteral("The picture size cannot be changed for Shaped buttons");
}
QString focusRectOnDefault() {
    return QStringLiteral(
        "The focus rectangle may appear on default buttons ONLY while in design mode, \n"
        "but will not appear when the form is running.");
}
QString mouseIconTitle() {
    return QStringLiteral("Select .ico Or .cur Files Only");
}
}  // namespace ButtonMessages

void ButtonSetRules::endBatch(bool callerDelayed) {
    if (callerDelayed)
        s_.DrawingDelayed = true;
    else
        host_.DelayDrawing(false);
}

void ButtonSetRules::setButtonStyle(long value) {
    if (!inRange(value, 0, 7)) return;
    const long old = p().ButtonStyle;
    p().ButtonStyle = value;
    // Style 5 shows the container around non-custom shapes, so its region differs.
    if (p().ButtonShape < 4 || ((old == 5 || value == 5) && p().ButtonShape < 7))
        host_.BuildShapeRegion();
    host_.LayoutContent(false);
    host_.RefreshResources(ButtonResource::BackColor);
    host_.Redraw();
    host_.NotifyChanged(QStringLiteral("BackStyle"));
}

void ButtonSetRules::setMode(long value) {
    if (!inRange(value, 0, 2)) return;
    const long old = p().Mode;
    if (old == 2 && value != 2) host_.OptionToggle(-1);
    if (value == 2 && old != 2) host_.OptionToggle(1);
    if (value == 0 && old != 0) setValue(false);
    p().Mode = value;
    host_.Redraw();
    host_.NotifyChanged(QStringLiteral("Mode"));
}

void ButtonSetRules::setCaption(const QString& text) {
    s_.AccessKey = accessKeyOf(text);
    host_.SetAccessKey(s_.AccessKey);
    p().Caption = text;
    host_.LayoutContent(false);
    host_.Redraw();
    host_.NotifyChanged(QStringLiteral("Caption"));
}

void ButtonSetRules::setCaptionAlign(long value) {
    if (!inRange(value, 0, 2)) return;
    if (value != 2 && p().PictureAlign >= 4 && s_.hasPicture()) {
        host_.DesignMessage(ButtonMessages::captionAlignRefused());
        return;
    }
    p().CaptionAlign = value;
    host_.LayoutContent(false);
    host_.Redraw();
    host_.NotifyChanged(QStringLiteral("CapAlign"));
}

void ButtonSetRules::setCaptionStyle(long value) {
    if (!inRange(value, 0, 2)) return;
    p().CaptionStyle = value;
    host_.NotifyChanged(QStringLiteral("CapStyle"));
    if (!p().Caption.isEmpty()) {
        host_.LayoutContent(false);
        host_.Redraw();
    }
}

void ButtonSetRules::setCustomClick(long value) {
    if (!inRange(value, 0, 8)) return;
    if (p().ButtonShape < 7 && value > 0) host_.DesignMessage(ButtonMessages::customClickUnused());
    p().CustomClick = value;
    host_.NotifyChanged(QStringLiteral("CustomClick"));
}

void ButtonSetRules::setButtonShape(long value) {
    if (!inRange(value, 0, 8)) return;
    const bool callerDelayed = s_.DrawingDelayed;
    if (value >= 7) {
        if (p().Picture.isNull() || s_.PictureIsIcon) {
            host_.DesignMessage(ButtonMessages::shapeNeedsBitmap());
            return;
        }
        if (p().ImagePixelSize != 48) {
            host_.DelayDrawing(true);
            setPictureSize(4);  // custom shapes take the picture at its full size
            s_.DrawingDelayed = false;
        }
    }
    p().ButtonShape = value;
    p().CaptionAlign = 2;
    if (callerDelayed) s_.DrawingDelayed = true;
    host_.ResizeHandling();
    endBatch(callerDelayed);
    host_.NotifyChanged(QStringLiteral("Shape"));
}

void ButtonSetRules::setPicture(const QImage& picture, const QString& path, bool isIcon) {
    p().Picture = picture;
    p().PicturePath = picture.isNull() ? QString() : path;
    p().PictureFromIcon = !picture.isNull() && isIcon;
    if (p().ImagePixelSize == 0) p().ImagePixelSize = 16;
    host_.RefreshResources(ButtonResource::Picture);
    if (p().ButtonShape < 7) {
        host_.LayoutContent(true);
        host_.Redraw();
    } else {
        if (picture.isNull()) {
            setButtonShape(0);
        } else if (s_.PictureIsIcon) {
            setButtonShape(0);
            host_.DesignMessage(ButtonMessages::iconOnCustomShape());
        }
        host_.ResizeHandling();
    }
    host_.NotifyChanged(QStringLiteral("Image"));
}

void ButtonSetRules::setPictureAlign(long value) {
    if (!inRange(value, 0, 5)) return;
    p().PictureAlign = value;
    if (value >= 4) p().CaptionAlign = 2;  // a picture above or below centres the caption
    host_.LayoutContent(false);
    host_.Redraw();
    host_.NotifyChanged(QStringLiteral("ImgAlign"));
}

void ButtonSetRules::setEnabled(bool value) {
    if (value != host_.SurfaceEnabled()) host_.SetSurfaceEnabled(value);
    p().Enabled = value;
    if (p().ButtonStyle == 3 && p().Mode == 0 && p().ButtonShape <= 3) {
        const bool callerDelayed = s_.DrawingDelayed;
        host_.DelayDrawing(true);
        host_.BuildShapeRegion();
        host_.LayoutContent(false);
        endBatch(callerDelayed);
    } else {
        host_.Redraw();
    }
    host_.NotifyChanged(QStringLiteral("Enabled"));
}

void ButtonSetRules::setValue(bool value) {
    if (value && p().Mode == 0) {
        host_.DesignMessage(ButtonMessages::valueInCommandMode());
        return;
    }
    p().Value = value;
    if (value && p().Mode == 2) host_.OptionToggle(0);
    host_.Redraw();
    host_.NotifyChanged(QStringLiteral("Value"));
}

void ButtonSetRules::setPictureSize(long value) {
    if (!inRange(value, 0, 4)) return;
    if (p().ButtonShape >= 7) {
        host_.DesignMessage(ButtonMessages::pictureSizeOnShape());
        return;
    }
    p().ImagePixelSize = static_cast<int>((value + 2) * 8);
    host_.LayoutContent(true);
    host_.Redraw();
    host_.NotifyChanged(QStringLiteral("ImgSize"));
}

long ButtonSetRules::PictureSize() const {
    const int pixels = s_.props.ImagePixelSize == 0 ? 16 : s_.props.ImagePixelSize;
    return pixels / 8 - 2;
}

void ButtonSetRules::setMousePointer(int value) {
    host_.SetSurfaceMousePointer(value);
    p().MousePointer = value;
    host_.NotifyChanged(QStringLiteral("mPointer"));
}

void ButtonSetRules::setMouseIcon(const QImage& icon, const QString& path, bool isIcon) {
    if (!host_.SetSurfaceMouseIcon(icon, isIcon)) {
        host_.DesignMessage(QStringLiteral("Invalid property value"),
                            ButtonMessages::mouseIconTitle());
        return;
    }
    p().MouseIcon = icon;
    p().MouseIconPath = icon.isNull() ? QString() : path;
    if (!icon.isNull()) setMousePointer(99);
    host_.NotifyChanged(QStringLiteral("mIcon"));
}

void ButtonSetRules::setFont(const DesignFontInfo& font) {
    host_.SetSurfaceFont(font);
    p().Font = font;
    host_.RefreshResources(ButtonResource::Font);
    host_.LayoutContent(false);
    host_.Redraw();
    host_.NotifyChanged(QStringLiteral("Font"));
}

void ButtonSetRules::setFontStyle(long bits) {
    DesignFontInfo font = p().Font;
    // A weight that already reads as asked (semi-bold, black) stays.
    if (font.bold() != ((bits & 2) != 0)) font.setBold((bits & 2) != 0);
    font.italic = (bits & 4) != 0;
    font.underline = (bits & 8) != 0;
    setFont(font);
}

long ButtonSetRules::FontStyle() const {
    const DesignFontInfo& f = s_.props.Font;
    return (f.bold() ? 2 : 0) + (f.italic ? 4 : 0) + (f.underline ? 8 : 0);
}

void ButtonSetRules::setForeColor(OleColor color) {
    if (color == p().ForeColor) return;
    p().ForeColor = color;
    if (locksFollowFore(p().HoverColorLocks)) setHoverForeColor(color);
    if (!s_.DrawingDelayed) host_.Redraw();
    host_.NotifyChanged(QStringLiteral("cFore"));
}

void ButtonSetRules::setBackColor(OleColor color) {
    p().BackColor = color;
    if (locksFollowBack(p().HoverColorLocks))
        setHoverBackColor(p().GradientMode != 0 ? p().GradientColor : color);
    host_.RefreshResources(ButtonResource::BackColor);
    host_.Redraw();
    host_.NotifyChanged(QStringLiteral("cBack"));
}

void ButtonSetRules::setGradientColor(OleColor color) {
    if (locksFollowBack(p().HoverColorLocks) && p().GradientMode > 0) p().HoverBackColor = color;
    p().GradientColor = color;
    host_.RefreshResources(ButtonResource::BackColor);
    if (p().GradientMode != 0) host_.Redraw();
    host_.NotifyChanged(QStringLiteral("cGradient"));
}

void ButtonSetRules::setGradientMode(long value) {
    if (!inRange(value, 0, 4)) return;
    p().GradientMode = value;
    if (locksFollowBack(p().HoverColorLocks)) {
        p().HoverBackColor = value == 0 ? p().BackColor : p().GradientColor;
        host_.RefreshResources(ButtonResource::BackColor);
    }
    host_.Redraw();
    host_.NotifyChanged(QStringLiteral("Gradient"));
}

void ButtonSetRules::setHoverColorLocks(long value) {
    if (!inRange(value, 0, 3)) return;
    p().HoverColorLocks = value;
    if (locksFollowBack(value)) {
        p().HoverBackColor = p().GradientMode != 0 ? p().GradientColor : p().BackColor;
        host_.NotifyChanged(QStringLiteral("cBHover"));
    }
    if (locksFollowFore(value)) {
        p().HoverForeColor = p().ForeColor;
        host_.NotifyChanged(QStringLiteral("cFHover"));
    }
    host_.RefreshResources(ButtonResource::BackColor);
    host_.NotifyChanged(QStringLiteral("LockHover"));
}

void ButtonSetRules::setHoverForeColor(OleColor color) {
    if (color == p().HoverForeColor) return;
    p().HoverForeColor = color;
    host_.NotifyChanged(QStringLiteral("cFHover"));
    if (color != p().ForeColor) {
        if (p().HoverColorLocks == 0)
            p().HoverColorLocks = 2;
        else if (p().HoverColorLocks == 1)
            p().HoverColorLocks = 3;
    }
}

void ButtonSetRules::setHoverBackColor(OleColor color) {
    if (color == p().HoverBackColor) return;
    p().HoverBackColor = color;
    if (color != p().BackColor) {
        if (p().HoverColorLocks == 0)
            p().HoverColorLocks = 1;
        else if (p().HoverColorLocks == 2)
            p().HoverColorLocks = 3;
    }
    host_.RefreshResources(ButtonResource::BackColor);
    host_.NotifyChanged(QStringLiteral("cBHover"));
}

void ButtonSetRules::setResetDefaultColors(bool value) {
    if (!value || !host_.DesignMode()) return;
    const bool callerDelayed = s_.DrawingDelayed;
    host_.DelayDrawing(true);
    p().BackColor = kButtonFace;
    setForeColor(kButtonText);
    p().GradientColor = kButtonFace;
    p().GradientMode = 0;
    setHoverColorLocks(0);
    host_.RefreshResources(ButtonResource::BackColor);
    endBatch(callerDelayed);
    host_.NotifyChanged(QStringLiteral("cGradient"));
    host_.NotifyChanged(QStringLiteral("cBack"));
}

void ButtonSetRules::setShowFocusRect(bool value, bool displayAsDefault) {
    p().ShowFocusRect = value;
    if (s_.hasFlag(kDefaultShown)) {
        if (host_.DesignMode()) {
            host_.DesignMessage(ButtonMessages::focusRectOnDefault());
        } else {
            // At run time the default look follows the flag, as the ambient rule has it.
            if (!(displayAsDefault && value)) s_.StateFlags &= ~kDefaultShown;
            host_.Redraw();
        }
    } else {
        host_.Redraw();
    }
    host_.NotifyChanged(QStringLiteral("Focus"));
}

}  // namespace qx
