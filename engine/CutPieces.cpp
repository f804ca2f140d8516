#include <stdexcept>

#include "engine/PuzzleModule.h"
#include "engine/Stencil.h"
#include "platform/raster/RasterOps.h"

namespace qx {

void PuzzleModule::CutPieces(const Bitmap& master, Bitmap& /*work*/, const Bitmap& stencil,
                             std::vector<Bitmap>& pieceImages) {
    const Grid grid = Grid::forPicture(master.width(), master.height());
    if (!grid.indexable()) throw std::length_error("picture too large to cut into pieces");
    photoWidth_ = master.width();
    photoHeight_ = master.height();

    // Picture 0 is kept and reused; the others are made anew.
    if (pieceImages.empty()) pieceImages.emplace_back();
    pieceImages.resize(1);
    pieceImages.reserve(static_cast<std::size_t>(grid.pieceCount()));
    Pieces.resize(static_cast<std::size_t>(grid.pieceCount()));

    for (int row = 0; row <= grid.maxRow; ++row) {
        for (int col = 0; col <= grid.maxCol; ++col) {
            const int n = grid.pieceNumber(row, col);
            const int shape = CurrentGameType == Rectangular
                                  ? RectangularCell
                                  : JigsawCell(row, col, grid.maxRow, grid.maxCol);
            Piece& piece = Pieces[static_cast<std::size_t>(n)];
            piece.Col = static_cast<std::int16_t>(col);
            piece.Row = static_cast<std::int16_t>(row);
            piece.Shape = static_cast<std::int16_t>(shape);
            piece.Turns = 0;
            piece.PatIndex = static_cast<std::int16_t>(n);

            // Cleared first, so the parts of a cell beyond the master picture
            // show the piece background rather than an older picture.
            if (n == 0)
                pieceImages[0].reset(CellSize, CellSize, PieceBackground);
            else
                pieceImages.emplace_back(CellSize, CellSize, PieceBackground);
            Bitmap& picture = pieceImages[static_cast<std::size_t>(n)];
            const PixelRect cell = Grid::cellSquare(row, col);
            BitBlt(picture, 0, 0, CellSize, CellSize, master, cell.x, cell.y, Rop::SrcCopy);
            // White stencil keeps the photo, black turns it white.
            BitBlt(picture, 0, 0, CellSize, CellSize, stencil, CellSize * shape, 0,
                   Rop::MergePaint);
        }
    }
}

}  // namespace qx
