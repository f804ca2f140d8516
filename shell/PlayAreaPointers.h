#pragma once

// Hot spots of the play-area pointer pictures (resources/bitmaps/), in pixels
// of the 32 x 32 pictures. The bitmap generator draws to them.

namespace qx::pointers {

// pointer-normal.png: an arrow whose tip is the hot spot.
inline constexpr int kNormalHotX = 1;
inline constexpr int kNormalHotY = 1;

// pointer-turn.png: a circle of two arrows, hot spot at its centre.
inline constexpr int kTurnHotX = 16;
inline constexpr int kTurnHotY = 16;

}  // namespace qx::pointers
