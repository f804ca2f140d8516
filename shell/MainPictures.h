#pragma once

// The main window's work pictures come from the engine.
#include "engine/WorkPictures.h"
