#pragma once

#include <vector>

#include "engine/Geometry.h"
#include "platform/raster/Bitmap.h"

namespace qx {

inline constexpr Pixel BoardColor = rgb(227, 231, 203);  // the board until the player picks another
inline constexpr Pixel PieceBackground =
    rgb(236, 176, 96);  // piece pictures before anything is cut into them

// The main window's work pictures, owned by frmMain. Only picScreen is ever
// shown; the engine draws with the rest.
struct WorkPictures {
    Bitmap picScreen{PlayAreaWidth, PlayAreaHeight, BoardColor};  // the play area
    Bitmap picBG{PlayAreaWidth, PlayAreaHeight, BoardColor};      // plain board colour
    Bitmap picMaster;                                             // the photo, at most 632 x 355
    Bitmap picMasks{StencilWidth, StencilHeight};                 // copy of the stored stencil
    Bitmap picTmp{CellSize, CellSize};                            // work picture for turning
    std::vector<Bitmap> picPat{
        Bitmap(CellSize, CellSize, PieceBackground)};  // piece pictures; 0 always exists
};

}  // namespace qx
