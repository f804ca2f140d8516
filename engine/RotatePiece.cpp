#include <cstring>

#include "engine/PuzzleModule.h"
#include "engine/Stencil.h"

namespace qx {

namespace {

// picture(79 - y, x) = work(x, y) for every pixel: a quarter-turn clockwise
// about the cell centre. Done in 8 x 8 tiles so that both pictures stay in
// the first-level cache.
void turnQuarterClockwise(Bitmap& picture, Bitmap& work) {
    if (work.width() != CellSize || work.height() != CellSize) work.reset(CellSize, CellSize);
    std::memcpy(work.data(), picture.data(), picture.byteCount());
    const Pixel* source = work.data();
    Pixel* destination = picture.data();
    constexpr int kTile = 8;
    static_assert(CellSize % kTile == 0);
    for (int rowTile = 0; rowTile < CellSize; rowTile += kTile)
        for (int colTile = 0; colTile < CellSize; colTile += kTile)
            for (int row = rowTile; row < rowTile + kTile; ++row) {
                Pixel* out = destination + row * CellSize;
                // Destination (row, col) comes from work column `row`, row 79 - col.
                for (int col = colTile; col < colTile + kTile; ++col)
                    out[col] = source[(CellSize - 1 - col) * CellSize + row];
            }
}

}  // namespace

void PuzzleModule::RotatePiece(int index, Bitmap& work, std::vector<Bitmap>& pieceImages) {
    if (index < 0 || index > lastIndex()) return;
    Piece& piece = Pieces[static_cast<std::size_t>(index)];
    if (piece.PatIndex >= 0 && piece.PatIndex < static_cast<int>(pieceImages.size())) {
        Bitmap& picture = pieceImages[static_cast<std::size_t>(piece.PatIndex)];
        // Every picture the engine cuts is one cell; anything else is left alone.
        if (picture.width() == CellSize && picture.height() == CellSize)
            turnQuarterClockwise(picture, work);
    }
    piece.Turns = static_cast<std::int16_t>((piece.Turns + 1) % 4);
    piece.Shape = static_cast<std::int16_t>(NextTurnCell(piece.Shape));
}

}  // namespace qx
