#include "engine/PuzzleModule.h"

namespace qx {

bool PuzzleModule::HitTestPiece(int index, int x, int y, const Bitmap& stencil) const {
    if (index < 0 || index > lastIndex()) return false;
    const Piece& piece = Pieces[static_cast<std::size_t>(index)];
    const int dx = x - piece.X;
    const int dy = y - piece.Y;
    if (dx < 0 || dy < 0 || dx >= CellSize || dy >= CellSize) return false;
    const int sx = CellSize * piece.Shape + dx;
    if (!stencil.contains(sx, dy)) return false;
    return (stencil.pixel(sx, dy) & kRgbMask) != 0;
}

ChangedArea PuzzleModule::RedrawBoard(Bitmap& playArea, const Bitmap& background,
                                      const Bitmap& stencil,
                                      const std::vector<Bitmap>& pieceImages) {
    return painter_.Paint(Pieces, HeldPiece, playArea, background, stencil, pieceImages);
}

}  // namespace qx
