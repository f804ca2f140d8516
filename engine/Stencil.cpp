#include "engine/Stencil.h"

namespace qx {

namespace {

constexpr int kBodyFirst = TabMargin;                // 18
constexpr int kBodyLast = TabMargin + GridStep - 1;  // 61

// One side of the body square: the row (top, bottom) or column (left, right)
// of its edge and the direction pointing out of the body.
struct SideEdge {
    bool horizontal;  // top or bottom: the knob runs along x
    int edge;
    int outward;  // -1 or +1
};

void setKnobLine(Bitmap& stencil, int cellX, const SideEdge& side, int across, int depth,
                 Pixel colour) {
    const int half = KnobWidth(depth) / 2;
    for (int along = 40 - half; along <= 39 + half; ++along) {
        if (side.horizontal)
            stencil.setPixel(cellX + along, across, colour);
        else
            stencil.setPixel(cellX + across, along, colour);
    }
}

// A tab at depth d lies d + 1 pixels outside the body edge; a blank d pixels inside it.
void paintSide(Bitmap& stencil, int cellX, Side kind, const SideEdge& side) {
    for (int d = 0; d < KnobDepth; ++d) {
        if (kind == Side::Tab)
            setKnobLine(stencil, cellX, side, side.edge + side.outward * (d + 1), d, kWhite);
        if (kind == Side::Blank)
            setKnobLine(stencil, cellX, side, side.edge - side.outward * d, d, kBlack);
    }
}

}  // namespace

int JigsawCell(int row, int col, int maxRow, int maxCol) {
    const bool even = Grid::parity(row, col) == 0;
    if (row == 0 && col == 0) return even ? 2 : 9;
    if (row == 0 && col == maxCol) return even ? 6 : 3;
    if (row == maxRow && col == 0) return even ? 8 : 5;
    if (row == maxRow && col == maxCol) return even ? 4 : 7;
    if (row == 0) return even ? 10 : 14;
    if (row == maxRow) return even ? 12 : 16;
    if (col == 0) return even ? 17 : 13;
    if (col == maxCol) return even ? 15 : 11;
    return even ? 0 : 1;
}

Bitmap GenerateStencil() {
    Bitmap stencil(StencilWidth, StencilHeight, kBlack);
    for (int cell = 0; cell < StencilCells; ++cell) {
        const int cellX = cell * CellSize;
        for (int y = kBodyFirst; y <= kBodyLast; ++y)
            for (int x = kBodyFirst; x <= kBodyLast; ++x) stencil.setPixel(cellX + x, y, kWhite);
        // Tabs lie outside the body and blanks inside, so the order does not matter.
        const CellSides& s = kStencilCells[static_cast<std::size_t>(cell)];
        paintSide(stencil, cellX, s.top, {true, kBodyFirst, -1});
        paintSide(stencil, cellX, s.right, {false, kBodyLast, +1});
        paintSide(stencil, cellX, s.bottom, {true, kBodyLast, +1});
        paintSide(stencil, cellX, s.left, {false, kBodyFirst, -1});
    }
    return stencil;
}

}  // namespace qx
