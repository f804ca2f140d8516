#include "controls/zbbutton/ButtonAccessible.h"

#include <QKeySequence>

#include "controls/zbbutton/zbButtons_H.h"
#include "platform/qt/AccessibleClick.h"

namespace qx {
namespace {

QAccessibleInterface* buttonInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(zbButtons_H::staticMetaObject.className())) return nullptr;
    return new ButtonAccessible(static_cast<zbButtons_H*>(object));
}

}  // namespace

QString spokenCaption(const QString& caption) {
    QString spoken;
    spoken.reserve(caption.size());
    const qsizetype n = caption.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = caption[i];
        const bool doubled = i + 1 < n && caption[i + 1] == c;
        if (c == QLatin1Char('&')) {
            if (doubled) spoken += caption[++i];
        } else if (c == QLatin1Char('|') && doubled) {
            spoken += QLatin1Char(' ');
            ++i;
        } else {
            spoken += c;
        }
    }
    return spoken.simplified();
}

ButtonAccessible::ButtonAccessible(zbButtons_H* button)
    : QAccessibleWidget(button), spokenChecked_(button->Value()) {}

bool ButtonAccessible::takeCheckedChange() {
    const bool checked = button()->Value();
    if (checked == spokenChecked_) return false;
    spokenChecked_ = checked;
    return true;
}

zbButtons_H* ButtonAccessible::button() const {
    return static_cast<zbButtons_H*>(widget());
}

QAccessible::Role ButtonAccessible::role() const {
    switch (button()->Mode()) {
        case zbButtons_H::CheckMode:
            return QAccessible::CheckBox;
        case zbButtons_H::OptionMode:
            return QAccessible::RadioButton;
        default:
            return QAccessible::Button;
    }
}

QAccessible::State ButtonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    const zbButtons_H* b = button();
    if (b->Mode() != zbButtons_H::CommandMode) {
        s.checkable = true;
        s.checked = b->Value();
        spokenChecked_ = b->Value();  // what the reader now knows
    }
    s.pressed = b->state().hasFlag(kPressed);
    s.defaultButton = b->isDefault();
    return s;
}

QString ButtonAccessible::text(QAccessible::Text t) const {
    const zbButtons_H* b = button();
    switch (t) {
        case QAccessible::Name: {
            // A picture button's name comes from its window; a caption
            // speaks for itself; the tool tip is the last resort.
            QString name = b->accessibleName();
            if (name.isEmpty()) name = spokenCaption(b->Caption());
            return name.isEmpty() ? b->toolTip() : name;
        }
        case QAccessible::Description: {
            const QString description = QAccessibleWidget::text(t);
            return description == text(QAccessible::Name) ? QString() : description;
        }
        case QAccessible::Accelerator:
            return shortcut();
        default:
            return QAccessibleWidget::text(t);
    }
}

QString ButtonAccessible::clickAction() const {
    return button()->Mode() == zbButtons_H::CommandMode
               ? QAccessibleActionInterface::pressAction()
               : QAccessibleActionInterface::toggleAction();
}

QString ButtonAccessible::shortcut() const {
    const QString key = button()->AccessKey();
    if (key.isEmpty()) return {};
    return QKeySequence(QStringLiteral("Alt+") + key.toUpper()).toString(QKeySequence::NativeText);
}

QStringList ButtonAccessible::actionNames() const {
    QStringList names{clickAction()};
    names += QAccessibleWidget::actionNames();  // set focus, for a focusable button
    return names;
}

void ButtonAccessible::doAction(const QString& actionName) {
    if (actionName == clickAction())
        clickLikeTheMouse(button(), kActionPressTime);
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList ButtonAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == clickAction() && !shortcut().isEmpty()) return {shortcut()};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void installButtonAccessibility() {
    QAccessible::installFactory(&buttonInterface);
}

void announceButtonChange(zbButtons_H* button, const QString& key) {
    if (!QAccessible::isActive()) return;
    if (key == QLatin1String("Value")) {
        auto* iface =
            dynamic_cast<ButtonAccessible*>(QAccessible::queryAccessibleInterface(button));
        if (!iface || !iface->takeCheckedChange()) return;
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(button, changed);
        QAccessible::updateAccessibility(&event);
    } else if (key == QLatin1String("Caption") && button->accessibleName().isEmpty()) {
        QAccessibleEvent event(button, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace qx
