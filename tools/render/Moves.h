#pragma once

#include <istream>
#include <string>

#include "engine/PlayRules.h"

namespace qx::render {

// Replays a moves file through the play rules, one move per line:
//   press X Y | move X Y | release X Y   left button on the play area
//   key r                                the turn key
//   board 0..3                           Move Board left, right, up, down
//   scatter                              Scatter Puzzle
// Blank lines and lines starting with '#' are skipped. Stops at the first
// line it cannot read and returns its description ("line 3: ..."); empty
// when every line was played.
std::string PlayMoves(std::istream& moves, PlayRules& rules);

}  // namespace qx::render
