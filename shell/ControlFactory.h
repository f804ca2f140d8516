#pragma once

#include <QWidget>

#include "platform/qt/FormDesign.h"

namespace qx {

// Kinds that have no widget of their own on the form.
bool isNonVisualKind(const QString& kind);

// Creates the widget of one visual control in `container`, with its
// rectangle and settings. Throws DesignError for an unknown kind.
QWidget* createControl(const ControlDesign& design, QWidget* container);

}  // namespace qx
