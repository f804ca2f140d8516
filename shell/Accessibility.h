#pragma once

namespace qx {

// Gives every window and control of the game the interface assistive
// technology reads it through: the buttons, the skinned caption bar, the
// labels, pictures and frames of the designs, and the windows themselves
// (the start-up and main windows as windows, Win and About as dialogs).
// Cheap, and only the first call does anything.
void installAccessibility();

}  // namespace qx
