#include "Moves.h"

#include <sstream>

namespace qx::render {

namespace {

// Reads the rest of the line as exactly `count` integers.
bool readInts(std::istringstream& words, int* values, int count) {
    for (int k = 0; k < count; ++k)
        if (!(words >> values[k])) return false;
    std::string extra;
    return !(words >> extra);
}

std::string playLine(const std::string& line, PlayRules& rules) {
    std::istringstream words(line);
    std::string verb;
    words >> verb;
    int v[2] = {0, 0};
    if (verb == "press" || verb == "move" || verb == "release") {
        if (!readInts(words, v, 2)) return "expected two whole numbers after " + verb;
        if (verb == "press") rules.PlayAreaMouseDown(MouseButton::Left, v[0], v[1]);
        if (verb == "move") rules.PlayAreaMouseMove(v[0], v[1]);
        if (verb == "release") rules.PlayAreaMouseUp(MouseButton::Left, v[0], v[1]);
        return {};
    }
    if (verb == "key") {
        std::string key, extra;
        if (!(words >> key) || (key != "r" && key != "R") || (words >> extra))
            return "only \"key r\" is known";
        rules.PlayAreaKeyDown(TurnKeyCode);
        return {};
    }
    if (verb == "board") {
        if (!readInts(words, v, 1) || v[0] < 0 || v[0] > 3) return "expected board 0, 1, 2 or 3";
        rules.MoveBoard(v[0]);
        return {};
    }
    if (verb == "scatter") {
        std::string extra;
        if (words >> extra) return "scatter takes nothing more";
        rules.ScatterPuzzle();
        return {};
    }
    return "unknown move \"" + verb + "\"";
}

}  // namespace

std::string PlayMoves(std::istream& moves, PlayRules& rules) {
    std::string line;
    for (int number = 1; std::getline(moves, line); ++number) {
        const auto start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos || line[start] == '#') continue;
        const std::string problem = playLine(line, rules);
        if (!problem.empty()) return "line " + std::to_string(number) + ": " + problem;
    }
    return {};
}

}  // namespace qx::render
