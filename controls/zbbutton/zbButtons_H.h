#pragma once

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "controls/zbbutton/ButtonHost.h"
#include "controls/zbbutton/ButtonPainters.h"
#include "controls/zbbutton/ButtonSetRules.h"
#include "controls/zbbutton/ButtonState.h"
#include "platform/gdi/GdiSurface.h"
#include "platform/qt/PropertyBag.h"

class QDrag;
class QDragMoveEvent;
class QMimeData;

namespace qx {

class PropertyWriter;

// The push, check and option button of every window, drawn entirely by
// itself. Every property change runs its set-rule and ends in Redraw,
// LayoutContent, BuildShapeRegion, RefreshResources or DelayDrawing.
// Option buttons of one container form a group: selecting one clears the
// others. Settings load from and save to the window design under the
// control's property-store keys.
class zbButtons_H : public QWidget, private ButtonHost {
    Q_OBJECT

public:
    enum ButtonMode : long { CommandMode = 0, CheckMode = 1, OptionMode = 2 };
    static constexpr int kHoverTimerId = 237;
    static constexpr int kHoverInterval = 50;  // milliseconds

    // A new instance: its caption is the name the container gives it.
    explicit zbButtons_H(QWidget* container = nullptr, const QString& displayName = {});
    ~zbButtons_H() override;

    // The whole state, as the shape, layout and painter routines read it.
    const ButtonState& state() const { return state_; }

    // Properties (each setter is the property's set-rule).
    long ButtonStyle() const { return state_.props.ButtonStyle; }
    void setButtonStyle(long value) { rules_.setButtonStyle(value); }
    long Mode() const { return state_.props.Mode; }
    void setMode(long value) { rules_.setMode(value); }
    QString Caption() const { return state_.props.Caption; }
    void setCaption(const QString& text) { rules_.setCaption(text); }
    long CaptionAlign() const { return state_.props.CaptionAlign; }
    void setCaptionAlign(long value) { rules_.setCaptionAlign(value); }
    long CaptionStyle() const { return state_.props.CaptionStyle; }
    void setCaptionStyle(long value) { rules_.setCaptionStyle(value); }
    long CustomClick() const { return state_.props.CustomClick; }
    void setCustomClick(long value) { rules_.setCustomClick(value); }
    long ButtonShape() const { return state_.props.ButtonShape; }
    void setButtonShape(long value) { rules_.setButtonShape(value); }
    const QImage& Picture() const { return state_.props.Picture; }
    // `path` is how a design names the picture; icons and cursors set isIcon.
    void setPicture(const QImage& picture, const QString& path = {}, bool isIcon = false) {
        rules_.setPicture(picture, path, isIcon);
    }
    long PictureAlign() const { return state_.props.PictureAlign; }
    void setPictureAlign(long value) { rules_.setPictureAlign(value); }
    bool Enabled() const { return isEnabled(); }
    // Hides QWidget::setEnabled so that the set-rule runs.
    void setEnabled(bool value) { rules_.setEnabled(value); }
    bool ShowFocusRect() const { return state_.props.ShowFocusRect; }
    void setShowFocusRect(bool value) { rules_.setShowFocusRect(value, displayAsDefault_); }
    bool Value() const { return state_.props.Value; }
    void setValue(bool value) { rules_.setValue(value); }
    long PictureSize() const { return rules_.PictureSize(); }
    void setPictureSize(long value) { rules_.setPictureSize(value); }
    int ImagePixelSize() const { return state_.props.ImagePixelSize; }
    int MousePointer() const { return state_.props.MousePointer; }
    void setMousePointer(int value) { rules_.setMousePointer(value); }
    const QImage& MouseIcon() const { return state_.props.MouseIcon; }
    void setMouseIcon(const QImage& icon, const QString& path = {}, bool isIcon = true) {
        rules_.setMouseIcon(icon, path, isIcon);
    }
    const DesignFontInfo& Font() const { return state_.props.Font; }
    void setDesignFont(const DesignFontInfo& font) { rules_.setFont(font); }
    long FontStyle() const { return rules_.FontStyle(); }
    void setFontStyle(long bits) { rules_.setFontStyle(bits); }
    OleColor ForeColor() const { return state_.props.ForeColor; }
    void setForeColor(OleColor color) { rules_.setForeColor(color); }
    OleColor BackColor() const { return state_.props.BackColor; }
    void setBackColor(OleColor color) { rules_.setBackColor(color); }
    OleColor GradientColor() const { return state_.props.GradientColor; }
    void setGradientColor(OleColor color) { rules_.setGradientColor(color); }
    long GradientMode() const { return state_.props.GradientMode; }
    void setGradientMode(long value) { rules_.setGradientMode(value); }
    OleColor HoverForeColor() const { return state_.props.HoverForeColor; }
    void setHoverForeColor(OleColor color) { rules_.setHoverForeColor(color); }
    OleColor HoverBackColor() const { return state_.props.HoverBackColor; }
    void setHoverBackColor(OleColor color) { rules_.setHoverBackColor(color); }
    long HoverColorLocks() const { return state_.props.HoverColorLocks; }
    void setHoverColorLocks(long value) { rules_.setHoverColorLocks(value); }
    bool ResetDefaultColors() const { return false; }
    void setResetDefaultColors(bool value) { rules_.setResetDefaultColors(value); }
    QString AccessKey() const { return state_.AccessKey; }

