#pragma once

#include <cstdint>

#include "engine/Geometry.h"
#include "engine/MainWindowState.h"
#include "engine/PuzzleModule.h"
#include "engine/Random.h"
#include "engine/ShellHooks.h"
#include "engine/WorkPictures.h"

namespace qx {

enum class MouseButton { Left, Right, Middle, Other };

inline constexpr int TurnKeyCode = 82;  // R, whatever the Shift, Ctrl or Alt state

struct PixelPoint {
    int x = 0, y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// How a game is played: what the play area's mouse and key events, the board
// buttons and the clock do to the puzzle. frmMain routes its events here; the
// render tool replays recorded moves through the same rules. Coordinates are
// play-area pixels.
class PlayRules {
public:
    PlayRules(PuzzleModule& puzzle, MainWindowState& state, WorkPictures& pictures,
              ShellHooks& shell, RandomSource& random)
        : puzzle_(puzzle), state_(state), pictures_(pictures), shell_(shell), random_(random) {}

    // The engine's part of a new game, once picMaster holds the accepted and
    // cropped photo: clock count 0, cut, scatter, paint, nothing held, game
    // running. Starting the clock stays with the caller.
    void StartGame(std::int16_t gameType);

    // Pick-up: the topmost piece whose outline is under the pointer moves to
    // the top of the stack and is held, its cell centred on the pointer.
    void PlayAreaMouseDown(MouseButton button, int x, int y);
    // Drag: the held piece follows the pointer (also outside the play area).
    void PlayAreaMouseMove(int x, int y);
    // Drop: the held piece snaps to the 11-pixel lattice; then the completion check.
    void PlayAreaMouseUp(MouseButton button, int x, int y);
    // Turn: R turns the held piece a quarter clockwise.
    void PlayAreaKeyDown(int keyCode);

    // Scatter Puzzle (cmdShuffle): deal the pieces out anew and restart the count.
    void ScatterPuzzle();
    // Move Board (cmdMoveBoard 0..3: left, right, up, down): every piece one
    // grid step. A move that would take a piece beyond 16-bit coordinates is
    // refused as a whole.
    void MoveBoard(int index);
    // Set Board Color, after the colour dialog returned `colour`.
    void SetBoardColor(Pixel colour);

    // Timer1: one more second of play, shown in lblElapsed.
    void ClockTick();

    // The completion check run after every drop: when the puzzle is solved the
    // game ends, the clock stops, SOUND3 plays and Win opens. True if solved.
    bool CheckCompletion();
    // Every piece that shows the photo upright at its grid offset from the
    // upright row 0, column 0 piece; the filler pieces beyond the photo, in
    // any orientation, fill the filler places between them.
    bool IsSolved() const;

    // Hint box: a press records the grab point inside the box; a drop on the
    // play area puts the box's corner at the drop point less that grab point,
    // in play-area pixels.
    void HintBoxMouseDown(int x, int y);
    PixelPoint HintBoxDropPosition(int dropX, int dropY) const;

private:
    void Repaint();
    bool Playing() const { return state_.GameRunning; }

    PuzzleModule& puzzle_;
    MainWindowState& state_;
    WorkPictures& pictures_;
    ShellHooks& shell_;
    RandomSource& random_;
};

}  // namespace qx
