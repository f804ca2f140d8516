#include "controls/zbbutton/zbButtons_H.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

namespace qx {

zbButtons_H::zbButtons_H(QWidget* container) : QWidget(container) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    backColor_ = hoverBackColor_ = containerBackColor();
}

zbButtons_H::~zbButtons_H() = default;

OleColor zbButtons_H::containerBackColor() const {
    const QWidget* container = parentWidget();
    return container ? fromQColor(container->palette().color(container->backgroundRole()))
                     : kButtonFace;
}

void zbButtons_H::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void zbButtons_H::setPicture(const QImage& picture) {
    picture_ = picture;
    if (imagePixelSize_ <= 0) imagePixelSize_ = 16;
    update();
}

void zbButtons_H::setMode(long mode) {
    if (mode < CommandMode || mode > OptionMode) return;
    if (mode == CommandMode && mode_ != CommandMode) value_ = false;
    const bool joins = mode == OptionMode && mode_ != OptionMode;
    mode_ = mode;
    if (joins && value_) clearOtherOptions();
    update();
}

void zbButtons_H::setValue(bool value) {
    if (value && mode_ == CommandMode) return;
    value_ = value;
    if (value_ && mode_ == OptionMode) clearOtherOptions();
    update();
}

void zbButtons_H::clearOtherOptions() {
    QWidget* container = parentWidget();
    if (!container) return;
    for (zbButtons_H* other : container->findChildren<zbButtons_H*>(Qt::FindDirectChildrenOnly)) {
        if (other != this && other->mode_ == OptionMode && other->value_) other->setValue(false);
    }
}

void zbButtons_H::setBackColor(OleColor color) {
    backColor_ = color;
    hoverBackColor_ = color;
    update();
}

void zbButtons_H::setForeColor(OleColor color) {
    if (color == foreColor_) return;
    foreColor_ = color;
    hoverForeColor_ = color;
    update();
}

void zbButtons_H::setDesignFont(const DesignFontInfo& font) {
    font_ = font;
    setFont(designFont(font));
    update();
}

void zbButtons_H::ReadProperties(const PropertyBag& store) {
    caption_ = store.text(QStringLiteral("Caption"));
    captionAlign_ = store.integer(QStringLiteral("CapAlign"), 2);
    buttonStyle_ = store.integer(QStringLiteral("BackStyle"), 0);
    foreColor_ = store.color(QStringLiteral("cFore"), kButtonText);
    // A store without a font keeps the container's font rather than none.
    if (store.contains(QStringLiteral("Font"))) setDesignFont(store.font(QStringLiteral("Font")));
    showFocusRect_ = store.boolean(QStringLiteral("Focus"), true);
    mode_ = CommandMode;
    setMode(store.integer(QStringLiteral("Mode"), CommandMode));
    value_ = mode_ != CommandMode && store.boolean(QStringLiteral("Value"), false);
    picture_ = store.picture(QStringLiteral("Image"));
    imagePixelSize_ = static_cast<int>(store.integer(QStringLiteral("ImgSize"), 16));
    if (imagePixelSize_ < 16 || imagePixelSize_ > 48 || imagePixelSize_ % 8 != 0)
        imagePixelSize_ = 16;
    pictureAlign_ = store.integer(QStringLiteral("ImgAlign"), 0);
    hoverForeColor_ = store.color(QStringLiteral("cFHover"), kButtonText);
    setEnabled(store.boolean(QStringLiteral("Enabled"), true));
    backColor_ = store.color(QStringLiteral("cBack"), containerBackColor());
    hoverBackColor_ = store.color(QStringLiteral("cBHover"), backColor_);
    if (mode_ == OptionMode && value_) clearOtherOptions();
    update();
}

QSize zbButtons_H::sizeHint() const {
    return {73, 25};
}

void zbButtons_H::completeClick() {
    if (mode_ == OptionMode && value_) return;  // a selected option stays selected, silently
    if (mode_ != CommandMode) setValue(!value_);
    emit Click();
}

void zbButtons_H::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    pressed_ = heldDown_ = true;
    update();
}

void zbButtons_H::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || !pressed_) return;
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != heldDown_) {
        heldDown_ = inside;
        update();
    }
}

void zbButtons_H::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return QWidget::mouseReleaseEvent(event);
    pressed_ = heldDown_ = false;
    update();
    if (rect().contains(event->position().toPoint())) completeClick();
}

void zbButtons_H::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        pressed_ = heldDown_ = true;
        update();
        return;
    }
    QWidget::keyPressEvent(event);
}

void zbButtons_H::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && pressed_) {
        pressed_ = heldDown_ = false;
        update();
        completeClick();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void zbButtons_H::enterEvent(QEnterEvent* event) {
    hot_ = true;
    update();
    QWidget::enterEvent(event);
}

void zbButtons_H::leaveEvent(QEvent* event) {
    hot_ = false;
    update();
    QWidget::leaveEvent(event);
}

void zbButtons_H::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) pressed_ = heldDown_ = hot_ = false;
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) update();
    QWidget::changeEvent(event);
}

}  // namespace qx
