#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <vector>

#include "platform/qt/PropertyBag.h"

namespace qx {

// One control of a form: its name (with the index inside a control array, or
// -1), its kind, its rectangle in the container's pixels, its saved
// properties and, for containers such as frames, the controls inside it.
struct ControlDesign {
    QString name;
    int index = -1;
    QString kind;
    QRect rect;
    PropertyBag properties;
    std::vector<ControlDesign> children;

    // "cmdNew" or "optGameType(1)"
    QString key() const;
};

struct MenuDesign {
    QString name;
    QString caption;  // empty for a separator
    bool separator = false;
    std::vector<MenuDesign> items;
};

// A window's design: the form's own properties ("Caption", "ClientWidth",
// "ClientHeight", "BackColor", "Picture", ...), its controls in creation
// order (later ones lie on top) and its menu bar.
struct FormDesign {
    QString name;
    PropertyBag properties;
    std::vector<ControlDesign> controls;
    std::vector<MenuDesign> menus;

    // Searches nested controls too; nullptr when there is none.
    const ControlDesign* find(const QString& name, int index = -1) const;
    // As find(), but a missing control is a DesignError.
    const ControlDesign& control(const QString& name, int index = -1) const;
    // Every "Font" the form and its controls name, in creation order.
    QList<DesignFontInfo> fonts() const;
};

// Both throw DesignError with the source and the reason.
FormDesign parseFormDesign(const QByteArray& json, const QString& source);
FormDesign loadFormDesign(const QString& path);

}  // namespace qx
