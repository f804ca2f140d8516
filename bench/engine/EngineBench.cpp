// Costs of the engine's hot paths on the largest puzzle the window allows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "engine/PuzzleModule.h"
#include "engine/Stencil.h"

namespace qx {
namespace {

Bitmap photo(int width, int height) {
    std::mt19937 rng(7);
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.setPixel(x, y, rng() & kRgbMask);
    return b;
}

// A scattered puzzle: 135 pieces for 632 x 355, 9 for 88 x 88.
struct Game {
    PuzzleModule puzzle;
    WorkPictures pictures;

    Game(int width, int height, int gameType = HardJigsaw) {
        pictures.picMasks = GenerateStencil();
        pictures.picMaster = photo(width, height);
        puzzle.CurrentGameType = static_cast<std::int16_t>(gameType);
        puzzle.CutPieces(pictures);
        SeededRandom random(1);
        puzzle.ScatterPieces(pictures, random);
    }

    void pickUp(int index) {
        std::rotate(puzzle.Pieces.begin(), puzzle.Pieces.begin() + index,
                    puzzle.Pieces.begin() + index + 1);
        puzzle.HeldPiece = 0;
    }
};

// The machine is shared: the fastest of several repetitions is the figure
// least disturbed by other work.
double fastest(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}

#define QX_BENCHMARK(...) BENCHMARK(__VA_ARGS__)->Repetitions(5)->ComputeStatistics("min", fastest)

void BM_CopyPlayArea(benchmark::State& state) {
    const Bitmap source(PlayAreaWidth, PlayAreaHeight, rgb(1, 2, 3));
    Bitmap target(PlayAreaWidth, PlayAreaHeight);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.byteCount());
        benchmark::ClobberMemory();
    }
}
QX_BENCHMARK(BM_CopyPlayArea)->Unit(benchmark::kMicrosecond);

void BM_RedrawBoard135(benchmark::State& state) {
    Game game(632, 355);
    const bool held = state.range(0) != 0;
    if (held) game.pickUp(60);
    BoardPainter painter;
    for (auto _ : state) {
        painter.Invalidate();  // always the full repaint
        painter.Paint(game.puzzle.Pieces, game.puzzle.HeldPiece, game.pictures.picScreen,
                      game.pictures.picBG, game.pictures.picMasks, game.pictures.picPat);
        benchmark::ClobberMemory();
    }
    state.SetLabel(held ? "one piece held" : "no piece held");
}
QX_BENCHMARK(BM_RedrawBoard135)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One pointer move while holding a piece: RedrawBoard repaints the old and
// the new cell only.
void BM_DragStep(benchmark::State& state) {
    const bool large = state.range(0) == 135;
    Game game(large ? 632 : 88, large ? 355 : 88);
    game.pickUp(game.puzzle.lastIndex() / 2);
    game.puzzle.RedrawBoard(game.pictures);
    Piece& held = game.puzzle.Pieces.front();
    int step = 0;
    for (auto _ : state) {
        held.X = static_cast<std::int16_t>(150 + step % 200);
        held.Y = static_cast<std::int16_t>(120 + (step / 2) % 150);
        ++step;
        benchmark::DoNotOptimize(game.puzzle.RedrawBoard(game.pictures));
    }
    if (!game.puzzle.lastRedrawWasPartial())
        state.SkipWithError("drag step repainted the whole board");
}
QX_BENCHMARK(BM_DragStep)->Arg(9)->Arg(135)->Unit(benchmark::kMicrosecond);

void BM_RotatePiece(benchmark::State& state) {
    Game game(632, 355);
    for (auto _ : state) {
        game.puzzle.RotatePiece(17, game.pictures);
        benchmark::ClobberMemory();
    }
}
QX_BENCHMARK(BM_RotatePiece)->Unit(benchmark::kMicrosecond);

void BM_CutPieces632x355(benchmark::State& state) {
    Game game(632, 355);
    for (auto _ : state) {
        game.puzzle.CutPieces(game.pictures);
        benchmark::ClobberMemory();
    }
}
QX_BENCHMARK(BM_CutPieces632x355)->Unit(benchmark::kMicrosecond);

void BM_ScatterPiecesHardJigsaw(benchmark::State& state) {
    Game game(632, 355, HardJigsaw);
    SeededRandom random(3);
    for (auto _ : state) {
        game.puzzle.ScatterPieces(game.pictures, random);
        benchmark::ClobberMemory();
    }
}
QX_BENCHMARK(BM_ScatterPiecesHardJigsaw)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qx
