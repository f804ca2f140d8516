#pragma once

class QWidget;

namespace qx {

// Moves a top-level window so that its frame is centred on its screen.
void centreOnScreen(QWidget* window);

}  // namespace qx
