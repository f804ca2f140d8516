#pragma once

#include <QLoggingCategory>

namespace qx {

// The game's own messages on stderr: real faults only (a broken window
// design, say). Always shown.
Q_DECLARE_LOGGING_CATEGORY(lcProgram)

// The environment variable that keeps Qt's own messages, for debugging.
inline constexpr char kQtMessagesVariable[] = "QUILTRIX_QT_MESSAGES";

// Silences Qt's own debug, info and warning messages, about things the game
// copes with by itself (no sound server, a damaged picture), unless
// QUILTRIX_QT_MESSAGES is set to anything but 0; QT_LOGGING_RULES still
// takes precedence. Critical and fatal messages and the game's own are
// always shown. Call once the application object exists, so that a failure
// to reach the display is still explained.
void quietenQtMessages();

}  // namespace qx
