#pragma once

#include <cstdint>
#include <string>

#include "engine/GameType.h"

namespace qx {

// The main window's game state, kept as plain data so the play rules can be
// run and tested without any window.
struct MainWindowState {
    std::int16_t GameTy = EasyJigsaw;  // the game type chosen for the next game
    bool GameRunning = false;          // a puzzle is in play; the clock runs exactly then
    std::int32_t ElapsedSeconds = 0;   // seconds of play
    std::int16_t DragX = 0;            // last pointer position of a drag, or the
    std::int16_t DragY = 0;            //   grab point inside the hint box
    std::string CurrentPicturePath;    // the picture chosen last time
};

}  // namespace qx
