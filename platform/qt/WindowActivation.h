#pragma once

#include <QString>

class QWidget;

namespace qx {

// Bringing a window forward on behalf of another program. Wayland
// compositors raise a window only with an activation token (xdg-activation)
// that some program in focus obtained: a launcher hands one to the program
// it starts in XDG_ACTIVATION_TOKEN.

// The token this program was started with, taken out of the environment so
// that nothing of ours spends it (or hands it on) by accident. Empty when
// there is none.
QString takeLaunchActivationToken();

// Raises and activates the window, spending the token where the platform
// takes one (Qt's Wayland plugin reads it from XDG_ACTIVATION_TOKEN). The
// token is gone from the environment afterwards either way.
void activateWithToken(QWidget& window, const QString& token);

}  // namespace qx
