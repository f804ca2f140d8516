#pragma once

namespace qx {

// The five sound clips, numbered as their resources SOUND1 .. SOUND5.
enum class Clip { Drop = 1, Turn, Win, Scatter, MoveBoard };

constexpr int clipNumber(Clip clip) {
    return static_cast<int>(clip);
}

}  // namespace qx
