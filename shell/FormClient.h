#pragma once

#include <QHash>
#include <QImage>
#include <QWidget>

#include "platform/qt/FormDesign.h"

namespace qx {

// A window's client area built from its design: the form's colour and
// picture, and every visible control at its rectangle. Non-visual entries
// (timers, dialogs, work surfaces) create no widget.
class FormClient : public QWidget {
    Q_OBJECT

public:
    // Throws DesignError when the design names an unknown kind or a bad value.
    explicit FormClient(FormDesign design, QWidget* parent = nullptr);

    // Builds the design as the whole content of `window`, which then keeps
    // exactly the design's client size.
    static FormClient* fillWindow(QWidget* window, FormDesign design);

    const FormDesign& design() const { return design_; }

    // nullptr when the design creates no widget of that name.
    QWidget* control(const QString& name, int index = -1) const;

    // The control as its class; a missing control or another class is a DesignError.
    template <class T>
    T& get(const QString& name, int index = -1) const {
        T* widget = qobject_cast<T*>(control(name, index));
        if (!widget) missing(name, index);
        return *widget;
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void build(const std::vector<ControlDesign>& controls, QWidget* container);
    [[noreturn]] void missing(const QString& name, int index) const;

    FormDesign design_;
    QImage picture_;
    QHash<QString, QWidget*> controls_;
};

// Loads a form's design compiled in under ":/designs/<form>.json".
FormDesign loadCompiledDesign(const QString& form);

}  // namespace qx
