#pragma once

namespace qx {

// Gives the skinned caption bar its interface from now on: a title bar named
// by the window's title, with its minimise, maximise and close glyphs as
// buttons that act as a click on them does. A second call does nothing.
void installSkinAccessibility();

}  // namespace qx
