// The button's mouse, keyboard and focus rules and its hover tracking.
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>

#include "controls/zbbutton/ButtonKeys.h"
#include "controls/zbbutton/OptionGroup.h"
#include "controls/zbbutton/zbButtons_H.h"

namespace qx {
namespace {

bool isArrow(int code) {
    return code >= kVkLeft && code <= kVkDown;
}

// The keyboard scan code a key-down message carries for each arrow key.
quint32 arrowScanCode(int code) {
    switch (code) {
        case kVkRight:
            return 0x4D;
        case kVkDown:
            return 0x50;
        case kVkLeft:
            return 0x4B;
        default:
            return 0x48;
    }
}

float coord(qreal v) {
    return static_cast<float>(v);
}

}  // namespace

void zbButtons_H::pressButton(std::int16_t button, std::int16_t shift, QPointF at) {
    state_.LastButton = button;
    if (button == 1) {
        // The press holds the mouse: Qt keeps sending it here until the release.
        state_.StateFlags |= kPressed;
        state_.IsHeldDown = true;
        state_.DrawingDelayed = false;
        Redraw();
    }
    float x = coord(at.x()), y = coord(at.y());
    emit MouseDown(button, shift, x, y);
}

void zbButtons_H::hostClick() {
    if (state_.LastButton != 1) return;
    if (state_.props.Mode != CommandMode) {
        if (state_.props.Mode == OptionMode && state_.props.Value) return;  // stays selected
        setValue(!state_.props.Value);
    }
    emit Click();
}

void zbButtons_H::mousePressEvent(QMouseEvent* event) {
    clickPending_ = true;
    pressButton(mouseButtonCode(event->button()), shiftState(event->modifiers()),
                event->position());
}

void zbButtons_H::mouseReleaseEvent(QMouseEvent* event) {
    const std::int16_t button = mouseButtonCode(event->button());
    state_.IsHeldDown = false;
    if (button == 1) {
        state_.StateFlags &= ~kPressed;
        state_.DrawingDelayed = false;
        // Every release repaints, so the face never stays pushed in when the
        // click that follows changes nothing (a second click of a pair, a
        // selected option button).
        Redraw();
    }
    std::int16_t upButton = button, shift = shiftState(event->modifiers());
    float x = coord(event->position().x()), y = coord(event->position().y());
    emit MouseUp(upButton, shift, x, y);
    state_.LastButton = upButton;  // as the handler left it: the click acts on it
    const bool completed = clickPending_ && rect().contains(event->position().toPoint());
    clickPending_ = false;
    if (completed) hostClick();
}

void zbButtons_H::mouseMoveEvent(QMouseEvent* event) {
    if (!state_.IsHovering && QApplication::widgetAt(QCursor::pos()) == this)
        startHovering(event->buttons());
    std::int16_t button = mouseButtonCode(event->buttons()), shift = shiftState(event->modifiers());
    float x = coord(event->position().x()), y = coord(event->position().y());
    emit MouseMove(button, shift, x, y);
}

void zbButtons_H::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a pair: it shows pressed again but completes no click.
    clickPending_ = false;
    const QPointF at = event->position();
    emit DoubleClick(state_.LastButton);  // a handler may change LastButton
    if (state_.LastButton == 1) {
        pressButton(1, 0, at);
        state_.LastButton = -1;
    } else {
        std::int16_t button = 1, shift = 0;
        float x = coord(at.x()), y = coord(at.y());
        emit MouseDown(button, shift, x, y);
    }
}

void zbButtons_H::startHovering(Qt::MouseButtons buttons) {
    state_.StateFlags |= kHot;
    bool onButton = true;
    emit MouseOnButton(onButton);
    setProperty("zb_ClassID", QVariant::fromValue<QObject*>(this));
    setProperty("zb_TimerID", kHoverTimerId);
    hoverTimer_.start();
    state_.IsHovering = true;
    state_.DrawingDelayed = false;
    if (mouseButtonCode(buttons) == 1) state_.IsHeldDown = true;
    Redraw();
}

void zbButtons_H::HoverTimerProc(QWidget* window, int timerId) {
    if (!window) return;
    auto* button = qobject_cast<zbButtons_H*>(window->property("zb_ClassID").value<QObject*>());
    const QVariant id = window->property("zb_TimerID");
    if (button) button->HoverCheck(id.isValid() ? id.toInt() : timerId);
}

