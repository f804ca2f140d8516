#include "shell/InputHold.h"

#include <QCoreApplication>

namespace qx {

InputHold::InputHold() {
    QCoreApplication::instance()->installEventFilter(this);
}

InputHold::~InputHold() {
    release();
}

bool InputHold::isUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

bool InputHold::eventFilter(QObject* watched, QEvent* event) {
    if (!holding_ || !isUserInput(event->type())) return false;
    held_.emplace_back(watched, std::unique_ptr<QEvent>(event->clone()));
    return true;
}

void InputHold::stop() {
    if (!holding_) return;
    holding_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
}

void InputHold::release() {
    stop();
    for (auto& [target, event] : held_) {
        if (target) QCoreApplication::postEvent(target, event.release());
    }
    held_.clear();
}

void InputHold::discard() {
    stop();
    held_.clear();
}

}  // namespace qx
