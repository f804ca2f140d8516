#pragma once

#if __has_include("engine/WorkPictures.h")
#include "engine/WorkPictures.h"
#else
#include <vector>

#include "engine/Geometry.h"
#include "platform/raster/Bitmap.h"

namespace qx {

// The main window's work pictures until the engine defines them.
struct WorkPictures {
    Bitmap picScreen{PlayAreaWidth, PlayAreaHeight, rgb(227, 231, 203)};
    Bitmap picBG{PlayAreaWidth, PlayAreaHeight, rgb(227, 231, 203)};
    Bitmap picMaster;
    Bitmap picMasks{StencilWidth, StencilHeight};
    Bitmap picTmp{CellSize, CellSize};
    std::vector<Bitmap> picPat{Bitmap(CellSize, CellSize, rgb(236, 176, 96))};
};

}  // namespace qx
#endif
