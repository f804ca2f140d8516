#include "engine/BoardPainter.h"

#include <algorithm>
#include <cstring>

#include "platform/raster/RasterOps.h"

namespace qx {

namespace {

bool isBlack(Pixel p) { return (p & kRgbMask) == 0; }
bool isWhite(Pixel p) { return (p & kRgbMask) == kRgbMask; }

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
    return hasPicture(piece, pieceImages) ? &pieceImages[static_cast<std::size_t>(piece.PatIndex)] : nullptr;
}

// Visits the rows of an 80 x 80 cell placed at (x0, y0) on the play area that
// lie inside it: rowOp(cell row r, play-area row, first and last cell column
// inside the play area).
template <typename RowOp>
void forEachClippedRow(Bitmap& playArea, int x0, int y0, RowOp rowOp) {
    const int width = playArea.width();
    const int height = playArea.height();
    const int rFirst = std::max(0, -y0);
    const int rEnd = std::min(CellSize, height - y0);
    const int cFirst = std::max(0, -x0);
    const int cLast = std::min(CellSize - 1, width - 1 - x0);
    if (rFirst >= rEnd || cFirst > cLast) return;
    Pixel* rows = playArea.data();
    for (int r = rFirst; r < rEnd; ++r)
        rowOp(r, rows + static_cast<std::ptrdiff_t>(y0 + r) * width, cFirst, cLast);
}

}  // namespace

PixelRect PieceFootprint(const Piece& piece, int width, int height) {
    return intersect({piece.X, piece.Y, CellSize + 1, CellSize + 1}, width, height);
}

ChangedArea BoardPainter::Paint(std::span<const Piece> pieces, int heldPiece, Bitmap& playArea,
                                const Bitmap& background, const Bitmap& stencil,
                                const std::vector<Bitmap>& pieceImages) {
    UpdateStencilSpans(stencil);
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
    if (!std::equal(below.begin(), below.end(), saved_.below.begin(), saved_.below.end())) return false;
    for (std::size_t i = 0; i < below.size(); ++i) {
        const Bitmap* picture = pictureOf(below[i], pieceImages);
        if ((picture ? picture->contentStamp() : 0) != saved_.belowPictures[i]) return false;
    }
    return true;
}

ChangedArea BoardPainter::RepaintHeldOnly(const Piece& held, Bitmap& playArea, const Bitmap& stencil,
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
        std::memcpy(saved_.pixels.data() + static_cast<std::size_t>(y) * r.w, playArea.row(r.y + y) + r.x,
                    static_cast<std::size_t>(r.w) * sizeof(Pixel));
}

void BoardPainter::RestoreUnderHeld(Bitmap& playArea) const {
    const PixelRect& r = saved_.rect;
    for (int y = 0; y < r.h; ++y)
        std::memcpy(playArea.row(r.y + y) + r.x, saved_.pixels.data() + static_cast<std::size_t>(y) * r.w,
                    static_cast<std::size_t>(r.w) * sizeof(Pixel));
}

void BoardPainter::InvertFringe(const Piece& piece, Bitmap& playArea, const Bitmap& stencil) {
    const CellSpans* spans = StencilCellSpans(piece);
    if (!spans) {
        BitBlt(playArea, piece.X + 1, piece.Y + 1, CellSize, CellSize, stencil, CellSize * piece.Shape, 0,
               Rop::SrcInvert);
        return;
    }
    const Pixel* cell = stencil.data() + CellSize * piece.Shape;
    const int stride = stencil.width();
    const int x0 = piece.X + 1;
    forEachClippedRow(playArea, x0, piece.Y + 1, [&](int r, Pixel* row, int cFirst, int cLast) {
        const RowSpan span = (*spans)[static_cast<std::size_t>(r)];
        const int first = std::max<int>(span.first, cFirst);
        const int count = std::min<int>(span.last, cLast) - first + 1;
        if (count <= 0) return;
        Pixel* __restrict d = row + x0 + first;
        const Pixel* __restrict s = cell + static_cast<std::ptrdiff_t>(r) * stride + first;
        for (int k = 0; k < count; ++k) d[k] ^= s[k] & kRgbMask;
    });
}

