#pragma once

#include <Qt>
#include <cstdint>

namespace qx {

// The Windows key codes the button's key events carry (13 Enter, 27 Esc,
// 32 space, 37..40 arrows, letters and digits as their upper-case characters).
std::int16_t virtualKeyCode(int qtKey);
// The Qt key for such a code; 0 for one that has no counterpart.
int qtKeyFromVirtual(int code);

// Event arguments: Shift 1, Ctrl 2, Alt 4; mouse buttons left 1, right 2, middle 4.
std::int16_t shiftState(Qt::KeyboardModifiers modifiers);
std::int16_t mouseButtonCode(Qt::MouseButtons buttons);

inline constexpr int kVkReturn = 13;
inline constexpr int kVkShift = 16;
inline constexpr int kVkEscape = 27;
inline constexpr int kVkSpace = 32;
inline constexpr int kVkLeft = 37;
inline constexpr int kVkUp = 38;
inline constexpr int kVkRight = 39;
inline constexpr int kVkDown = 40;

}  // namespace qx
