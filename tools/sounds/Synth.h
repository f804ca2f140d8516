#pragma once

#include <cstddef>
#include <vector>

namespace sounds {

// Each clip is `frames` mono samples in -1..1 at `rate`, starting and ending
// in silence.
std::vector<double> woodenClick(std::size_t frames, double rate);    // a piece is dropped
std::vector<double> turnSwish(std::size_t frames, double rate);      // a piece is turned
std::vector<double> fanfare(std::size_t frames, double rate);        // the puzzle is solved
std::vector<double> shuffleRustle(std::size_t frames, double rate);  // the pieces are scattered
std::vector<double> slideThump(std::size_t frames, double rate);     // the board moves

}  // namespace sounds