void zbButtons_H::HoverCheck(int timerId) {
    if (QApplication::widgetAt(QCursor::pos()) == this) return;
    if (timerId == kHoverTimerId) hoverTimer_.stop();
    state_.StateFlags &= ~kHot;
    state_.IsHovering = false;
    state_.DrawingDelayed = false;
    bool onButton = false;
    emit MouseOnButton(onButton);
    state_.IsHeldDown = false;
    Redraw();
}

void zbButtons_H::keyPressEvent(QKeyEvent* event) {
    std::int16_t code = virtualKeyCode(event->key());
    const std::int16_t shift = shiftState(event->modifiers());
    if (isArrow(code)) {
        // The container moves the focus, once per key-down, held keys' repeats
        // included; the button raises nothing.
        if (container_)
            QCoreApplication::postEvent(
                container_, new QKeyEvent(QEvent::KeyPress, event->key(), event->modifiers(),
                                          arrowScanCode(code), static_cast<quint32>(code), 0));
        code = 0;
    } else if (code == kVkSpace) {
        if (!state_.hasFlag(kPressed)) {
            state_.StateFlags |= kHot;
            state_.IsHeldDown = true;
            state_.StateFlags |= kPressed;
            Redraw();
            if (!state_.IsHovering) state_.StateFlags &= ~kHot;
        }
    } else if (code == kVkReturn) {
        // The focused button is the one Enter acts on.
        AccessKeyPress(kVkReturn);
        return;
    }
    if (code != 0) emit KeyDown(code, shift);
    const QString text = event->text();
    if (!isArrow(virtualKeyCode(event->key())) && text.size() == 1 && text[0].unicode() < 256)
        emit KeyPress(static_cast<std::int16_t>(text[0].unicode()));
}

void zbButtons_H::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;  // a held key releases once, at the end
    state_.IsHeldDown = false;
    const std::int16_t code = virtualKeyCode(event->key());
    const std::int16_t shift = shiftState(event->modifiers());
    if (code == kVkSpace && state_.hasFlag(kPressed)) {
        state_.StateFlags &= ~kPressed;
        state_.LastButton = 1;
        // Repainted in every mode: a selected option button changes nothing
        // on its click and would otherwise stay pushed in.
        Redraw();
        if (state_.props.Mode == CommandMode) {
            hostClick();
            emit KeyUp(code, shift);
        } else {
            emit KeyUp(code, shift);
            hostClick();
        }
    } else if (isArrow(code)) {
        // An option button reached with the arrow keys becomes selected.
        if (state_.props.Mode == OptionMode && !state_.props.Value) {
            state_.LastButton = 1;
            hostClick();
        }
    } else if (code == kVkShift) {
        // swallowed
    } else if (code != 0) {
        emit KeyUp(code, shift);
    }
}

void zbButtons_H::AccessKeyPress(int code) {
    const bool enterOrEsc = code == kVkEscape || code == kVkReturn;
    if (enterOrEsc && state_.props.Mode != CommandMode) return;
    if (!enterOrEsc && !state_.hasFlag(kDefaultShown)) Redraw();
    state_.LastButton = 1;
    hostClick();
}

void zbButtons_H::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (state_.props.Mode == OptionMode && !state_.props.Value && !OptionToggle(OptionGroup::Ask)) {
        state_.LastButton = 1;
        hostClick();
    }
}

bool zbButtons_H::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        if (!isEnabled()) return true;
        const int id = static_cast<QShortcutEvent*>(event)->shortcutId();
        if (id != 0 && id == accessShortcut_ && !state_.AccessKey.isEmpty())
            AccessKeyPress(state_.AccessKey.toUpper()[0].unicode());
        else if (id != 0 && (id == enterShortcut_ || id == returnShortcut_))
            AccessKeyPress(kVkReturn);
        else if (id != 0 && id == escapeShortcut_)
            AccessKeyPress(kVkEscape);
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // A focused button takes Enter itself rather than the form's default.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
            (static_cast<QKeyEvent*>(event)->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

}  // namespace qx