void BoardPainter::PaintPiece(const Piece& piece, Bitmap& playArea, const Bitmap& stencil,
                              const std::vector<Bitmap>& pieceImages) {
    const CellSpans* stencilSpans = StencilCellSpans(piece);
    const CellSpans* pictureSpans = PictureRowSpans(piece, pieceImages);
    if (!stencilSpans || !pictureSpans) {
        BitBlt(playArea, piece.X, piece.Y, CellSize, CellSize, stencil, CellSize * piece.Shape, 0,
               Rop::SrcPaint);
        if (const Bitmap* picture = pictureOf(piece, pieceImages))
            BitBlt(playArea, piece.X, piece.Y, CellSize, CellSize, *picture, 0, 0, Rop::SrcAnd);
        return;
    }
    const Pixel* cell = stencil.data() + CellSize * piece.Shape;
    const int stride = stencil.width();
    const Pixel* picture = pieceImages[static_cast<std::size_t>(piece.PatIndex)].data();
    const int x0 = piece.X;
    forEachClippedRow(playArea, x0, piece.Y, [&](int r, Pixel* row, int cFirst, int cLast) {
        const RowSpan a = (*stencilSpans)[static_cast<std::size_t>(r)];
        const RowSpan b = (*pictureSpans)[static_cast<std::size_t>(r)];
        // Outside both spans the stencil is black and the picture white:
        // neither operation changes a pixel there.
        const int first = std::max<int>(std::min(a.first, b.first), cFirst);
        const int count = std::min<int>(std::max(a.last, b.last), cLast) - first + 1;
        if (count <= 0) return;
        Pixel* __restrict d = row + x0 + first;
        const Pixel* __restrict s = cell + static_cast<std::ptrdiff_t>(r) * stride + first;
        const Pixel* __restrict p = picture + static_cast<std::ptrdiff_t>(r) * CellSize + first;
        for (int k = 0; k < count; ++k) d[k] = (d[k] | s[k]) & (p[k] | kOpaque);
    });
}

void BoardPainter::UpdateStencilSpans(const Bitmap& stencil) {
    const std::uint64_t stamp = stencil.contentStamp();
    if (stamp == stencilSpansStamp_) return;
    stencilSpansStamp_ = stamp;
    const int cells = stencil.height() >= CellSize ? stencil.width() / CellSize : 0;
    stencilSpans_.assign(static_cast<std::size_t>(cells), CellSpans{});
    for (int cell = 0; cell < cells; ++cell) {
        for (int r = 0; r < CellSize; ++r) {
            const Pixel* row = stencil.row(r) + cell * CellSize;
            RowSpan& span = stencilSpans_[static_cast<std::size_t>(cell)][static_cast<std::size_t>(r)];
            for (int c = 0; c < CellSize; ++c) {
                if (isBlack(row[c])) continue;
                span.first = static_cast<std::int16_t>(std::min<int>(span.first, c));
                span.last = static_cast<std::int16_t>(c);
            }
        }
    }
}

const BoardPainter::CellSpans* BoardPainter::StencilCellSpans(const Piece& piece) const {
    if (piece.Shape < 0 || piece.Shape >= static_cast<int>(stencilSpans_.size())) return nullptr;
    return &stencilSpans_[static_cast<std::size_t>(piece.Shape)];
}

const BoardPainter::CellSpans* BoardPainter::PictureRowSpans(const Piece& piece,
                                                             const std::vector<Bitmap>& pieceImages) {
    const Bitmap* picture = pictureOf(piece, pieceImages);
    if (!picture || picture->width() != CellSize || picture->height() != CellSize) return nullptr;
    if (pictureSpans_.size() < pieceImages.size()) pictureSpans_.resize(pieceImages.size());
    PictureSpans& entry = pictureSpans_[static_cast<std::size_t>(piece.PatIndex)];
    const std::uint64_t stamp = picture->contentStamp();
    if (entry.stamp == stamp) return &entry.rows;
    entry.stamp = stamp;
    for (int r = 0; r < CellSize; ++r) {
        const Pixel* row = picture->row(r);
        RowSpan span;
        for (int c = 0; c < CellSize; ++c) {
            if (isWhite(row[c])) continue;
            span.first = static_cast<std::int16_t>(std::min<int>(span.first, c));
            span.last = static_cast<std::int16_t>(c);
        }
        entry.rows[static_cast<std::size_t>(r)] = span;
    }
    return &entry.rows;
}

}  // namespace qx
