#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/ChangedArea.h"
#include "engine/Geometry.h"
#include "engine/Piece.h"
#include "engine/PiecePlans.h"
#include "platform/raster/Bitmap.h"

namespace qx {

// Paints the board: the background, then a one-pixel inverted fringe for
// every piece except the held one (SRCINVERT of its stencil cell one pixel
// right and down), then every piece from the bottom of the stack up (the held
// piece's fringe first, then SRCPAINT of the stencil cell and SRCAND of the
// piece picture), all clipped to the play area.
//
// The pixels are exactly those of these block operations; the work is cut
// down to the pixels an operation can change (see PiecePlans.h): inside a
// white outline the piece picture is simply copied, and a fringe is inverted
// only where the piece's own paint will not cover it.
//
// While the top piece is held, the painter keeps what lay under it ("save
// under"), so a later repaint in which only that piece moved, turned or
// changed its picture restores the old cell and paints the new one instead of
// the whole board. That shortcut is taken only when everything else it relies
// on is provably unchanged: the records below the top, their pictures, the
// background, the stencil and the play area's own pixels (checked through the
// records themselves and the bitmaps' content stamps).
class BoardPainter {
public:
    ChangedArea Paint(std::span<const Piece> pieces, int heldPiece, Bitmap& playArea,
                      const Bitmap& background, const Bitmap& stencil,
                      const std::vector<Bitmap>& pieceImages);

    // Forgets the save-under, so the next Paint repaints everything.
    void Invalidate() { saved_.valid = false; }

    // How the last Paint went, for tests and benchmarks.
    bool lastPaintWasPartial() const { return lastPartial_; }

private:
    // What the held piece covers and everything the pixels under it came from.
    struct SaveUnder {
        bool valid = false;
        PixelRect rect;             // clipped to the play area
        std::vector<Pixel> pixels;  // rect.w x rect.h, what lay there without the held piece
        int width = 0, height = 0;  // of the play area
        std::uint64_t playAreaStamp = 0;
        std::uint64_t backgroundStamp = 0;
        std::uint64_t stencilStamp = 0;
        std::vector<Piece> below;                  // records 1..last
        std::vector<std::uint64_t> belowPictures;  // stamp of each one's picture, 0 if none
    };

    void PaintAll(std::span<const Piece> pieces, int heldPiece, Bitmap& playArea,
                  const Bitmap& background, const Bitmap& stencil,
                  const std::vector<Bitmap>& pieceImages);
    bool CanRepaintHeldOnly(std::span<const Piece> pieces, int heldPiece, const Bitmap& playArea,
                            const Bitmap& background, const Bitmap& stencil,
                            const std::vector<Bitmap>& pieceImages) const;
    ChangedArea RepaintHeldOnly(const Piece& held, Bitmap& playArea, const Bitmap& stencil,
                                const std::vector<Bitmap>& pieceImages);
    void RememberBelow(std::span<const Piece> pieces, const Bitmap& playArea,
                       const Bitmap& background, const Bitmap& stencil,
                       const std::vector<Bitmap>& pieceImages);
    void SaveUnderHeld(const Piece& held, const Bitmap& playArea);
    void RestoreUnderHeld(Bitmap& playArea) const;

    void InvertFringe(const Piece& piece, Bitmap& playArea, const Bitmap& stencil);
    void PaintPiece(const Piece& piece, Bitmap& playArea, const Bitmap& stencil,
                    const std::vector<Bitmap>& pieceImages);

    StencilPlans stencilPlans_;
    PicturePlans picturePlans_;
    SaveUnder saved_;
    bool lastPartial_ = false;
};

// The rectangle of the play area a piece's operations can touch: its cell and
// the fringe one pixel right and down, clipped to width x height.
PixelRect PieceFootprint(const Piece& piece, int width, int height);

}  // namespace qx
