#pragma once

// Straightforward versions of the board algorithms, written block operation
// by block operation and pixel by pixel as the rules read, to check the fast
// ones against.

#include <vector>

#include "engine/Geometry.h"
#include "engine/Piece.h"
#include "platform/raster/Bitmap.h"
#include "platform/raster/RasterOps.h"

namespace qx::reference {

inline void RedrawBoard(Bitmap& playArea, const Bitmap& background, const Bitmap& stencil,
                        const std::vector<Bitmap>& pictures, const std::vector<Piece>& pieces,
                        int held) {
    BitBlt(playArea, 0, 0, playArea.width(), playArea.height(), background, 0, 0, Rop::SrcCopy);
    const int last = static_cast<int>(pieces.size()) - 1;
    for (int i = last; i >= 0; --i) {
        if (i == held) continue;
        const Piece& p = pieces[static_cast<std::size_t>(i)];
        BitBlt(playArea, p.X + 1, p.Y + 1, CellSize, CellSize, stencil, CellSize * p.Shape, 0,
               Rop::SrcInvert);
    }
    for (int i = last; i >= 0; --i) {
        const Piece& p = pieces[static_cast<std::size_t>(i)];
        if (i == held)
            BitBlt(playArea, p.X + 1, p.Y + 1, CellSize, CellSize, stencil, CellSize * p.Shape, 0,
                   Rop::SrcInvert);
        BitBlt(playArea, p.X, p.Y, CellSize, CellSize, stencil, CellSize * p.Shape, 0,
               Rop::SrcPaint);
        BitBlt(playArea, p.X, p.Y, CellSize, CellSize,
               pictures[static_cast<std::size_t>(p.PatIndex)], 0, 0, Rop::SrcAnd);
    }
}

inline Bitmap RedrawnBoard(const Bitmap& background, const Bitmap& stencil,
                           const std::vector<Bitmap>& pictures, const std::vector<Piece>& pieces,
                           int held) {
    Bitmap playArea(background.width(), background.height());
    RedrawBoard(playArea, background, stencil, pictures, pieces, held);
    return playArea;
}

// picture(79 - y, x) = work(x, y), one pixel at a time.
inline void TurnPicture(Bitmap& picture) {
    const Bitmap work = picture;
    for (int x = 0; x < CellSize; ++x)
        for (int y = 0; y < CellSize; ++y) picture.setPixel(CellSize - 1 - y, x, work.pixel(x, y));
}

}  // namespace qx::reference
