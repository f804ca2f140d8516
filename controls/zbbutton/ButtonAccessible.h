#pragma once

#include <QAccessibleWidget>
#include <QString>

namespace qx {

class zbButtons_H;

// The caption as a screen reader says it: the access-key marker dropped
// ("&&" is a plain "&"), line breaks ("||") and runs of blanks read as one
// space.
QString spokenCaption(const QString& caption);

// What assistive technology sees of a zbButtons_H: a push button, a check box
// or a radio button by its mode; named by the name its window gives it, else
// by its caption, else by its tool tip; its state as drawn; and one action
// that presses or toggles it as a click does.
class ButtonAccessible : public QAccessibleWidget {
public:
    // How long an action shows the button pushed in before it lets go.
    static constexpr int kActionPressTime = 100;  // milliseconds

    explicit ButtonAccessible(zbButtons_H* button);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    // True once for each change of the checked state since a reader last
    // heard or asked it: a group clearing its other members changes nothing
    // for most of them.
    bool takeCheckedChange();

private:
    zbButtons_H* button() const;
    QString clickAction() const;
    QString shortcut() const;

    mutable bool spokenChecked_;
};

// Gives every zbButtons_H its interface from now on; a second call does nothing.
void installButtonAccessibility();

// Tells assistive technology what a property change of `button` changed
// (the property-store key): its checked state or its name.
void announceButtonChange(zbButtons_H* button, const QString& key);

}  // namespace qx
