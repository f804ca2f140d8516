#pragma once

#include <cstdint>
#include <limits>

namespace qx {

inline constexpr int CellSize = 80;   // side of a piece picture and of a stencil cell
inline constexpr int GridStep = 44;   // side of a piece's body; spacing of the solved grid
inline constexpr int TabMargin = 18;  // cell edge to body square; knobs grow into it
inline constexpr int SnapStep = 11;   // lattice of scattered and dropped positions

static_assert(TabMargin + GridStep + TabMargin == CellSize);
static_assert(GridStep == 4 * SnapStep);

inline constexpr int PlayAreaWidth = 625;
inline constexpr int PlayAreaHeight = 481;

inline constexpr int StencilCells = 19;
inline constexpr int StencilWidth = StencilCells * CellSize;  // 1520
inline constexpr int StencilHeight = CellSize;                // 80

// The smallest photo a puzzle accepts: two grid steps each way.
inline constexpr int MinPictureSide = 2 * GridStep;

struct PixelRect {
    int x = 0, y = 0, w = 0, h = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The grid a W x H master picture is cut into. It covers the partial
// remainder too, so it has maxCol + 1 columns and maxRow + 1 rows.
struct Grid {
    int maxCol = 0;
    int maxRow = 0;

    static constexpr Grid forPicture(int width, int height) {
        return {width / GridStep, height / GridStep};
    }

    constexpr int columns() const { return maxCol + 1; }
    constexpr int rows() const { return maxRow + 1; }
    constexpr int pieceCount() const { return columns() * rows(); }
    // Every piece can be named by a 16-bit index (Piece::PatIndex).
    constexpr bool indexable() const {
        return pieceCount() <= std::numeric_limits<std::int16_t>::max();
    }
    // Index and PatIndex of the piece in row i, column j when it is cut.
    constexpr int pieceNumber(int row, int col) const { return row * columns() + col; }
    // Parity of a piece: even pieces have tabs left and right.
    static constexpr int parity(int row, int col) { return (row + col) % 2; }

    // The piece's 80 x 80 cell in master-picture pixels.
    static constexpr PixelRect cellSquare(int row, int col) {
        return {GridStep * col - TabMargin, GridStep * row - TabMargin, CellSize, CellSize};
    }
    // The piece's 44 x 44 body in master-picture pixels.
    static constexpr PixelRect bodySquare(int row, int col) {
        return {GridStep * col, GridStep * row, GridStep, GridStep};
    }
};

}  // namespace qx
