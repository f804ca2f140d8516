#pragma once

#include <array>
#include <cstdint>

#include "engine/Geometry.h"
#include "platform/raster/Bitmap.h"

namespace qx {

// The stencil: 19 cells of 80 x 80 side by side, white inside a piece's
// outline and black outside. Each outline is the 44 x 44 body square with a
// knob added (tab), cut out (blank) or nothing (flat) on each side.

enum class Side : std::uint8_t { Flat, Tab, Blank };

struct CellSides {
    Side top, right, bottom, left;
};

// Sides of each stencil cell, in cell order.
inline constexpr std::array<CellSides, StencilCells> kStencilCells{{
    {Side::Blank, Side::Tab, Side::Blank, Side::Tab},   // 0 interior, even
    {Side::Tab, Side::Blank, Side::Tab, Side::Blank},   // 1 interior, odd
    {Side::Flat, Side::Tab, Side::Blank, Side::Flat},   // 2 top-left, even
    {Side::Flat, Side::Flat, Side::Tab, Side::Blank},   // 3 top-right, odd
    {Side::Blank, Side::Flat, Side::Flat, Side::Tab},   // 4 bottom-right, even
    {Side::Tab, Side::Blank, Side::Flat, Side::Flat},   // 5 bottom-left, odd
    {Side::Flat, Side::Flat, Side::Blank, Side::Tab},   // 6 top-right, even
    {Side::Tab, Side::Flat, Side::Flat, Side::Blank},   // 7 bottom-right, odd
    {Side::Blank, Side::Tab, Side::Flat, Side::Flat},   // 8 bottom-left, even
    {Side::Flat, Side::Blank, Side::Tab, Side::Flat},   // 9 top-left, odd
    {Side::Flat, Side::Tab, Side::Blank, Side::Tab},    // 10 top edge, even
    {Side::Tab, Side::Flat, Side::Tab, Side::Blank},    // 11 right edge, odd
    {Side::Blank, Side::Tab, Side::Flat, Side::Tab},    // 12 bottom edge, even
    {Side::Tab, Side::Blank, Side::Tab, Side::Flat},    // 13 left edge, odd
    {Side::Flat, Side::Blank, Side::Tab, Side::Blank},  // 14 top edge, odd
    {Side::Blank, Side::Flat, Side::Blank, Side::Tab},  // 15 right edge, even
    {Side::Tab, Side::Blank, Side::Flat, Side::Blank},  // 16 bottom edge, odd
    {Side::Blank, Side::Tab, Side::Blank, Side::Flat},  // 17 left edge, even
    {Side::Flat, Side::Flat, Side::Flat, Side::Flat},   // 18 every rectangular piece
}};

inline constexpr int RectangularCell = 18;
inline constexpr int KnobDepth = TabMargin;  // a knob reaches from the body edge to the cell edge

// Width of the knob across its side at depth 0..17 from the body edge; the
// knob is centred on the side, covering cell positions 40 - w/2 .. 39 + w/2.
constexpr int KnobWidth(int depth) {
    if (depth < 2) return 12;
    if (depth < 4) return 16;
    if (depth < 12) return 20;
    if (depth < 14) return 16;
    if (depth < 16) return 12;
    return 8;
}

// The cell a piece's outline shows after a quarter-turn clockwise:
// 0 -> 1 -> 0; 2 -> 3 -> 4 -> 5 -> 2; ... 14 -> 15 -> 16 -> 17 -> 14; 18 stays.
// A number that names no cell stays as it is.
constexpr int NextTurnCell(int cell) {
    if (cell < 0 || cell >= StencilCells) return cell;
    if (cell == 1) return 0;
    if (cell == RectangularCell) return cell;
    if (cell == 5 || cell == 9 || cell == 13 || cell == 17) return cell - 3;
    return cell + 1;
}

// The outline cell of the piece in row i, column j of a grid with the given
// last row and column, for the jigsaw game types.
int JigsawCell(int row, int col, int maxRow, int maxCol);

// The whole 1520 x 80 stencil, white inside each outline and black outside.
Bitmap GenerateStencil();

}  // namespace qx
