#include "engine/PlayRules.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

#include "engine/BusyPointer.h"
#include "engine/ClockText.h"

namespace qx {

namespace {

// Pointer positions stay far inside 16 bits on any real screen; clamping them
// keeps a held piece's position and its snapped drop within range anyway.
constexpr int kPointerLimit = 32000;

std::int16_t pointerCoordinate(int v) {
    return static_cast<std::int16_t>(std::clamp(v, -kPointerLimit, kPointerLimit));
}

// The nearest multiple of 11, rounded in single precision as the drop always was.
std::int16_t snapToLattice(int v) {
    return static_cast<std::int16_t>(
        SnapStep * std::lround(static_cast<float>(v) / static_cast<float>(SnapStep)));
}

}  // namespace

void PlayRules::Repaint() {
    shell_.PlayAreaChanged(puzzle_.RedrawBoard(pictures_));
}

void PlayRules::StartGame(std::int16_t gameType) {
    state_.ElapsedSeconds = 0;
    puzzle_.CurrentGameType = gameType;
    puzzle_.CutPieces(pictures_);
    puzzle_.ScatterPieces(pictures_, random_);
    Repaint();
    puzzle_.HeldPiece = -1;
    state_.GameRunning = true;
}

void PlayRules::PlayAreaMouseDown(MouseButton button, int x, int y) {
    shell_.SetPlayAreaPointer(PlayAreaPointer::Normal);
    if (!Playing() || button != MouseButton::Left) return;
    const std::int16_t px = pointerCoordinate(x);
    const std::int16_t py = pointerCoordinate(y);
    auto& pieces = puzzle_.Pieces;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& piece = pieces[i];
        const bool inCell = piece.X <= px && px <= piece.X + CellSize - 1 && piece.Y <= py &&
                            py <= piece.Y + CellSize - 1;
        if (!inCell || !puzzle_.HitTestPiece(static_cast<int>(i), px, py, pictures_)) continue;
        Piece taken = piece;
        taken.X = static_cast<std::int16_t>(px - CellSize / 2);
        taken.Y = static_cast<std::int16_t>(py - CellSize / 2);
        // The taken piece goes on top and stays there after the drop.
        std::copy_backward(pieces.begin(), pieces.begin() + static_cast<std::ptrdiff_t>(i),
                           pieces.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        pieces.front() = taken;
        puzzle_.HeldPiece = 0;
        state_.DragX = px;
        state_.DragY = py;
        Repaint();
        return;
    }
}

void PlayRules::PlayAreaMouseMove(int x, int y) {
    const std::int16_t px = pointerCoordinate(x);
    const std::int16_t py = pointerCoordinate(y);
    if (!Playing() || !puzzle_.holding() || (px == state_.DragX && py == state_.DragY)) return;
    Piece& held = puzzle_.Pieces[static_cast<std::size_t>(puzzle_.HeldPiece)];
    held.X = static_cast<std::int16_t>(px - CellSize / 2);
    held.Y = static_cast<std::int16_t>(py - CellSize / 2);
    state_.DragX = px;
    state_.DragY = py;
    Repaint();
}

void PlayRules::PlayAreaMouseUp(MouseButton button, int x, int y) {
    shell_.SetPlayAreaPointer(PlayAreaPointer::Normal);
    if (!Playing() || button != MouseButton::Left || !puzzle_.holding()) return;
    Piece& held = puzzle_.Pieces[static_cast<std::size_t>(puzzle_.HeldPiece)];
    held.X = snapToLattice(pointerCoordinate(x) - CellSize / 2);
    held.Y = snapToLattice(pointerCoordinate(y) - CellSize / 2);
    puzzle_.HeldPiece = -1;
    Repaint();
    shell_.PlayClip(Clip::Drop);
    CheckCompletion();
}

void PlayRules::PlayAreaKeyDown(int keyCode) {
    if (keyCode != TurnKeyCode || !Playing() || !puzzle_.holding()) return;
    shell_.SetPlayAreaPointer(PlayAreaPointer::Turn);
    // The cell stays put, so the piece turns about its centre under the pointer.
    puzzle_.RotatePiece(puzzle_.HeldPiece, pictures_);
    Repaint();
    shell_.PlayClip(Clip::Turn);
}

void PlayRules::ScatterPuzzle() {
    if (!Playing()) return;
    {
        BusyPointer busy(shell_);
        puzzle_.ScatterPieces(pictures_, random_);
        Repaint();
        state_.ElapsedSeconds = 0;
        state_.GameRunning = true;
    }
    shell_.PlayClip(Clip::Scatter);
}

void PlayRules::MoveBoard(int index) {
    if (!Playing() || index < 0 || index > 3) return;
    const int dx = index == 0 ? -GridStep : index == 1 ? GridStep : 0;
    const int dy = index == 2 ? -GridStep : index == 3 ? GridStep : 0;
    constexpr int lowest = std::numeric_limits<std::int16_t>::min();
    constexpr int highest = std::numeric_limits<std::int16_t>::max();
    const bool fits =
        std::all_of(puzzle_.Pieces.begin(), puzzle_.Pieces.end(), [&](const Piece& p) {
            return p.X + dx >= lowest && p.X + dx <= highest && p.Y + dy >= lowest &&
                   p.Y + dy <= highest;
        });
    if (!fits) return;
    {
        BusyPointer busy(shell_);
        for (Piece& p : puzzle_.Pieces) {
            p.X = static_cast<std::int16_t>(p.X + dx);
            p.Y = static_cast<std::int16_t>(p.Y + dy);
        }
        Repaint();
    }
    shell_.PlayClip(Clip::MoveBoard);
}

void PlayRules::SetBoardColor(Pixel colour) {
    pictures_.picBG.fill(colour);
    pictures_.picScreen.fill(colour);
    Repaint();
}

void PlayRules::ClockTick() {
    if (state_.ElapsedSeconds < std::numeric_limits<std::int32_t>::max()) ++state_.ElapsedSeconds;
    shell_.SetClockText(ClockText(state_.ElapsedSeconds));
}

bool PlayRules::IsSolved() const {
    const auto& pieces = puzzle_.Pieces;
    const auto reference = std::find_if(pieces.begin(), pieces.end(), [](const Piece& p) {
        return p.Col == 0 && p.Row == 0 && p.Turns == 0;
    });
    if (reference == pieces.end()) return false;
    // The reference always shows the photo: it is judged like any photo piece.
    const int x0 = reference->X;
    const int y0 = reference->Y;
    // Filler pieces look alike in every orientation, so any of them may stand
    // in any filler place, turned or not; each place takes one of them.
    std::vector<PixelPoint> fillerPlaces, fillersAt;
    for (const Piece& p : pieces) {
        const PixelPoint place{x0 + GridStep * p.Col, y0 + GridStep * p.Row};
        if (!puzzle_.ShowsPhoto(p)) {
            fillerPlaces.push_back(place);
            fillersAt.push_back({p.X, p.Y});
        } else if (p.Turns != 0 || place != PixelPoint{p.X, p.Y}) {
            return false;
        }
    }
    const auto byRowThenColumn = [](const PixelPoint& a, const PixelPoint& b) {
        return std::tie(a.y, a.x) < std::tie(b.y, b.x);
    };
    std::sort(fillerPlaces.begin(), fillerPlaces.end(), byRowThenColumn);
    std::sort(fillersAt.begin(), fillersAt.end(), byRowThenColumn);
    return fillerPlaces == fillersAt;
}

bool PlayRules::CheckCompletion() {
    if (!IsSolved()) return false;
    state_.GameRunning = false;
    shell_.SetClockEnabled(false);
    shell_.PlayClip(Clip::Win);
    shell_.ShowWin();
    return true;
}

void PlayRules::HintBoxMouseDown(int x, int y) {
    state_.DragX = pointerCoordinate(x);
    state_.DragY = pointerCoordinate(y);
}

PixelPoint PlayRules::HintBoxDropPosition(int dropX, int dropY) const {
    return {dropX - state_.DragX, dropY - state_.DragY};
}

}  // namespace qx
