#pragma once

#include <QImage>
#include <QWidget>

#include "platform/qt/FormDesign.h"

namespace qx {

// Kinds that have no widget of their own on the form.
bool isNonVisualKind(const QString& kind);

// Creates the widget of one visual control in `container`, with its
// rectangle and settings. Throws DesignError for an unknown kind.
QWidget* createControl(const ControlDesign& design, QWidget* container);

// The compiled-in picture a property names; empty when none is named.
QImage designPicture(const PropertyBag& properties, const QString& key);

}  // namespace qx
