#include "engine/BoardPainter.h"

#include <algorithm>
#include <cstring>

#include "platform/raster/RasterOps.h"

namespace qx {

namespace {

PixelRect intersect(const PixelRect& r, int width, int height) {
    const int x0 = std::max(r.x, 0);
    const int y0 = std::max(r.y, 0);
    const int x1 = std::min(r.x + r.w, width);
    const int y1 = std::min(r.y + r.h, height);
    if (x1 <= x0 || y1 <= y0) return {};
    return {x0, y0, x1 - x0, y1 - y0};
}

bool hasPicture(const Piece& piece, const std::vector<Bitmap>& pieceImages) {
    return piece.PatIndex >= 0 && piece.PatIndex < static_cast<int>(pieceImages.size());
}

const Bitmap* pictureOf(const Piece& piece, const std::vector<Bitmap>& pieceImages) {
    return hasPicture(piece, pieceImages) ? &pieceImages[static_cast<std::size_t>(piece.PatIndex)]
                                          : nullptr;
}

// Calls op(play-area pixel, run row, first column, count) for the part of
// each run inside the play area, the runs' cell having its corner at (x0, y0).
template <typename Op>
void forEachRun(Bitmap& playArea, int x0, int y0, const RunList& list, Op op) {
    const int width = playArea.width();
    const int rowFirst = std::max(0, -y0);
    const int rowEnd = std::min(list.rows(), playArea.height() - y0);
    if (rowFirst >= rowEnd || x0 >= width || x0 + CellSize <= 0) return;
    const CellRun* run = list.runs.data() + list.rowStart[static_cast<std::size_t>(rowFirst)];
    const CellRun* end = list.runs.data() + list.rowStart[static_cast<std::size_t>(rowEnd)];
    Pixel* pixels = playArea.data();
    auto at = [&](int row, int col) {
        return pixels + (static_cast<std::ptrdiff_t>(y0 + row) * width + x0 + col);
    };
    if (x0 >= 0 && x0 + CellSize <= width) {
        for (; run != end; ++run)
            op(at(run->row, run->first), run->row, run->first, run->last - run->first + 1);
        return;
    }
    for (; run != end; ++run) {
        const int first = std::max<int>(run->first, -x0);
        const int last = std::min<int>(run->last, width - 1 - x0);
        if (first <= last) op(at(run->row, first), run->row, first, last - first + 1);
    }
}

}  // namespace

PixelRect PieceFootprint(const Piece& piece, int width, int height) {
    return intersect({piece.X, piece.Y, CellSize + 1, CellSize + 1}, width, height);
}

ChangedArea BoardPainter::Paint(std::span<const Piece> pieces, int heldPiece, Bitmap& playArea,
                                const Bitmap& background, const Bitmap& stencil,
                                const std::vector<Bitmap>& pieceImages) {
    stencilPlans_.Update(stencil);
    if (CanRepaintHeldOnly(pieces, heldPiece, playArea, background, stencil, pieceImages)) {
        lastPartial_ = true;
        return RepaintHeldOnly(pieces.front(), playArea, stencil, pieceImages);
    }
    lastPartial_ = false;
    PaintAll(pieces, heldPiece, playArea, background, stencil, pieceImages);
    return ChangedArea::whole(playArea.width(), playArea.height());
}

void BoardPainter::PaintAll(std::span<const Piece> pieces, int heldPiece, Bitmap& playArea,
                            const Bitmap& background, const Bitmap& stencil,
                            const std::vector<Bitmap>& pieceImages) {
    saved_.valid = false;
    const bool sameSize =
        background.width() == playArea.width() && background.height() == playArea.height();
    if (sameSize)
        std::memcpy(playArea.data(), background.data(), background.byteCount());
    else
        BitBlt(playArea, 0, 0, playArea.width(), playArea.height(), background, 0, 0, Rop::SrcCopy);

    const int last = static_cast<int>(pieces.size()) - 1;
    for (int i = last; i >= 0; --i)
        if (i != heldPiece) InvertFringe(pieces[static_cast<std::size_t>(i)], playArea, stencil);

    // Only a held top piece can be repainted alone later; a held piece lower
    // in the stack (which play never produces) is simply painted in its place.
    const bool keepSaveUnder = heldPiece == 0 && last >= 0 && sameSize;
    const int lowestAlone = keepSaveUnder ? 1 : 0;
    for (int i = last; i >= lowestAlone; --i) {
        const Piece& piece = pieces[static_cast<std::size_t>(i)];
        if (i == heldPiece) InvertFringe(piece, playArea, stencil);
        PaintPiece(piece, playArea, stencil, pieceImages);
    }
    if (!keepSaveUnder) return;

    const Piece& held = pieces.front();
    RememberBelow(pieces, playArea, background, stencil, pieceImages);
    SaveUnderHeld(held, playArea);
    InvertFringe(held, playArea, stencil);
    PaintPiece(held, playArea, stencil, pieceImages);
    saved_.playAreaStamp = playArea.contentStamp();
    saved_.valid = true;
}

bool BoardPainter::CanRepaintHeldOnly(std::span<const Piece> pieces, int heldPiece,
                                      const Bitmap& playArea, const Bitmap& background,
                                      const Bitmap& stencil,
                                      const std::vector<Bitmap>& pieceImages) const {
    if (!saved_.valid || heldPiece != 0 || pieces.empty()) return false;
    if (playArea.width() != saved_.width || playArea.height() != saved_.height) return false;
    if (playArea.contentStamp() != saved_.playAreaStamp) return false;
    if (background.contentStamp() != saved_.backgroundStamp) return false;
    if (stencil.contentStamp() != saved_.stencilStamp) return false;
    const std::span<const Piece> below = pieces.subspan(1);
    if (!std::equal(below.begin(), below.end(), saved_.below.begin(), saved_.below.end()))
        return false;
    for (std::size_t i = 0; i < below.size(); ++i) {
        const Bitmap* picture = pictureOf(below[i], pieceImages);
        if ((picture ? picture->contentStamp() : 0) != saved_.belowPictures[i]) return false;
    }
    return true;
}

ChangedArea BoardPainter::RepaintHeldOnly(const Piece& held, Bitmap& playArea,
                                          const Bitmap& stencil,
                                          const std::vector<Bitmap>& pieceImages) {
    ChangedArea changed;
    changed.add(saved_.rect);
    RestoreUnderHeld(playArea);
    SaveUnderHeld(held, playArea);
    changed.add(saved_.rect);
    InvertFringe(held, playArea, stencil);
    PaintPiece(held, playArea, stencil, pieceImages);
    saved_.playAreaStamp = playArea.contentStamp();
    return changed;
}

void BoardPainter::RememberBelow(std::span<const Piece> pieces, const Bitmap& playArea,
                                 const Bitmap& background, const Bitmap& stencil,
                                 const std::vector<Bitmap>& pieceImages) {
    saved_.width = playArea.width();
    saved_.height = playArea.height();
    saved_.backgroundStamp = background.contentStamp();
    saved_.stencilStamp = stencil.contentStamp();
    saved_.below.assign(pieces.begin() + 1, pieces.end());
    saved_.belowPictures.clear();
    for (const Piece& piece : saved_.below) {
        const Bitmap* picture = pictureOf(piece, pieceImages);
        saved_.belowPictures.push_back(picture ? picture->contentStamp() : 0);
    }
}

void BoardPainter::SaveUnderHeld(const Piece& held, const Bitmap& playArea) {
    saved_.rect = PieceFootprint(held, playArea.width(), playArea.height());
    const PixelRect& r = saved_.rect;
    saved_.pixels.resize(static_cast<std::size_t>(r.w) * r.h);
    for (int y = 0; y < r.h; ++y)
        std::memcpy(saved_.pixels.data() + static_cast<std::size_t>(y) * r.w,
                    playArea.row(r.y + y) + r.x, static_cast<std::size_t>(r.w) * sizeof(Pixel));
}

void BoardPainter::RestoreUnderHeld(Bitmap& playArea) const {
    const PixelRect& r = saved_.rect;
    for (int y = 0; y < r.h; ++y)
        std::memcpy(playArea.row(r.y + y) + r.x,
                    saved_.pixels.data() + static_cast<std::size_t>(y) * r.w,
                    static_cast<std::size_t>(r.w) * sizeof(Pixel));
}

void BoardPainter::InvertFringe(const Piece& piece, Bitmap& playArea, const Bitmap& stencil) {
    const StencilCellPlan* plan = stencilPlans_.Cell(piece.Shape);
    if (!plan) {
        BitBlt(playArea, piece.X + 1, piece.Y + 1, CellSize, CellSize, stencil,
               CellSize * piece.Shape, 0, Rop::SrcInvert);
        return;
    }
    const int width = playArea.width();
    const int height = playArea.height();
    if (piece.X + CellSize < 0 || piece.X >= width || piece.Y + CellSize < 0 || piece.Y >= height)
        return;
    Pixel* pixels = playArea.data();
    for (const FringePixel& f : plan->fringe) {
        const int x = piece.X + f.col;
        const int y = piece.Y + f.row;
        if (x >= 0 && x < width && y >= 0 && y < height)
            pixels[static_cast<std::ptrdiff_t>(y) * width + x] ^= f.value;
    }
}

void BoardPainter::PaintPiece(const Piece& piece, Bitmap& playArea, const Bitmap& stencil,
                              const std::vector<Bitmap>& pieceImages) {
    const StencilCellPlan* plan = stencilPlans_.Cell(piece.Shape);
    const RunList* dark =
        plan ? picturePlans_.DarkRuns(piece, pieceImages, stencil, stencilPlans_) : nullptr;
    if (!dark) {
        BitBlt(playArea, piece.X, piece.Y, CellSize, CellSize, stencil, CellSize * piece.Shape, 0,
               Rop::SrcPaint);
        if (const Bitmap* picture = pictureOf(piece, pieceImages))
            BitBlt(playArea, piece.X, piece.Y, CellSize, CellSize, *picture, 0, 0, Rop::SrcAnd);
        return;
    }
    const Pixel* picture = pieceImages[static_cast<std::size_t>(piece.PatIndex)].data();
    const Pixel* cell = stencil.data() + CellSize * piece.Shape;
    const int stride = stencil.width();
    forEachRun(playArea, piece.X, piece.Y, plan->white,
               [&](Pixel* __restrict d, int row, int first, int count) {
                   const Pixel* __restrict p = picture + row * CellSize + first;
                   for (int k = 0; k < count; ++k) d[k] = p[k] | kOpaque;
               });
    forEachRun(playArea, piece.X, piece.Y, plan->grey,
               [&](Pixel* d, int row, int first, int count) {
                   const Pixel* s = cell + static_cast<std::ptrdiff_t>(row) * stride + first;
                   const Pixel* p = picture + row * CellSize + first;
                   for (int k = 0; k < count; ++k) d[k] = (d[k] | s[k]) & (p[k] | kOpaque);
               });
    forEachRun(playArea, piece.X, piece.Y, *dark, [&](Pixel* d, int row, int first, int count) {
        const Pixel* p = picture + row * CellSize + first;
        for (int k = 0; k < count; ++k) d[k] &= p[k] | kOpaque;
    });
}

}  // namespace qx
