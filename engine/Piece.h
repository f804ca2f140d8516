#pragma once

#include <cstdint>

namespace qx {

// One puzzle piece: where its 80 x 80 cell stands on the play area, its
// quarter-turns, its stencil cell, its place in the solved grid and its picture.
struct Piece {
    std::int16_t X = 0;
    std::int16_t Y = 0;
    std::int16_t Turns = 0;  // quarter-turns clockwise from upright, 0..3
    std::int16_t Shape = 0;  // stencil cell 0..18 of the current orientation
    std::int16_t Row = 0;    // place in the solved picture
    std::int16_t Col = 0;
    std::int16_t PatIndex = 0;  // index of the piece's own picture

    friend bool operator==(const Piece&, const Piece&) = default;
};

static_assert(sizeof(Piece) == 7 * sizeof(std::int16_t), "Piece is seven packed 16-bit fields");

}  // namespace qx
