#include "shell/NewGame.h"

#include <type_traits>
#include <utility>

#include "engine/PlayRules.h"

namespace qx {
namespace {

static_assert(std::is_nothrow_swappable_v<PuzzleModule>);
static_assert(std::is_nothrow_swappable_v<WorkPictures>);

// Nothing of the aside game reaches the window until it is swapped in.
class NoShell final : public ShellHooks {
public:
    void PlayClip(int) override {}
    void SetClockEnabled(bool) override {}
    void SetClockText(const std::string&) override {}
    void ShowWin() override {}
    void SetPlayAreaPointer(PlayAreaPointer) override {}
    void BeginBusy() override {}
    void EndBusy() override {}
    void PlayAreaChanged(const ChangedArea&) override {}
};

}  // namespace

std::unique_ptr<PreparedGame> PrepareGame(Bitmap master, std::int16_t gameType,
                                          const WorkPictures& running, RandomSource& random) {
    auto game = std::make_unique<PreparedGame>();
    WorkPictures& p = game->pictures;
    p.picBG = running.picBG;
    p.picScreen = running.picBG;  // painted over by the first redraw
    p.picMasks = running.picMasks;
    p.picMaster = std::move(master);

    NoShell shell;
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
