#pragma once

#include <cstdint>
#include <memory>

#include "engine/MainWindowState.h"
#include "engine/PuzzleModule.h"
#include "engine/Random.h"
#include "engine/WorkPictures.h"

namespace qx {

// A new game built beside the running one: cut, scattered and painted on
// its own pictures, so that a failure half-way leaves the running game as
// it was.
struct PreparedGame {
    PuzzleModule puzzle;
    WorkPictures pictures;
    MainWindowState state;  // the clock count and GameRunning of the new game
};

// Cuts `master` for `gameType`, scatters and paints it with the board colour
// and stencil of `running`. Throws what the engine throws (std::length_error,
// std::bad_alloc, or whatever `random` throws); `running` is only read.
std::unique_ptr<PreparedGame> PrepareGame(Bitmap master, std::int16_t gameType,
                                          const WorkPictures& running, RandomSource& random);

// Replaces the running game's pieces, pictures, clock count and GameRunning
// by the prepared ones. Cannot fail, so the swap is all or nothing.
void SwapInGame(PreparedGame& prepared, PuzzleModule& puzzle, WorkPictures& pictures,
                MainWindowState& state) noexcept;

}  // namespace qx