    // The drawing surface (the face as last painted) and the window.
    const GdiSurface& hdc() const { return offscreen_; }
    // What the window shows: the face with a shaped button's outline over it.
    QImage shownFace() const;
    QWidget* hwnd() { return this; }

    // The form's default (Enter) and cancel (Esc) button; one of each per window.
    bool isDefault() const { return default_; }
    void setDefault(bool on);
    bool isCancel() const { return cancel_; }
    void setCancel(bool on);

    // Methods.
    void Refresh();
    void DelayDrawing(bool delay) override;

    // The routines every change ends in.
    void Redraw() override;
    void LayoutContent(bool pictureChanged) override;
    void BuildShapeRegion() override;
    void RefreshResources(ButtonResource what) override;
    void ResizeHandling() override;
    // Moves a pressed shaped button by its CustomClick displacement and back;
    // true when it has just moved it.
    bool CustomClickMove();

    // Persistence.
    void ReadProperties(const PropertyBag& store);
    void WriteProperties(PropertyWriter& out) const;

    // The host reports a changed ambient property ("DisplayAsDefault", "BackColor").
    void AmbientChanged(const QString& name);

    bool OptionToggle(int action) override;
    // The hover timer's callback: finds the instance through the window's properties.
    static void HoverTimerProc(QWidget* window, int timerId);
    void HoverCheck(int timerId);

    // Faces actually painted so far (Redraw calls outside DelayDrawing).
    int RedrawCount() const { return redrawCount_; }

    // Drag and drop: 0 accepts no drops, 1 raises the OLEDrag* events for them.
    void setOLEDropMode(int mode);
    // Starts dragging from this button; OLEStartDrag lets the program fill the data.
    void OLEDrag();

signals:
    void PropertyChanged(const QString& key);

    // Arguments passed by reference may be changed by a handler (connected
    // directly): a DoubleClick handler changes LastButton, a MouseUp handler
    // the button the click that follows acts on.
    void Click();
    void DoubleClick(std::int16_t& Button);
    void MouseOnButton(bool& OnButton);
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void KeyDown(std::int16_t KeyCode, std::int16_t Shift);
    void KeyUp(std::int16_t KeyCode, std::int16_t Shift);
    void KeyPress(std::int16_t KeyAscii);
    void OLECompleteDrag(long Effect);
    void OLEDragDrop(const QMimeData* Data, long Effect, std::int16_t Button, std::int16_t Shift,
                     float X, float Y);
    void OLEDragOver(const QMimeData* Data, long Effect, std::int16_t Button, std::int16_t Shift,
                     float X, float Y, std::int16_t State);
    // A handler that sets DefaultCursors to False shows its own drag cursor:
    // the button's pointer (its MouseIcon) instead of the standard one.
    void OLEGiveFeedback(long Effect, bool& DefaultCursors);
    void OLESetData(const QMimeData* Data, std::int16_t DataFormat);
    void OLEStartDrag(QMimeData* Data, long AllowedEffects);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // ButtonHost
    bool DesignMode() const override;
    void DesignMessage(const QString& text, const QString& title) override;
    bool SurfaceEnabled() const override;
    void SetSurfaceEnabled(bool enabled) override;
    void SetSurfaceFont(const DesignFontInfo& font) override;
    void SetSurfaceMousePointer(int pointer) override;
    bool SetSurfaceMouseIcon(const QImage& icon, bool isIcon) override;
    void SetAccessKey(const QString& key) override;
    void NotifyChanged(const QString& key) override;

    // Input rules.
    void pressButton(std::int16_t button, std::int16_t shift, QPointF at);
    void hostClick();
    void AccessKeyPress(int code);
    void startHovering(Qt::MouseButtons buttons);
    void updateDisplayAsDefault();
    // Drop states of OLEDragOver.
    static constexpr std::int16_t kDragEnter = 0;
    static constexpr std::int16_t kDragLeave = 1;
    static constexpr std::int16_t kDragOver = 2;
    void dragOver(QDragMoveEvent* event, std::int16_t state);
    void giveFeedback(QDrag& drag, Qt::DropAction action);
    void regrabKeys();

    ButtonState state_;
    ButtonSetRules rules_{state_, *this};
    QPointer<QWidget> container_;  // the window the option group lives on
    GdiSurface offscreen_;         // the face is painted here and shown with one copy
    FaceOutline outline_;          // shown over the face, never painted into it
    QSize handledSize_;            // the size the shape and face were last built for
    QTimer hoverTimer_;
    QMetaObject::Connection focusWatch_;
    bool painting_ = false;      // inside paintEvent: the face goes out with this paint
    bool clickPending_ = false;  // a real press waits for its release
    bool displayAsDefault_ = false;
    bool default_ = false;
    bool cancel_ = false;
    int accessShortcut_ = 0;
    int enterShortcut_ = 0;
    int returnShortcut_ = 0;
    int escapeShortcut_ = 0;
    int redrawCount_ = 0;
};

}  // namespace qx
