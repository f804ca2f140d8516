#include "engine/PiecePlans.h"

namespace qx {

namespace {

bool isBlack(Pixel p) {
    return (p & kRgbMask) == 0;
}
bool isWhite(Pixel p) {
    return (p & kRgbMask) == kRgbMask;
}

// Appends the runs of columns 0..width-1 of `row` for which `in(col)` holds.
template <typename Predicate>
void appendRuns(std::vector<CellRun>& runs, int row, int width, Predicate in) {
    int col = 0;
    while (col < width) {
        if (!in(col)) {
            ++col;
            continue;
        }
        const int first = col;
        while (col < width && in(col)) ++col;
        runs.push_back({static_cast<std::int16_t>(row), static_cast<std::int16_t>(first),
                        static_cast<std::int16_t>(col - 1)});
    }
}

// Builds the runs of a rows x width block for which `in(row, col)` holds.
template <typename Predicate>
RunList collectRuns(int rows, int width, Predicate in) {
    RunList list;
    for (int row = 0; row < rows; ++row) {
        list.rowStart.push_back(static_cast<std::uint16_t>(list.runs.size()));
        appendRuns(list.runs, row, width, [&](int col) { return in(row, col); });
    }
    list.rowStart.push_back(static_cast<std::uint16_t>(list.runs.size()));
    return list;
}

StencilCellPlan planCell(const Bitmap& stencil, int cell) {
    const int x0 = cell * CellSize;
    auto at = [&](int row, int col) { return stencil.pixel(x0 + col, row); };
    auto whiteAt = [&](int row, int col) {
        return row < CellSize && col < CellSize && isWhite(at(row, col));
    };
    StencilCellPlan plan;
    plan.white =
        collectRuns(CellSize, CellSize, [&](int row, int col) { return isWhite(at(row, col)); });
    plan.grey = collectRuns(CellSize, CellSize, [&](int row, int col) {
        const Pixel p = at(row, col);
        return !isWhite(p) && !isBlack(p);
    });
    for (int row = 1; row <= CellSize; ++row)
        for (int col = 1; col <= CellSize; ++col) {
            const Pixel inverting = at(row - 1, col - 1) & kRgbMask;
            if (inverting != 0 && !whiteAt(row, col))
                plan.fringe.push_back(
                    {static_cast<std::int16_t>(row), static_cast<std::int16_t>(col), inverting});
        }
    return plan;
}

}  // namespace

void StencilPlans::Update(const Bitmap& stencil) {
    const std::uint64_t stamp = stencil.contentStamp();
    if (stamp == stamp_) return;
    stamp_ = stamp;
    const int cells = stencil.height() >= CellSize ? stencil.width() / CellSize : 0;
    cells_.clear();
    for (int cell = 0; cell < cells; ++cell) cells_.push_back(planCell(stencil, cell));
}

const StencilCellPlan* StencilPlans::Cell(int shape) const {
    if (shape < 0 || shape >= static_cast<int>(cells_.size())) return nullptr;
    return &cells_[static_cast<std::size_t>(shape)];
}

const RunList* PicturePlans::DarkRuns(const Piece& piece, const std::vector<Bitmap>& pictures,
                                      const Bitmap& stencil, const StencilPlans& stencilPlans) {
    if (piece.PatIndex < 0 || piece.PatIndex >= static_cast<int>(pictures.size())) return nullptr;
    const Bitmap& picture = pictures[static_cast<std::size_t>(piece.PatIndex)];
    if (picture.width() != CellSize || picture.height() != CellSize ||
        !stencilPlans.Cell(piece.Shape))
        return nullptr;
    if (entries_.size() < pictures.size()) entries_.resize(pictures.size());
    Entry& entry = entries_[static_cast<std::size_t>(piece.PatIndex)];
    const std::uint64_t pictureStamp = picture.contentStamp();
    const std::uint64_t stencilStamp = stencil.contentStamp();
    if (entry.pictureStamp == pictureStamp && entry.stencilStamp == stencilStamp &&
        entry.shape == piece.Shape)
        return &entry.dark;
    entry.pictureStamp = pictureStamp;
    entry.stencilStamp = stencilStamp;
    entry.shape = piece.Shape;
    const int x0 = piece.Shape * CellSize;
    entry.dark = collectRuns(CellSize, CellSize, [&](int row, int col) {
        return isBlack(stencil.pixel(x0 + col, row)) && !isWhite(picture.pixel(col, row));
    });
    return &entry.dark;
}

}  // namespace qx
