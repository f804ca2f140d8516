#pragma once

#include <cstdint>
#include <vector>

#include "engine/Geometry.h"
#include "engine/Piece.h"
#include "platform/raster/Bitmap.h"

namespace qx {

// Which pixels of a piece's cell each board operation can change, worked out
// once per stencil and per piece picture so that painting touches only those.
// Pixels are taken to be opaque (top byte 0xFF), as Bitmap keeps them.
//
// For a piece the board paint is SRCPAINT of its stencil cell, then SRCAND of
// its picture: where the stencil is white the result is the picture alone,
// where it is black the board is ANDed with the picture (no change where the
// picture is white, which is everywhere a cut piece's outline is not), and
// anything in between takes the general formula. The fringe, SRCINVERT of
// the cell one pixel right and down, matters only where the piece's own paint
// will not replace the pixel afterwards, i.e. off its white outline.

// Columns first..last of one row of a cell.
struct CellRun {
    std::int16_t row;
    std::int16_t first;
    std::int16_t last;
};

// Runs in row order, with where each row's runs start, so a band of rows can
// be visited without looking at the others.
struct RunList {
    std::vector<CellRun> runs;
    std::vector<std::uint16_t> rowStart;  // runs of row r: [rowStart[r], rowStart[r + 1])

    int rows() const { return static_cast<int>(rowStart.size()) - 1; }
};

// One pixel of the 81 x 81 box from a cell's corner that its fringe inverts:
// board ^= value, the stencil pixel one row and column back.
struct FringePixel {
    std::int16_t row;
    std::int16_t col;
    Pixel value;
};

struct StencilCellPlan {
    RunList white;                    // exactly white: the picture replaces the board
    RunList grey;                     // neither black nor white: (board | stencil) & picture
    std::vector<FringePixel> fringe;  // off the white outline, so not covered by the piece itself
};

class StencilPlans {
public:
    // Recomputes only when the stencil's content changed.
    void Update(const Bitmap& stencil);
    // Null when `shape` names no whole 80 x 80 cell of the stencil.
    const StencilCellPlan* Cell(int shape) const;

private:
    std::uint64_t stamp_ = 0;
    std::vector<StencilCellPlan> cells_;
};

class PicturePlans {
public:
    // Runs of the piece's cell where its stencil cell is black but its
    // picture is not white, so SRCAND darkens the board: none for pieces cut
    // and turned by the engine. Null when the picture is not a whole 80 x 80
    // cell or the stencil cell is not whole.
    const RunList* DarkRuns(const Piece& piece, const std::vector<Bitmap>& pictures,
                            const Bitmap& stencil, const StencilPlans& stencilPlans);

private:
    struct Entry {
        std::uint64_t pictureStamp = 0;
        std::uint64_t stencilStamp = 0;
        int shape = -1;
        RunList dark;
    };
    std::vector<Entry> entries_;  // by picture index
};

}  // namespace qx
