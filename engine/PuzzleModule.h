#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "engine/BoardPainter.h"
#include "engine/ChangedArea.h"
#include "engine/GameType.h"
#include "engine/Geometry.h"
#include "engine/Piece.h"
#include "engine/Random.h"
#include "engine/WorkPictures.h"
#include "platform/raster/Bitmap.h"

namespace qx {

// The puzzle in play. Pieces is in stacking order: index 0 is drawn on top.
// A picked-up piece is first moved to index 0, so HeldPiece is -1 or 0.
//
// The operations take the pictures they read and write explicitly; each has
// a shorthand taking the main window's WorkPictures.
class PuzzleModule {
public:
    std::vector<Piece> Pieces;
    std::int16_t HeldPiece = -1;
    std::int16_t CurrentGameType = EasyJigsaw;

    bool empty() const { return Pieces.empty(); }
    int lastIndex() const { return static_cast<int>(Pieces.size()) - 1; }
    bool holding() const { return HeldPiece >= 0 && HeldPiece < static_cast<int>(Pieces.size()); }

    // Builds one record and one 80 x 80 picture per grid cell of `master`
    // (the outline from `stencil`, outside it white). Piece pictures 1 and up
    // are made anew; picture 0 is reused. Where a cell reaches beyond the
    // master picture, the piece shows PieceBackground inside its outline.
    // `work` is not used. Keeps X and Y of records that already existed.
    // Throws std::length_error for a picture whose grid would not fit 16-bit
    // indices (far beyond what the game accepts).
    void CutPieces(const Bitmap& master, Bitmap& work, const Bitmap& stencil,
                   std::vector<Bitmap>& pieceImages);

    // Turns piece `index` a quarter clockwise about its cell centre: its
    // picture (through `work`), Turns and Shape. Does not repaint.
    void RotatePiece(int index, Bitmap& work, std::vector<Bitmap>& pieceImages);

    // Deals every piece out to a random place on the 11-pixel lattice inside
    // `playArea` (only its size is read) and gives random pieces random
    // quarter-turns. Does not repaint.
    void ScatterPieces(const Bitmap& playArea, Bitmap& work, std::vector<Bitmap>& pieceImages,
                       RandomSource& random);

    // True when some of the piece's 44 x 44 body lies on the photo it was cut
    // from. When the photo's width or height is a multiple of 44, the last
    // column or row lies wholly beyond it: plain filler squares. Pieces not
    // cut here count as showing the photo.
    bool ShowsPhoto(const Piece& piece) const {
        const PixelRect body = Grid::bodySquare(piece.Row, piece.Col);
        return body.x < photoWidth_ && body.y < photoHeight_;
    }

    // True when play-area point (x, y) lies inside the outline of record
    // `index`; points outside its 80 x 80 cell never do.
    bool HitTestPiece(int index, int x, int y, const Bitmap& stencil) const;

    // Repaints the play area from the background and the pieces and says
    // which parts changed. While the top piece is held and nothing else
    // changed since the last repaint, only its old and new cell are redone,
    // with the same pixels a full repaint gives.
    ChangedArea RedrawBoard(Bitmap& playArea, const Bitmap& background, const Bitmap& stencil,
                            const std::vector<Bitmap>& pieceImages);

    void CutPieces(WorkPictures& p) { CutPieces(p.picMaster, p.picTmp, p.picMasks, p.picPat); }
    void RotatePiece(int index, WorkPictures& p) { RotatePiece(index, p.picTmp, p.picPat); }
    void ScatterPieces(WorkPictures& p, RandomSource& random) {
        ScatterPieces(p.picScreen, p.picTmp, p.picPat, random);
    }
    bool HitTestPiece(int index, int x, int y, const WorkPictures& p) const {
        return HitTestPiece(index, x, y, p.picMasks);
    }
    ChangedArea RedrawBoard(WorkPictures& p) {
        return RedrawBoard(p.picScreen, p.picBG, p.picMasks, p.picPat);
    }

    // True when the last RedrawBoard repainted only the held piece's cells.
    bool lastRedrawWasPartial() const { return painter_.lastPaintWasPartial(); }

private:
    BoardPainter painter_;
    // The size of the photo of the last cut.
    int photoWidth_ = std::numeric_limits<int>::max();
    int photoHeight_ = std::numeric_limits<int>::max();
};

}  // namespace qx
