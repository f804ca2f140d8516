#pragma once

#include "platform/qt/DesignFont.h"
#include "platform/qt/OleColor.h"

class QWidget;

namespace qx {

// What a button learns from the form it sits on. A form in a designer-like
// host carries the dynamic property "DesignMode" = true; a form built from a
// design may carry its font entry as "DesignFont" (the JSON object).
inline constexpr char kDesignModeProperty[] = "DesignMode";
inline constexpr char kDesignFontProperty[] = "DesignFont";

// True when the widget or one of its ancestors says so.
bool hostDesignMode(const QWidget* widget);

// The container's background as a design colour (0x00BBGGRR).
OleColor ambientBackColor(const QWidget* container);

// The container's font as a design font entry.
DesignFontInfo ambientFont(const QWidget* container);

}  // namespace qx
