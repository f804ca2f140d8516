#pragma once

#include <cstdint>
#include <vector>

#include "engine/GameType.h"
#include "engine/Geometry.h"
#include "engine/Piece.h"

namespace qx {

// The puzzle in play. Pieces is in stacking order: index 0 is drawn on top.
// A picked-up piece is first moved to index 0, so HeldPiece is -1 or 0.
class PuzzleModule {
public:
    std::vector<Piece> Pieces;
    std::int16_t HeldPiece = -1;
    std::int16_t CurrentGameType = EasyJigsaw;

    bool empty() const { return Pieces.empty(); }
    int lastIndex() const { return static_cast<int>(Pieces.size()) - 1; }
    bool holding() const { return HeldPiece >= 0 && HeldPiece < static_cast<int>(Pieces.size()); }
};

}  // namespace qx
