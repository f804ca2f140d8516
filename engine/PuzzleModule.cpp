#include "engine/PuzzleModule.h"
