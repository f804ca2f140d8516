#include <cmath>

#include "engine/PuzzleModule.h"

namespace qx {

namespace {

// A uniform draw scaled to [0, range), rounded down.
int drawBelow(RandomSource& random, double range) {
    return static_cast<int>(std::floor(random.NextDouble() * range));
}

// The nearest multiple of 11 to value - 20; value is whole, so no tie occurs.
std::int16_t onLattice(int value) {
    return static_cast<std::int16_t>(SnapStep *
                                     std::lround((value - 20) / static_cast<double>(SnapStep)));
}

}  // namespace

void PuzzleModule::ScatterPieces(const Bitmap& playArea, Bitmap& work,
                                 std::vector<Bitmap>& pieceImages, RandomSource& random) {
    if (Pieces.empty()) return;
    // Cells land at least 55 pixels inside the top-left corner and leave room
    // at the right and bottom.
    const double xRange = playArea.width() - 240;
    const double yRange = playArea.height() - 240;
    for (Piece& piece : Pieces) {
        const int x = drawBelow(random, xRange) + 80;
        const int y = drawBelow(random, yRange) + 80;
        piece.X = onLattice(x);
        piece.Y = onLattice(y);
    }

    const int last = lastIndex();
    const double factor = gameTypeInfo(CurrentGameType).turnFactor;
    const int count = static_cast<int>(std::floor(factor * (random.NextDouble() * last)));
    for (int k = 0; k <= count; ++k) RotatePiece(drawBelow(random, last + 1), work, pieceImages);
}

}  // namespace qx
