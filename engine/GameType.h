#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace qx {

enum GameType : std::int16_t {
    Rectangular = 0,
    EasyJigsaw = 1,
    HardJigsaw = 2,
};

struct GameTypeInfo {
    GameType type;
    std::string_view caption;  // the option's caption
    bool jigsawOutlines;       // false: every piece is the plain square cell
    double turnFactor;         // share of pieces a scatter turns
};

inline constexpr std::array<GameTypeInfo, 3> kGameTypes{{
    {Rectangular, "Rectangular", false, 0.2},
    {EasyJigsaw, "Easy Jigsaw", true, 0.5},
    {HardJigsaw, "Hard Jigsaw", true, 0.7},
}};

constexpr bool isGameType(int value) {
    return value >= 0 && value < static_cast<int>(kGameTypes.size());
}

// Any value but 0 and 1 scatters like a hard jigsaw.
constexpr const GameTypeInfo& gameTypeInfo(int value) {
    return isGameType(value) ? kGameTypes[static_cast<std::size_t>(value)] : kGameTypes[HardJigsaw];
}

}  // namespace qx
