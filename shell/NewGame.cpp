#include "shell/NewGame.h"

#include <type_traits>
#include <utility>

#include "engine/PlayRules.h"
#include "engine/SilentShell.h"

namespace qx {
namespace {

static_assert(std::is_nothrow_swappable_v<PuzzleModule>);
static_assert(std::is_nothrow_swappable_v<WorkPictures>);

}  // namespace

std::unique_ptr<PreparedGame> PrepareGame(Bitmap master, std::int16_t gameType,
                                          const WorkPictures& running, RandomSource& random) {
    auto game = std::make_unique<PreparedGame>();
    WorkPictures& p = game->pictures;
    p.picBG = running.picBG;
    p.picScreen = running.picBG;  // painted over by the first redraw
    p.picMasks = running.picMasks;
    p.picMaster = std::move(master);

    // Nothing of the aside game reaches the window until it is swapped in.
    SilentShell shell;
    PlayRules rules(game->puzzle, game->state, p, shell, random);
    rules.StartGame(gameType);
    return game;
}

void SwapInGame(PreparedGame& prepared, PuzzleModule& puzzle, WorkPictures& pictures,
                MainWindowState& state) noexcept {
    using std::swap;
    swap(puzzle, prepared.puzzle);
    swap(pictures, prepared.pictures);
    state.ElapsedSeconds = prepared.state.ElapsedSeconds;
    state.GameRunning = prepared.state.GameRunning;
}

}  // namespace qx
