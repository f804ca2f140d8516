#pragma once

class QMenuBar;

namespace qx {

// Gives the menu bar and its drop-down menus the colours of the window's
// panels instead of the desktop's plain white.
void applyMenuColours(QMenuBar& menuBar);

}  // namespace qx
